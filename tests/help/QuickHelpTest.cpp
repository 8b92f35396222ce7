#include "help/QuickHelp.h"

#include <gtest/gtest.h>

#include "doubles/TestApp.h"
#include "forms/Types.h"
#include "help/HelpForm.h"
#include "mainwindow/Edit.h"

namespace mirvo {
namespace {

TEST(ExtractTopic, TakesTheTextBetweenTheMarkersLessTheLastThreeCharacters) {
    const std::string file =
        "head\r\n##1One. \r\n##2Two\r\nlines. \r\n##3Three. \r\n##9Nine. \r\n##10Ten. "
        "\r\n##11Eleven. \r\n"
        "##12Twelve. \r\n##13";
    EXPECT_EQ(ExtractTopic(file, 1), "One.");
    EXPECT_EQ(ExtractTopic(file, 2), "Two\r\nlines.");
    // A one-digit marker is three characters long, a two-digit one four.
    EXPECT_EQ(ExtractTopic(file, 9), "Nine.");
    EXPECT_EQ(ExtractTopic(file, 10), "Ten.");
    EXPECT_EQ(ExtractTopic(file, 12), "Twelve.");
    EXPECT_EQ(ExtractTopic(file, 13), std::nullopt) << "no marker after the last topic";
    EXPECT_EQ(ExtractTopic(file, 3), std::nullopt) << "no marker for the next topic";
    EXPECT_EQ(ExtractTopic(file, 5), std::nullopt) << "no marker for the topic";
}

TEST(ExtractTopic, SearchesTheFirstOccurrenceSoTopicsMustBeInOrder) {
    // "##1" first matches the start of "##12": a file out of order shows the wrong text.
    const std::string outOfOrder = "##12Twelve. \r\n##13x \r\n##1One. \r\n##2";
    EXPECT_EQ(ExtractTopic(outOfOrder, 1).value_or("").substr(0, 8), "2Twelve.");
    const std::string tooShort = "##5ab##6";
    EXPECT_EQ(ExtractTopic(tooShort, 5), std::nullopt);
}

class QuickHelpWindow : public ::testing::Test {
protected:
    QuickHelpWindow() : app(t.Start()) {
        app.ProgramFolder = t.temp.Sub("program");
        test::WriteFileBytes(app.ProgramFolder + "mirvo.qhp", Bytes("##1First topic. \r\n##2"));
        CreateMainWindow(app);  // the quick-help window shows above the main window
    }
    static files::Bytes Bytes(const std::string& s) { return files::Bytes(s.begin(), s.end()); }

    test::TestApp t;
    App& app;
};

TEST_F(QuickHelpWindow, ShowsTheTopicCentredAndOnTop) {
    app.settings.BoldFont = 1;
    bool shown = false;
    t.host.onModal = [&](forms::Form& form) {
        auto& help = static_cast<HelpForm&>(form);
        EXPECT_EQ(help.Text1.Text(), "First topic.");
        EXPECT_TRUE(help.Text1.Locked());
        EXPECT_TRUE(help.Text1.MultiLine());
        EXPECT_TRUE(help.Text1.FontBold());
        EXPECT_EQ(help.Left(), (t.host.screen.widthTwips - help.Width()) / 2);
        EXPECT_EQ(help.Top(), (t.host.screen.heightTwips - help.Height()) / 2);
        ASSERT_FALSE(t.desktop.topmostCalls.empty());
        EXPECT_EQ(t.desktop.topmostCalls.back(),
                  std::make_pair(static_cast<platform::WindowHandle>(help.hWnd()), true));
        shown = true;
        t.host.Click(help.OKBtn);
        EXPECT_FALSE(help.Loaded());
    };
    ShowQuickHelp(app, 1);
    EXPECT_TRUE(shown);
    EXPECT_EQ(app.HelpTopic, 1);
}

TEST_F(QuickHelpWindow, AMissingTopicOrFileShowsHelpFileCorrupt) {
    std::vector<std::string> texts;
    t.host.onModal = [&](forms::Form& form) {
        texts.push_back(static_cast<HelpForm&>(form).Text1.Text());
    };
    ShowQuickHelp(app, 2);
    test::WriteFileBytes(app.ProgramFolder + "mirvo.qhp", {});
    ShowQuickHelp(app, 1);
    std::remove((app.ProgramFolder + "mirvo.qhp").c_str());
    ShowQuickHelp(app, 1);
    EXPECT_EQ(texts, std::vector<std::string>(3, "Help File Corrupt !"));
    EXPECT_FALSE(test::FileExists(app.ProgramFolder + "mirvo.qhp"))
        << "reading the help never creates the file";
}

TEST_F(QuickHelpWindow, OnlySelectionAndCopyKeysReachTheTextAndEscapeCloses) {
    std::vector<int> reached;
    t.host.onModal = [&](forms::Form& form) {
        auto& help = static_cast<HelpForm&>(form);
        help.Text1.OnKeyPress = [&, inner = help.Text1.OnKeyPress.Take()](int& ascii) {
            inner(ascii);
            if (ascii != 0) {
                reached.push_back(ascii);
            }
        };
        help.Text1.SetFocus();
        t.host.PressKey('X', 0, 'x');
        t.host.PressKey(forms::Key::Delete);
        t.host.PressKey(forms::Key::C, forms::Shift::Ctrl, 3);
        t.host.PressKey(forms::Key::Left);
        EXPECT_TRUE(help.Loaded());
        t.host.KeyDown(forms::Key::Escape, 0, 27);
        EXPECT_FALSE(help.Loaded()) << "Escape closes as it goes down";
    };
    ShowQuickHelp(app, 1);
    EXPECT_EQ(reached, std::vector<int>{3}) << "only Ctrl+C is typed into the box";
    EXPECT_EQ(t.host.SwallowKeyUp(), forms::Key::Escape)
        << "the Escape's release must not act on the window below";
}

}  // namespace
}  // namespace mirvo
