// Keys that close a dialog. The release of Enter or Escape whose press closed a dialog comes up in
// the main window below, which must not take it for a key of its own (Enter would paste the
// highlighted clip, Escape minimize); and no later key is lost for it.

#include <functional>
#include <string>
#include <vector>

#include "clipboard/ClipboardFixture.h"
#include "forms/Controls.h"
#include "forms/TextBox.h"

namespace mirvo {
namespace {

using forms::Key::Escape;
using forms::Key::Return;

constexpr platform::WindowHandle kNotepad = 0x4242;

class DialogKeys : public test::ClipboardFixture {
protected:
    DialogKeys() {
        t.desktop.foreground = kNotepad;
        CopyText("clip one");
        edit().SetWindowState(forms::WindowState::Normal);
        edit().holdfocus.SetFocus();
    }
    // Clicks the opener; the steps run while the modal window of that name is up.
    void While(forms::Control& opener, const std::string& window,
               const std::function<void(forms::Form&)>& steps,
               forms::MouseButton button = forms::MouseButton::Left) {
        bool shown = false;
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == window) {
                shown = true;
                steps(form);
            }
        };
        t.host.Click(opener, button);
        t.host.onModal = nullptr;
        EXPECT_TRUE(shown) << window;
    }
    // The paste keys sent once the paste timer has run.
    std::vector<std::string> Pasted() {
        t.host.AdvanceTime(200);
        std::vector<std::string> keys = t.keys.Keys();
        t.keys.sent.clear();
        return keys;
    }
    void PressOn(forms::Control& button, int key) {
        button.SetFocus();
        t.host.PressKey(key, 0, key);
    }
    ControlPanel& Panel() { return edit().controlPanel; }
};

TEST_F(DialogKeys, EnterOnTheOkButtonOfOptionsOrAboutClosesItAndPastesNothing) {
    While(Panel().OptionButton, "Options",
          [&](forms::Form& options) { PressOn(*options.Find("OKBtn"), Return); });
    EXPECT_TRUE(Pasted().empty()) << "the release of the Enter that closed the options";
    While(Panel().UpgradeBtn, "About",
          [&](forms::Form& about) { PressOn(*about.Find("OKBtn"), Return); });
    EXPECT_TRUE(Pasted().empty()) << "the release of the Enter that closed the about window";
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);

    t.host.PressKey(Return, 0, 13);
    EXPECT_EQ(Pasted(), std::vector<std::string>{"^{v}"}) << "the next Enter pastes the highlight";
}

TEST_F(DialogKeys, AReleaseThatWentElsewhereSwallowsNoLaterKey) {
    // Escape closes the quick help as it goes down; its release goes to another program.
    While(
        edit().clipboardPanel.CtrlFrame0, "HelpForm",
        [&](forms::Form& help) {
            help.Find("Text1")->SetFocus();
            t.host.KeyDown(Escape, 0, 27);
        },
        forms::MouseButton::Right);
    edit().holdfocus.SetFocus();
    t.host.PressKey('1');
    EXPECT_EQ(Pasted(), std::vector<std::string>{"^{v}"}) << "the digit pastes clip 1";

    // The library manager closes when Escape comes up: nothing is left to swallow.
    t.host.RestoreByUser(edit());  // the paste minimized the window
    While(Panel().LibLabel, "LibForm", [&](forms::Form&) { t.host.PressKey(Escape, 0, 27); });
    edit().holdfocus.SetFocus();
    t.host.PressKey('1');
    EXPECT_EQ(Pasted(), std::vector<std::string>{"^{v}"}) << "after the library manager too";
}

TEST_F(DialogKeys, EscapeThatClosesTheQuickHelpLeavesTheMainHelpBelowOpen) {
    int mainHelpKeysUp = 0;
    t.host.onModal = [&](forms::Form& form) {
        if (form.Name() == "HelpForm") {
            form.Find("Text1")->SetFocus();
            t.host.PressKey(Escape, 0, 27);
        } else if (form.Name() == "MainHelp") {
            form.Find("OKBtn")->SetFocus();
            t.host.Click(*form.Find("Topic", 1), forms::MouseButton::Right);
            EXPECT_TRUE(form.Loaded()) << "the Escape's release must not close the main help";
            mainHelpKeysUp += form.Loaded() ? 1 : 0;
            t.host.PressKey(Escape, 0, 27);
            EXPECT_FALSE(form.Loaded()) << "a new Escape does";
        }
    };
    t.host.Click(Panel().HelpButton);
    t.host.onModal = nullptr;
    EXPECT_EQ(mainHelpKeysUp, 1);
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal) << "nor minimize the main window";
}

}  // namespace
}  // namespace mirvo
