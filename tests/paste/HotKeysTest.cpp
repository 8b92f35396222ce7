#include "paste/HotKeys.h"

#include "app/ClipboardState.h"
#include "app/PasteState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/ClipboardFixture.h"
#include "store/HotKeyWatch.h"

namespace mirvo {
namespace {

using platform::HookKey::Alt;
using platform::HookKey::Ctrl;
using platform::HookKey::Shift;

constexpr int kShift = 1;
constexpr int kCtrl = 2;
constexpr int kAlt = 4;

class HotKeys : public test::ClipboardFixture {
protected:
    HotKeys() {
        t.desktop.foreground = 0x4242;
        t.host.AdvanceTime(1000);
    }
    bool Watched(std::int32_t code) { return t.keyboard.watched.count(code) != 0; }
    // A "Hot Key Clips" slot with a title and a text clip.
    void HotKeyClip(int slot, const std::string& text) {
        std::string titles(26 * 50, ' ');
        titles.replace(static_cast<size_t>(slot) * 50, text.size(), text);
        test::WriteFileBytes(app.DataFolder + "group22.dat",
                             files::Bytes(titles.begin(), titles.end()));
        test::WriteFileBytes(app.DataFolder + "group22." + std::to_string(slot),
                             TextClipBytes(text));
        RegisterHotKeys(app);
    }
    std::vector<std::string> SentAfterTimer() {
        t.host.AdvanceTime(200);
        return t.keys.Keys();
    }
};

TEST_F(HotKeys, TheWatchedListAfterStart) {
    for (int digit = 0; digit <= 9; ++digit) {
        EXPECT_TRUE(Watched(Ctrl | (0x30 + digit)));
        EXPECT_TRUE(Watched(Ctrl | (0x60 + digit)));
    }
    for (std::int32_t code :
         {Ctrl | 0x6D, Ctrl | 0xBD, Ctrl | 0x6B, Ctrl | 0xBB, Ctrl | 0x2D, Shift | 0x2D}) {
        EXPECT_TRUE(Watched(code)) << std::hex << code;
    }
    EXPECT_FALSE(Watched(Ctrl | 0x56)) << "Ctrl+V only when chosen as the activation key";
    EXPECT_FALSE(Watched(Ctrl | 0x42));
    for (int letter = 0; letter < 26; ++letter) {
        EXPECT_FALSE(Watched(Alt | ('A' + letter))) << "no titled hot key clip yet";
    }
    EXPECT_EQ(t.keyboard.monitoring, 2);
}

TEST_F(HotKeys, AltAndALetterPastesItsHotKeyClipAndABlankLetterPassesThrough) {
    HotKeyClip(0, "hot text");
    EXPECT_FALSE(t.keyboard.Press('C', kAlt)) << "Alt+C with a blank slot reaches the program";
    EXPECT_TRUE(t.keyboard.Press('A', kAlt));
    EXPECT_EQ(SentAfterTimer(), (std::vector<std::string>{"^{v}"}));
    EXPECT_EQ(t.keys.sent[0].foreground, 0x4242u);
    t.clipboard.Open(0);
    EXPECT_EQ(t.clipboard.GetData(1), test::CText("hot text"));
    t.clipboard.Close();
}

TEST_F(HotKeys, TheWindowInFrontWhenTheKeyGoesDownReceivesThePasteNeverTheProgramsOwn) {
    HotKeyClip(0, "hot text");
    CopyText("history one");
    EXPECT_EQ(app.clip.LastForeignWindow, 0x4242u) << "the clipboard timer saw the first window";

    // The user switches to another window and presses the key before the timer ticks again.
    t.desktop.foreground = 0x5151;
    t.keyboard.Press('A', kAlt);
    EXPECT_EQ(SentAfterTimer().size(), 1u);
    EXPECT_EQ(t.keys.sent.back().foreground, 0x5151u);

    t.desktop.foreground = 0x4242;
    t.keyboard.Press('1', kCtrl);
    EXPECT_EQ(SentAfterTimer().size(), 2u);
    EXPECT_EQ(t.keys.sent.back().foreground, 0x4242u);

    // The key pressed in the program's own window: the paste goes to the last window before.
    t.desktop.foreground = edit().hWnd();
    t.keyboard.Press('A', kAlt);
    EXPECT_EQ(SentAfterTimer().size(), 3u);
    EXPECT_EQ(t.keys.sent.back().foreground, 0x4242u);
}

TEST_F(HotKeys, CtrlDigitsPasteHistorySlotsAndCtrlZeroClears) {
    for (int i = 1; i <= 5; ++i) {
        CopyText("history " + std::to_string(i));
    }
    t.keyboard.Press('3', kCtrl);
    EXPECT_EQ(SentAfterTimer().size(), 1u);
    t.clipboard.Open(0);
    EXPECT_EQ(t.clipboard.GetData(1), test::CText("history 3")) << "Ctrl+3 is slot 2";
    t.clipboard.Close();
    t.keyboard.Press(0x60 + 5, kCtrl);
    t.clipboard.Open(0);
    EXPECT_EQ(t.clipboard.GetData(1), test::CText("history 5")) << "keypad digits too";
    t.clipboard.Close();
    EXPECT_EQ(SentAfterTimer().size(), 2u);

    t.keys.sent.clear();
    t.keyboard.Press('9', kCtrl);
    EXPECT_TRUE(SentAfterTimer().empty()) << "no ninth clip: nothing pasted";

    t.keyboard.Press('0', kCtrl);
    EXPECT_EQ(app.clip.ClipboardClipCount, 0);
}

TEST_F(HotKeys, CtrlMinusSwitchesThemOffButCtrlPlusStaysToSwitchThemOn) {
    HotKeyClip(1, "b clip");
    forms::CommandButton& button = edit().controlPanel.HotKeyOnOff;
    t.keyboard.Press(0xBD, kCtrl);
    EXPECT_EQ(app.paste.HotKeysOff, 1);
    EXPECT_TRUE(button.Value());
    EXPECT_EQ(button.BackColor(), 255u);
    EXPECT_FALSE(Watched(Alt | 'B'));
    EXPECT_FALSE(Watched(Ctrl | '3'));
    EXPECT_FALSE(Watched(Ctrl | 0x2D));
    EXPECT_FALSE(t.keyboard.Press('B', kAlt));
    EXPECT_TRUE(Watched(Ctrl | 0xBB));

    t.keyboard.Press(0x6B, kCtrl);
    EXPECT_EQ(app.paste.HotKeysOff, 0);
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(button.BackColor(), 0xC0C0C0u);
    EXPECT_TRUE(Watched(Alt | 'B'));

    t.host.Click(button);  // the button does the same
    EXPECT_EQ(app.paste.HotKeysOff, 1);
    EXPECT_FALSE(Watched(Ctrl | '1'));
}

TEST_F(HotKeys, TheBulkKeyAndTheActivationKeyFollowTheirOptions) {
    app.settings.BulkKeys = 1;
    ApplyBulkKeys(app);
    EXPECT_TRUE(Watched(Ctrl | 'B'));
    EXPECT_TRUE(Watched(Ctrl | Shift | 'B'));
    EXPECT_FALSE(Watched(Ctrl | 0x2D));
    t.keyboard.Press('B', kCtrl | kShift);
    EXPECT_EQ(app.paste.PendingPasteJob, 2) << "Ctrl+Shift+B also starts the bulk paste";
    t.host.AdvanceTime(200);

    app.settings.PasteKeys = 1;
    SetPasteActivationKey(app);
    EXPECT_TRUE(Watched(Ctrl | 'V'));
    EXPECT_FALSE(Watched(Shift | 0x2D));
    edit().SetWindowState(forms::WindowState::Minimized);
    EXPECT_TRUE(t.keyboard.Press('V', kCtrl)) << "the keystroke itself is discarded";
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);
    EXPECT_TRUE(edit().Visible());
    EXPECT_EQ(t.desktop.foreground, edit().hWnd());

    app.settings.PasteKeys = 2;  // from an older file: both keys
    SetPasteActivationKey(app);
    EXPECT_TRUE(Watched(Ctrl | 'V') && Watched(Shift | 0x2D));
}

TEST_F(HotKeys, WhileThePasteKeysGoOutTheHookLetsEverythingThrough) {
    CopyText("x");
    int duringSend = -1;
    t.keyboard.OnKeyDown = nullptr;
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    // The hook's monitoring is read by a key sender that looks at it mid-paste.
    struct Spy : platform::KeySender {
        test::FakeKeyboardHook& hook;
        int& seen;
        Spy(test::FakeKeyboardHook& h, int& s) : hook(h), seen(s) {}
        void Send(const std::string&, platform::SendWait) override { seen = hook.monitoring; }
    } spy(t.keyboard, duringSend);
    app.os.keySender = &spy;
    t.host.AdvanceTime(200);
    EXPECT_EQ(duringSend, 0);
    EXPECT_EQ(t.keyboard.monitoring, 2);
}

}  // namespace
}  // namespace mirvo
