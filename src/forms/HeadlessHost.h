#pragma once

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/FolderBrowser.h"
#include "forms/Form.h"
#include "forms/FormsHost.h"

namespace mirvo::forms {

class Timer;

// A host without windows, for tests: forms keep their state in the model, tests raise events
// and advance a virtual clock that fires the timers.
class HeadlessHost : public FormsHost {
public:
    HeadlessHost();
    ~HeadlessHost() override;

    // FormsHost.
    void Load(Form& form) override;
    void Show(Form& form, ShowMode mode) override;
    void Hide(Form& form) override;
    bool Unload(Form& form, UnloadMode mode) override;
    void Release(Form& form) override;
    void SetFocus(Control& control) override;
    Control* FocusedControl() const override { return m_focus; }
    void BeginDrag(Control& source) override;
    Control* DragSource() const override { return m_dragSource; }
    void Refresh(Form& form) override;
    MsgResult MsgBox(const std::string& text, int style, const std::string& title) override;
    void DoEvents() override;
    ScreenMetrics Screen() const override { return screen; }
    std::vector<Form*> LoadedForms() const override;
    WindowHandle Handle(const Form& form) const override;
    int NonClientWidth(const Form& form) const override;
    int NonClientHeight(const Form& form) const override;
    FolderBrowser& Browser() override;
    void End(int exitCode) override;

    // Settings a test may change.
    ScreenMetrics screen{15360, 11520, 15, 15};  // 1024 x 768 pixels
    int borderTwips = 60;                        // each side
    int captionTwips = 285;                      // title bar
    FolderBrowser* browser = nullptr;
    // Answers a modal form; it must unload the form (the host unloads it afterwards if not).
    std::function<void(Form&)> onModal;
    MsgResult nextAnswer = MsgResult::Ok;
    // Runs at every DoEvents, as the user's input would be served there.
    std::function<void()> onDoEvents;

    struct Message {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Message> messages;
    bool ended = false;
    int exitCode = 0;
    int doEventsCalls = 0;
    int refreshCalls = 0;

    // Driving the forms.
    long long Now() const { return m_now; }
    // Advances the clock, firing every due timer in time order.
    void AdvanceTime(int ms);
    // MouseDown, MouseUp and, for the left button, Click.
    void Click(Control& control, MouseButton button = MouseButton::Left, int x = 0, int y = 0);
    void MouseMove(Control& control, int x, int y, MouseButton button = MouseButton::None);
    // A key pressed and released on the focused control (its form previews it): KeyDown,
    // KeyPress when keyAscii is not 0 and the key was not swallowed (Enter that reaches a command
    // button clicks it), then KeyUp on the control focused by then.
    void PressKey(int keyCode, int shift = 0, int keyAscii = 0);
    // A key goes down on the focused control, or on the active form when no control has the
    // focus: KeyDown, then KeyPress when keyAscii is not 0 and the key was not swallowed. As on
    // the screen, Enter's character on a command button chooses it, and Space on a button arms
    // it for its release.
    void KeyDown(int keyCode, int shift = 0, int keyAscii = 0);
    // The key comes up wherever the focus is now; Space chooses the button it armed.
    void KeyUp(int keyCode, int shift = 0);
    // Ends the drag in progress by dropping on target.
    void Drop(Control& target, int x = 0, int y = 0);
    void Drop(Form& target, int x = 0, int y = 0);
    // The user closes a form from its title bar.
    bool CloseByUser(Form& form);
    void Activate(Form& form);
    Form* ActiveForm() const { return m_active; }

private:
    class Peer;
    struct TimerSlot {
        Timer* timer;
        long long due;
    };
    void Schedule(Timer& timer);
    void DropTimersOf(const Form& form);
    bool Fire(long long limit);

    std::map<const Form*, std::unique_ptr<Peer>> m_peers;
    std::vector<Form*> m_loaded;
    std::map<const Form*, WindowHandle> m_handles;
    WindowHandle m_nextHandle = 0x1000;
    std::vector<TimerSlot> m_timers;
    // The active form went: the one active before it comes back.
    void ActivatePrevious(const Form& leaving);
    // The form the keys go to: the focused control's, or the active one.
    Form* KeyForm() const;

    Control* m_focus = nullptr;
    Control* m_dragSource = nullptr;
    Form* m_active = nullptr;
    // Forms in the order they were last activated, the active one last.
    std::vector<Form*> m_activations;
    Control* m_spaceArmed = nullptr;
    long long m_now = 0;
    std::unique_ptr<FolderBrowser> m_emptyBrowser;
};

}  // namespace mirvo::forms
