#include "paste/PasteEngine.h"

#include "app/ClipboardState.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/ClipboardFixture.h"
#include "store/Groups.h"

namespace mirvo {
namespace {

using forms::MouseButton;
using test::CText;

constexpr platform::WindowHandle kNotepad = 0x4242;

class Pasting : public test::ClipboardFixture {
protected:
    Pasting() {
        t.desktop.foreground = kNotepad;
        t.host.AdvanceTime(1000);  // the clipboard timer notes the foreign window
        edit().SetWindowState(forms::WindowState::Normal);
    }
    // A group clip with a text clip file, a title and a paste mode.
    void GroupClip(int slot, const std::string& text, std::uint8_t mode) {
        test::WriteFileBytes(app.store.GroupDataPrefix + std::to_string(slot), TextClipBytes(text));
        edit().groupPanels.item[static_cast<size_t>(slot)]->SetCaption(text);
        app.store.ClipPasteMode[static_cast<size_t>(slot)] = mode;
    }
    // The user brings the main window back from the taskbar after a paste minimized it.
    void Back() { t.host.RestoreByUser(edit()); }
    std::vector<std::string> SentAfterTimer() {
        t.host.AdvanceTime(200);
        return t.keys.Keys();
    }
};

TEST_F(Pasting, AClipboardClipPastesIntoTheLastForeignWindowAndTheWindowGetsOutOfTheWay) {
    CopyText("to paste");
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized);
    EXPECT_TRUE(t.keys.sent.empty()) << "the keys wait for the paste timer";
    EXPECT_EQ(SentAfterTimer(), (std::vector<std::string>{"^{v}"}));
    EXPECT_EQ(t.keys.sent[0].foreground, kNotepad);
    EXPECT_EQ(t.keyboard.monitoring, 2) << "the hook monitors again after the paste";
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(app.MarkerFormats[2]));
    EXPECT_TRUE(edit().Timer1.Enabled());
}

TEST_F(Pasting, EmptySlotsAndSlotsBeyondTheHistoryPasteNothing) {
    CopyText("one");
    t.host.Click(*edit().clipboardPanel.ClipboardClip[1]);
    edit().clipboardPanel.ClipboardClip[2]->SetCaption("left over from a Batch start");
    t.host.Click(*edit().clipboardPanel.ClipboardClip[2]);
    t.host.Click(*edit().groupPanels.item[0]);
    EXPECT_TRUE(SentAfterTimer().empty());
}

TEST_F(Pasting, PasteModesAndTheOverride) {
    GroupClip(0, "form value", 4);
    GroupClip(1, "no mode", 3);
    t.host.Click(*edit().groupPanels.item[0]);
    EXPECT_EQ(SentAfterTimer(),
              (std::vector<std::string>{"{HOME}", "+{END}", "{BACKSPACE}", "^{v}", "{TAB}"}));
    t.keys.sent.clear();
    Back();
    t.host.Click(*edit().groupPanels.item[1]);
    EXPECT_EQ(SentAfterTimer(), (std::vector<std::string>{"^{v}"}));
    EXPECT_EQ(app.store.ClipPasteMode[1], 0) << "a clip without a mode becomes a plain clip";

    Back();
    t.host.Click(*edit().controlPanel.ClipMode[0]);  // override: "Clip"
    EXPECT_EQ(app.settings.PasteModeOverride, 0);
    t.keys.sent.clear();
    t.host.Click(*edit().groupPanels.item[0]);
    EXPECT_EQ(SentAfterTimer(), (std::vector<std::string>{"^{v}"})) << "every clip pastes plainly";

    Back();
    t.host.Click(*edit().controlPanel.ClipMode[4]);  // override: "Form Clip"
    CopyText("history text");
    t.keys.sent.clear();
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_EQ(SentAfterTimer().back(), "{TAB}") << "clipboard clips follow the override";
    Back();
    t.host.Click(*edit().controlPanel.ClipMode[4]);
    EXPECT_EQ(app.settings.PasteModeOverride, 3) << "the chosen override clicked again: Off";
    EXPECT_TRUE(edit().controlPanel.ClipMode[3]->Value());
}

TEST_F(Pasting, AFailedRestoreGivesTwoTonesAndNoPaste) {
    CopyText("stored");
    t.clipboard.heldByOtherForOpens = 1000;
    const size_t beeps = t.desktop.beeps.size();
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_TRUE(SentAfterTimer().empty());
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);
}

TEST_F(Pasting, NoKeysWhenTheTargetCannotComeToTheFrontButTwoTones) {
    CopyText("to paste");
    t.host.Click(edit().controlPanel.NoMinimizeBtn);  // the main window stays in front
    t.desktop.foreground = edit().hWnd();
    t.desktop.closed.insert(kNotepad);  // notepad was closed after the clipboard timer saw it
    const size_t beeps = t.desktop.beeps.size();
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_TRUE(SentAfterTimer().empty()) << "the keys would reach the main window";
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 2);
    EXPECT_EQ(t.keyboard.monitoring, 2) << "the hot keys work again";
    EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default);
    t.host.AdvanceTime(3000);
    EXPECT_TRUE(t.keys.sent.empty()) << "and nothing repeats";

    // No other window was ever in front.
    app.clip.LastForeignWindow = 0;
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_TRUE(SentAfterTimer().empty());
    EXPECT_EQ(t.desktop.beeps.size(), beeps + 4);
}

TEST_F(Pasting, WebPageAndEmailClipsGoToTheLauncherWithAnEmptyMarkedClipboard) {
    GroupClip(0, "https://example.org/page", 2);
    GroupClip(1, "ann@example.org", 1);
    GroupClip(2, "C:\\Windows\\calc.exe", 2);
    t.host.Click(*edit().groupPanels.item[0]);
    const auto handOver = [&] {
        const files::Bytes b = test::ReadFileBytes(t.PrivateFolder() + "lnch.dat");
        return std::string(b.begin(), b.end());
    };
    EXPECT_EQ(handOver(), "https://example.org/page");
    EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default);
    ASSERT_FALSE(t.shell.started.empty());
    EXPECT_NE(t.shell.started.back().commandLine.find("lnch2.exe"), std::string::npos);
    EXPECT_FALSE(t.clipboard.IsFormatAvailable(1)) << "the clipboard is left empty";
    EXPECT_TRUE(t.clipboard.IsFormatAvailable(app.MarkerFormats[0]));
    t.host.AdvanceTime(2000);
    EXPECT_EQ(app.clip.ClipboardClipCount, 0) << "the history gains no clip";

    Back();
    t.host.Click(*edit().groupPanels.item[1]);
    EXPECT_EQ(handOver(), "mailto:ann@example.org");
    EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default);

    const size_t started = t.shell.started.size();
    Back();
    t.host.Click(*edit().groupPanels.item[2]);
    EXPECT_EQ(t.shell.started.size(), started) << "text that is no web address opens nothing";
    EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default);
    EXPECT_TRUE(SentAfterTimer().empty());
}

TEST_F(Pasting, WaitForClickPastesIntoTheNextClickedWindowOnly) {
    app.settings.BrowserOption = 1;
    GroupClip(0, "www.example.org", 2);
    t.host.Click(*edit().groupPanels.item[0]);
    EXPECT_TRUE(t.mouse.on);
    t.mouse.Event(0x201, edit().hWnd());  // a click on the program's own window
    t.mouse.Event(0x202, 0x99);           // a button release
    EXPECT_TRUE(t.mouse.on);
    EXPECT_TRUE(t.keys.sent.empty());

    // The clicked window is the target even while nothing is the foreground window yet.
    t.desktop.foreground = 0;
    t.desktop.windows[0x99] = {"Browser", false, false};
    t.mouse.Event(0x201, 0x99);
    EXPECT_FALSE(t.mouse.on);
    EXPECT_EQ(t.keys.Keys(),
              (std::vector<std::string>{"{HOME}", "+{END}", "{BACKSPACE}", "^{v}", "{ENTER}"}));
    EXPECT_EQ(app.clip.LastForeignWindow, 0x99u);

    // The desktop by its title, the untitled desktop window of current systems and the
    // taskbar by their classes: a click there ends the wait without keys and without the
    // hourglass.
    t.keys.sent.clear();
    t.desktop.windows[0x98] = {"Program Manager", false, false};
    t.desktop.classNames[0x98] = "Progman";
    t.desktop.classNames[0x97] = "WorkerW";
    t.desktop.windows[0x96] = {"", false, false};
    t.desktop.classNames[0x96] = "Shell_TrayWnd";
    t.desktop.windows[0x95] = {"", false, false};
    t.desktop.classNames[0x95] = "Progman";
    t.desktop.windows[0x94] = {"", false, false};
    t.desktop.classNames[0x94] = "Shell_SecondaryTrayWnd";  // the taskbar on another monitor
    t.desktop.windows[0x93] = {"", false, false};
    t.desktop.classNames[0x93] = "#32769";  // the system's desktop window
    for (platform::WindowHandle shell : {0x98u, 0x97u, 0x96u, 0x95u, 0x94u, 0x93u}) {
        Back();
        t.host.Click(*edit().groupPanels.item[0]);
        EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Hourglass);
        t.desktop.foreground = shell;
        t.mouse.Event(0x201, shell);
        EXPECT_FALSE(t.mouse.on);
        EXPECT_TRUE(t.keys.sent.empty()) << "a click on the desktop or the taskbar " << shell;
        EXPECT_EQ(edit().forms::Form::Pointer(), forms::MousePointer::Default) << shell;
    }

    Back();
    t.host.Click(*edit().groupPanels.item[0]);
    CopyText("plain");
    Back();
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_FALSE(t.mouse.on) << "a new clip click disarms the wait";
}

TEST_F(Pasting, TheNoMinimizeBoxKeepsTheWindowUp) {
    CopyText("stays");
    t.host.Click(edit().controlPanel.NoMinimizeBtn);
    EXPECT_EQ(app.settings.NoMinimize, 1);
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);
    EXPECT_EQ(SentAfterTimer().size(), 1u);
}

TEST_F(Pasting, TextOnlyAndMinimizeButtons) {
    forms::CommandButton& textOnly = edit().controlPanel.TextOnlyBtn;
    t.host.Click(textOnly);
    EXPECT_EQ(app.clip.TextOnly, 1);
    EXPECT_TRUE(textOnly.Value());
    EXPECT_EQ(textOnly.BackColor(), 255u);
    t.host.Click(textOnly);
    EXPECT_EQ(app.clip.TextOnly, 0);
    EXPECT_EQ(textOnly.BackColor(), 0x80C0FFu);

    t.host.Click(edit().controlPanel.Minimize);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized);
}

}  // namespace
}  // namespace mirvo
