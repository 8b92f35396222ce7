#include "options/OptionsForm.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/EditContext.h"
#include "app/Modes.h"
#include "files/DataFile.h"
#include "mainwindow/MainWindowFixture.h"
#include "platform/KeyboardHook.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using platform::HookKey::Ctrl;
using platform::HookKey::Shift;

class OptionsWindow : public test::MainWindowFixture {
protected:
    // Opens the options from the main window and runs the steps while they are up.
    void WithOptions(const std::function<void(Options&)>& steps) {
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == "Options") {
                steps(static_cast<Options&>(form));
            }
        };
        t.host.Click(edit().controlPanel.OptionButton);
        t.host.onModal = nullptr;
    }
    void Choose(forms::OptionButton& button) { t.host.Click(button); }
    AppSettings Stored() {
        return DecodeSettings(files::ReadIfPresent(t.fs, t.PrivateFolder() + "mirvo.ini", 145));
    }
    bool Watched(std::int32_t code) { return t.keyboard.watched.count(code) != 0; }
};

TEST_F(OptionsWindow, EveryOptionIsStoredAndTakesEffectAtOnce) {
    int monitoringWhileUp = -1;
    WithOptions([&](Options& o) {
        monitoringWhileUp = t.keyboard.monitoring;
        EXPECT_TRUE(o.Frm[app.settings.LastOptionsPage]->Visible());
        t.host.Click(*o.Opt[2]);
        EXPECT_TRUE(o.Frm[2]->Visible());
        EXPECT_FALSE(o.Frm[0]->Visible());
        EXPECT_EQ(o.Opt[2]->BackColor(), 0xC0C0FFu);

        Choose(*o.Bulkoption.buttons[1]);
        EXPECT_TRUE(Watched(Ctrl | 'B')) << "Ctrl+B is the bulk key now";
        EXPECT_FALSE(Watched(Ctrl | 0x2D));
        Choose(*o.Clearoption.buttons[0]);
        EXPECT_EQ(o.Clearoption.buttons[0]->BackColor(), forms::QBColor(12)) << "Batch is red";
        Choose(*o.Clearoption.buttons[1]);
        EXPECT_EQ(o.Clearoption.buttons[0]->BackColor(), forms::kButtonFace);
        Choose(*o.StickyOption.buttons[1]);
        EXPECT_EQ(app.settings.HighlightWithMouse, 0) << "\"Keyboard\"";

        // Each option is chosen on its page, as the user sees it.
        t.host.Click(*o.Opt[0]);
        Choose(*o.keysoption.buttons[1]);
        EXPECT_TRUE(Watched(Ctrl | 'V'));
        EXPECT_FALSE(Watched(Shift | 0x2D));
        t.host.Click(*o.Opt[1]);
        Choose(*o.HelpOption.buttons[0]);
        EXPECT_EQ(edit().controlPanel.Search.ToolTip(), "") << "popup help hidden";
        Choose(*o.HelpOption.buttons[1]);
        EXPECT_EQ(edit().controlPanel.Search.ToolTip(), " Search Clip Names ");
        t.host.Click(*o.Opt[3]);
        Choose(*o.FontOption.buttons[1]);
        EXPECT_TRUE(edit().groupPanels.item[0]->FontBold());
        EXPECT_TRUE(o.OKBtn->FontBold()) << "the window's own fonts follow";

        // A palette stores the colour, not its place; the default colour shows at once.
        t.host.Click(*o.Opt[4]);
        Choose(*o.palettes[2].buttons[13]);
        EXPECT_EQ(app.settings.GroupClipColor, 0x0000FF);
        EXPECT_EQ(edit().groupPanels.item[5]->BackColor(), 0x0000FFu);
        Choose(*o.palettes[0].buttons[6]);
        EXPECT_EQ(app.settings.BackgroundColor, 0xE0E0E0);
        EXPECT_EQ(edit().BackColor(), 0xE0E0E0u);

        t.host.Click(*o.Opt[0]);
        t.host.Click(*o.TopOption);
        EXPECT_EQ(app.settings.EdgeTop, 0);
        t.host.Click(*o.Opt[5]);
        Choose(*o.BrowserOption.buttons[1]);
        t.host.Click(*o.Opt[1]);
        Choose(*o.IconOption.buttons[0]);
        Choose(*o.RestoreOption.buttons[1]);
        t.host.Click(*o.Opt[2]);
        t.host.PressKey(forms::Key::Escape);
        EXPECT_FALSE(o.Loaded()) << "Escape closes";
    });
    EXPECT_EQ(monitoringWhileUp, 0) << "the hot keys sleep while the options are up";
    EXPECT_EQ(t.keyboard.monitoring, 2);
    const AppSettings stored = Stored();
    EXPECT_EQ(stored.BulkKeys, 1);
    EXPECT_EQ(stored.KeepClipboardClips, 1);
    EXPECT_EQ(stored.PasteKeys, 1);
    EXPECT_EQ(stored.BoldFont, 1);
    EXPECT_EQ(stored.GroupClipColor, 0x0000FF);
    EXPECT_EQ(stored.EdgeTop, 0);
    EXPECT_EQ(stored.BrowserOption, Browser::WaitForClick);
    EXPECT_EQ(stored.TaskbarIcon, 0);
    EXPECT_EQ(stored.RestoreFullWindow, 1);
    EXPECT_EQ(app.settings.LastOptionsPage, 2) << "the page last shown opens next time";
}

TEST_F(OptionsWindow, EveryOptionAndPageWorksFromTheKeyboardAsFromTheMouse) {
    using forms::Key::Return;
    using forms::Key::Space;
    // Tab to the control, then the key: Space chooses a button as it comes up, Enter presses a
    // command button.
    auto press = [&](forms::Control& control, int key) {
        control.SetFocus();
        t.host.PressKey(key, 0, key);
    };
    std::vector<int> helpTopics;
    WithOptions([&](Options& o) {
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == "HelpForm") {
                helpTopics.push_back(app.HelpTopic);
            }
        };
        press(*o.Opt[0], Return);
        EXPECT_TRUE(o.Frm[0]->Visible());
        press(*o.TopOption, Space);
        EXPECT_EQ(app.settings.EdgeTop, 0) << "a start marks every edge; Space clears one";
        press(*o.LeftOption, Space);
        EXPECT_EQ(app.settings.EdgeLeft, 0);
        press(*o.LeftOption, Space);
        EXPECT_EQ(app.settings.EdgeLeft, 1) << "and marks it again";
        press(*o.keysoption.buttons[1], Space);
        EXPECT_TRUE(Watched(Ctrl | 'V')) << "the new paste key at once";
        EXPECT_FALSE(Watched(Shift | 0x2D));
        press(*o.Hlp[1], Space);

        press(*o.Opt[1], Space);
        EXPECT_TRUE(o.Frm[1]->Visible()) << "Space on a page button";
        EXPECT_FALSE(o.Frm[0]->Visible());
        press(*o.HelpOption.buttons[0], Space);
        EXPECT_EQ(edit().controlPanel.Search.ToolTip(), "") << "popup help hidden";
        press(*o.RestoreOption.buttons[1], Space);

        press(*o.Opt[2], Return);
        press(*o.Bulkoption.buttons[1], Space);
        EXPECT_TRUE(Watched(Ctrl | 'B'));
        press(*o.Clearoption.buttons[0], Space);
        EXPECT_EQ(o.Clearoption.buttons[0]->BackColor(), forms::QBColor(12)) << "Batch is red";
        press(*o.StickyOption.buttons[1], Space);

        press(*o.Opt[3], Return);
        press(*o.FontOption.buttons[1], Space);
        EXPECT_TRUE(edit().groupPanels.item[0]->FontBold());

        press(*o.Opt[4], Return);
        press(*o.palettes[1].buttons[13], Space);
        EXPECT_EQ(edit().clipboardPanel.ClipboardClip[3]->BackColor(), 0x0000FFu);

        press(*o.Opt[5], Return);
        press(*o.BrowserOption.buttons[1], Space);
        press(*o.OKBtn, Return);
        EXPECT_FALSE(o.Loaded());
    });
    const AppSettings stored = Stored();
    EXPECT_EQ(stored.EdgeTop, 0);
    EXPECT_EQ(stored.EdgeLeft, 1);
    EXPECT_EQ(stored.PasteKeys, 1);
    EXPECT_EQ(stored.PopupHelp, 0);
    EXPECT_EQ(stored.RestoreFullWindow, 1);
    EXPECT_EQ(stored.BulkKeys, 1);
    EXPECT_EQ(stored.KeepClipboardClips, 0);
    EXPECT_EQ(stored.HighlightWithMouse, 0);
    EXPECT_EQ(stored.BoldFont, 1);
    EXPECT_EQ(stored.ClipboardClipColor, 0x0000FF);
    EXPECT_EQ(stored.BrowserOption, Browser::WaitForClick);
    EXPECT_EQ(stored.LastOptionsPage, 5);
    EXPECT_EQ(helpTopics, std::vector<int>{18}) << "a \"?\" button from the keyboard";

    // "Large" from the keyboard lays the window out again, as the mouse does.
    int shown = 0;
    WithOptions([&](Options& o) {
        ++shown;
        if (shown == 1) {
            press(*o.Opt[3], Space);
            press(*o.SizeOption.buttons[0], Space);
        } else {
            EXPECT_TRUE(o.SizeOption.buttons[0]->Value());
            press(*o.OKBtn, Return);
        }
    });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(edit().Width(), 9624) << "the small window";
}

TEST_F(OptionsWindow, ASizeChangeLaysTheWindowOutAgainAndTheOptionsComeBack) {
    int shown = 0;
    WithOptions([&](Options& o) {
        ++shown;
        if (shown == 1) {
            t.host.Click(*o.Opt[3]);
            Choose(*o.SizeOption.buttons[0]);
        } else {
            EXPECT_EQ(edit().Width(), 9624) << "the small window, before the options come back";
            EXPECT_TRUE(o.SizeOption.buttons[0]->Value());
            t.host.Click(*o.OKBtn);
        }
    });
    EXPECT_EQ(shown, 2);
    EXPECT_EQ(app.settings.LargeWindow, 0);

    app.editing.EditorOpen = true;
    shown = 0;
    const size_t beeps = t.desktop.beeps.size();
    WithOptions([&](Options&) { ++shown; });
    EXPECT_EQ(shown, 0) << "refused while a clip editor is open";
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
}

class OptionsDataLocation : public test::StoreFixture {};

TEST_F(OptionsDataLocation, ThePrivateChoiceShowsThePrivateLibrariesAndCopiesNothing) {
    Put(LibPath(1, "Groups.dat"), Text(Padded("Common group") + std::string(1550, ' ')));
    Start();
    const std::string privateLib = t.PrivateFolder() + "Lib1" + kSep;
    std::filesystem::create_directories(privateLib);
    test::WriteFileBytes(privateLib + "Groups.dat",
                         Text(Padded("Private group") + std::string(1550, ' ')));
    EXPECT_EQ(GroupName(0).Caption(), "Common group");
    t.host.onModal = [&](forms::Form& form) {
        auto& o = static_cast<Options&>(form);
        EXPECT_EQ(o.DataOption.buttons[0]->Caption(), "tester's Private Data");
        EXPECT_TRUE(o.DataOption.buttons[1]->Value());
        t.host.Click(*o.DataOption.buttons[0]);
        t.host.Click(*o.OKBtn);
    };
    t.host.Click(edit().controlPanel.OptionButton);
    EXPECT_EQ(app.settings.DataOption, DataLocation::Private);
    EXPECT_EQ(GroupName(0).Caption(), "Private group");
    EXPECT_EQ(app.DataFolder, t.PrivateFolder());
    EXPECT_FALSE(std::filesystem::exists(t.PrivateFolder() + "Lib2")) << "nothing copied";
    EXPECT_TRUE(std::filesystem::exists(t.PrivateFolder() + "mirvo.ini"));
    EXPECT_EQ(StoredSettings().DataOption, 0);
}

TEST_F(OptionsDataLocation, PasteKeysTwoFromAnOlderFileWatchesBothKeys) {
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, {19200, 14400});
    s.PasteKeys = 2;
    t.StoreSettings(s);
    Start();
    EXPECT_EQ(t.keyboard.watched.count(Shift | 0x2D), 1u);
    EXPECT_EQ(t.keyboard.watched.count(Ctrl | 'V'), 1u);
}

}  // namespace
}  // namespace mirvo
