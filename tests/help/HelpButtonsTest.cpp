// The control panel's "Help", "Tutorial" and "About" buttons and F1, over the shipped quick-help
// file: what each opens, the quick help of a right click, the refusals, and the focus holder
// taking the focus afterwards.
#include "help/HelpButtons.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/EditContext.h"
#include "doubles/TestApp.h"
#include "files/Paths.h"
#include "help/AboutForm.h"
#include "help/HelpForm.h"
#include "help/MainHelpForm.h"
#include "help/QuickHelp.h"
#include "panels/MainForm.h"
#include "startup/Main.h"

#ifndef MIRVO_SOURCE_DIR
#define MIRVO_SOURCE_DIR "../.."
#endif

namespace mirvo {
namespace {

using forms::MouseButton;

class HelpButtons : public ::testing::Test {
protected:
    HelpButtons() : app(t.Start()) {
        const std::string program = t.desktop.programFolder;
        test::WriteFileBytes(program + kQuickHelpFileName,
                             test::ReadFileBytes(MIRVO_SOURCE_DIR "/data/mirvo.qhp"));
        t.temp.Sub("program" + std::string(1, files::kPathSeparator) + "tutorial");
        test::WriteFileBytes(TutorialStart(), {'<', 'p', '>'});
        EXPECT_TRUE(Main(app));
        t.shell.started.clear();  // the first start's page
    }

    std::string TutorialStart() const {
        return t.desktop.programFolder + "tutorial" + files::kPathSeparator + "Tutorial.htm";
    }
    std::string HandedOver() const {
        const files::Bytes bytes = test::ReadFileBytes(t.PrivateFolder() + "lnch.dat");
        return std::string(bytes.begin(), bytes.end());
    }
    ControlPanel& Panel() { return app.MainWindow().controlPanel; }
    bool FocusHolderHasFocus() { return t.host.FocusedControl() == &app.MainWindow().holdfocus; }
    // The topic texts of the quick-help windows shown, and the other modal forms by name.
    void RecordModals() {
        t.host.onModal = [this](forms::Form& form) {
            if (auto* help = dynamic_cast<HelpForm*>(&form)) {
                shown.push_back("quick help " + std::to_string(app.HelpTopic));
                EXPECT_NE(help->Text1.Text(), kHelpFileCorrupt) << app.HelpTopic;
            } else {
                shown.push_back(form.Name());
            }
            form.Unload();
        };
    }
    bool RefusalTonesSounded() {
        const bool sounded =
            t.desktop.beeps == std::vector<std::pair<int, int>>{{100, 100}, {70, 100}};
        t.desktop.beeps.clear();
        return sounded;
    }

    test::TestApp t;
    App& app;
    std::vector<std::string> shown;
};

TEST_F(HelpButtons, RightClicksShowEachButtonsQuickHelpAndLeaveTheFocusWithTheHolder) {
    RecordModals();
    t.host.Click(Panel().HelpButton, MouseButton::Right);
    EXPECT_TRUE(FocusHolderHasFocus());
    Panel().Search.SetFocus();
    t.host.Click(Panel().TutorialBtn, MouseButton::Right);
    EXPECT_TRUE(FocusHolderHasFocus());
    Panel().Search.SetFocus();
    t.host.Click(Panel().UpgradeBtn, MouseButton::Right);
    EXPECT_TRUE(FocusHolderHasFocus());
    EXPECT_EQ(shown, (std::vector<std::string>{"quick help 49", "quick help 50", "quick help 51"}));
    EXPECT_TRUE(t.shell.started.empty()) << "a right click opens no tutorial";
}

TEST_F(HelpButtons, TheTutorialButtonHandsItsFirstPageToTheLauncherOrRefuses) {
    Panel().Search.SetFocus();
    t.host.Click(Panel().TutorialBtn);
    ASSERT_EQ(t.shell.started.size(), 1u);
    EXPECT_NE(t.shell.started[0].commandLine.find("lnch2.exe"), std::string::npos);
    EXPECT_EQ(t.shell.started[0].showStyle, 1);
    EXPECT_EQ(HandedOver(), TutorialStart());
    EXPECT_TRUE(FocusHolderHasFocus());
    EXPECT_FALSE(RefusalTonesSounded());

    {
        SCOPED_TRACE("the launcher cannot start");
        t.shell.startCode = 2;
        t.host.Click(Panel().TutorialBtn);
        EXPECT_TRUE(RefusalTonesSounded());
        t.shell.startCode = 33;
    }
    {
        SCOPED_TRACE("the page is missing");
        std::remove(TutorialStart().c_str());
        t.shell.started.clear();
        t.host.Click(Panel().TutorialBtn);
        EXPECT_TRUE(t.shell.started.empty()) << "nothing to open";
        EXPECT_TRUE(RefusalTonesSounded());
        EXPECT_TRUE(FocusHolderHasFocus());
    }
}

TEST_F(HelpButtons, HelpAndF1ShowTheMainHelpOnTopWithItsTutorialLinkAndBasics) {
    int mainHelps = 0;
    std::vector<int> topics;
    t.host.onModal = [&](forms::Form& form) {
        if (dynamic_cast<HelpForm*>(&form)) {
            topics.push_back(app.HelpTopic);
            form.Unload();
            return;
        }
        auto* help = dynamic_cast<MainHelp*>(&form);
        ASSERT_NE(help, nullptr) << form.Name();
        ++mainHelps;
        ASSERT_FALSE(t.desktop.topmostCalls.empty());
        EXPECT_EQ(t.desktop.topmostCalls.back(),
                  std::make_pair(static_cast<platform::WindowHandle>(help->hWnd()), true));
        EXPECT_EQ(help->Left(), (t.host.screen.widthTwips - help->Width()) / 2);
        EXPECT_NE(help->Intro.Caption().find("right click"), std::string::npos);
        if (mainHelps == 1) {
            // Every basics label opens its topic, whatever the button.
            for (int i = 1; i <= 8; ++i) {
                t.host.Click(*help->Topic[static_cast<size_t>(i)],
                             i % 2 ? MouseButton::Left : MouseButton::Right);
            }
            EXPECT_EQ(help->Topic[2]->Caption(), "Keyboard  Basics");
            EXPECT_EQ(help->Topic[8]->Caption(), "New User Essential Information");
            EXPECT_TRUE(help->Loaded()) << "the topics leave the help open";
            t.host.Click(help->TutorialLink);
            EXPECT_FALSE(help->Loaded()) << "the link makes way for the page";
        } else {
            help->OKBtn.SetFocus();
            t.host.PressKey(forms::Key::Escape, 0, 27);
            EXPECT_FALSE(help->Loaded()) << "Escape closes the help";
        }
    };
    t.host.Click(Panel().HelpButton);
    EXPECT_EQ(topics, (std::vector<int>{25, 26, 27, 30, 31, 32, 34, 35}));
    ASSERT_EQ(t.shell.started.size(), 1u) << "the tutorial link";
    EXPECT_EQ(HandedOver(), TutorialStart());
    EXPECT_TRUE(FocusHolderHasFocus());

    app.MainWindow().holdfocus.SetFocus();
    t.host.PressKey(forms::Key::F1);
    EXPECT_EQ(mainHelps, 2) << "F1 on the main window";
    EXPECT_EQ(t.host.SwallowKeyUp(), 0);
}

TEST_F(HelpButtons, WhileAClipEditorIsOpenHelpGivesTheFocusBackToItsSaveButton) {
    RecordModals();
    auto editor = std::make_unique<forms::Form>(t.host, "view");
    forms::CommandButton& save = editor->Add<forms::CommandButton>("OKBtn");
    editor->Show();
    app.editing.Editor = std::move(editor);
    app.editing.EditorOpen = true;
    t.host.Click(Panel().HelpButton);
    app.MainWindow().holdfocus.SetFocus();
    t.host.PressKey(forms::Key::F1);
    EXPECT_TRUE(shown.empty()) << "no help window over the editor";
    EXPECT_EQ(t.host.FocusedControl(), &save);
}

TEST_F(HelpButtons, AboutShowsTheNameAndVersionOfTheVersionResource) {
    std::vector<std::string> texts;
    t.host.onModal = [&](forms::Form& form) {
        auto& about = dynamic_cast<About&>(form);
        texts = {about.Caption(), about.ProductLabel.Caption(), about.VersionLabel.Caption(),
                 about.DescriptionLabel.Caption(), about.CompanyLabel.Caption()};
        EXPECT_TRUE(about.ProductLabel.FontBold());
        about.OKBtn.SetFocus();
        t.host.PressKey(forms::Key::Return, 0, 13);
        EXPECT_FALSE(about.Loaded()) << "Enter closes it";
    };
    t.desktop.version = {"Mirvo", "4.2.1", "Mirvo multi-clipboard manager", "Talbrook Software"};
    Panel().Search.SetFocus();
    t.host.Click(Panel().UpgradeBtn);
    EXPECT_EQ(texts,
              (std::vector<std::string>{" About Mirvo", "Mirvo", "Version 4.2.1",
                                        "Mirvo multi-clipboard manager", "Talbrook Software"}));
    EXPECT_TRUE(FocusHolderHasFocus());

    t.desktop.version = {};
    t.host.Click(Panel().UpgradeBtn);
    EXPECT_EQ(texts, (std::vector<std::string>{" About Mirvo", "Mirvo", "Version unknown", "", ""}))
        << "an executable without a version resource";
}

}  // namespace
}  // namespace mirvo
