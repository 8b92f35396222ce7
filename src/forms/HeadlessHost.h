#pragma once

#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/FolderBrowser.h"
#include "forms/Form.h"
#include "forms/FormsHost.h"

namespace mirvo::forms {

class ListControl;
class Menu;
class Timer;

// A host without windows, for tests: forms keep their state in the model, tests raise events
// and advance a virtual clock that fires the timers. Input goes only where a hand could give it
// on the screen, in the order a window system delivers it; anything else throws UnreachableInput.
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
    void EventRaised(const Control& control, const char* event) override;

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
    // Hears every event raised to a connected handler (for coverage figures).
    std::function<void(const Control&, const char*)> onEvent;

    struct Message {
        std::string text;
        int style;
        std::string title;
    };
    std::vector<Message> messages;
    // End throws ProgramEnded, so that nothing of the program runs after it (as with the real
    // End); otherwise it only notes the end.
    bool endStopsAll = false;
    bool ended = false;
    int exitCode = 0;
    int doEventsCalls = 0;
    int refreshCalls = 0;

    // Driving the forms.
    long long Now() const { return m_now; }
    // Advances the clock, firing every due timer in time order.
    void AdvanceTime(int ms);

    // Why keys cannot be typed now (no active form, or it cannot take them); "" when they can.
    std::string WhyNoKeys() const;
    // Why a hand cannot reach the form or control now with the mouse (hidden, minimized,
    // disabled, waiting for a modal form, out of sight of its containers); "" when it can.
    std::string WhyUnreachable(const Form& form) const;
    std::string WhyUnreachable(const Control& control) const;
    bool Reachable(const Form& form) const { return WhyUnreachable(form).empty(); }
    bool Reachable(const Control& control) const { return WhyUnreachable(control).empty(); }
    // The forms the modal forms shown keep waiting, innermost modal form last.
    std::vector<Form*> ModalForms() const;

    // The mouse. A press captures the mouse for its control: the release goes there too, and it
    // is a click (left button) only when released over it. Buttons, check boxes and option
    // buttons take the focus and act on the release before their MouseUp, as native buttons do;
    // a picture box takes the focus on any press.
    void Click(Control& control, MouseButton button = MouseButton::Left, int x = 0, int y = 0);
    // Two quick left clicks: labels and pictures see the second one as DblClick.
    void DoubleClick(Control& control);
    void MouseDown(Control& control, MouseButton button, int x = 0, int y = 0);
    // over: the release happened over the pressed control.
    void MouseUp(Control& control, MouseButton button, int x = 0, int y = 0, bool over = true);
    void MouseMove(Control& control, int x, int y, MouseButton button = MouseButton::None);
    // Opens the menus above the entry (each raises Click) and chooses it.
    void ChooseMenu(Menu& entry);
    // Chooses an entry of a list as a click on it does: a drive list goes to the drive, a folder
    // list opens the folder on a double click.
    void PickListItem(ListControl& list, int index, bool doubleClick = false);

    // The keyboard, on the focused control of the active form (the form previews keys): a
    // press is KeyDown (Tab moves the focus, a menu shortcut chooses its entry), then KeyPress
    // when keyAscii is not 0 and the key was not swallowed, with what the focused window does
    // with it (a text box types it, a button takes Enter as a click). The release goes to
    // whatever has the focus by then, perhaps another form: Space releases a focused button.
    void KeyDown(int keyCode, int shift = 0, int keyAscii = 0);
    void KeyUp(int keyCode, int shift = 0);
    // KeyDown then KeyUp.
    void PressKey(int keyCode, int shift = 0, int keyAscii = 0);
    // Types text into the focused control, one key per character, as long as its window is the
    // one that takes the keys.
    void Type(const std::string& text);

    // The drag in progress passes over a control.
    void DragOver(Control& target, int x = 0, int y = 0);
    // The button is released where nothing takes a drop: the drag ends without one.
    void CancelDrag() { m_dragSource = nullptr; }
    // Ends the drag in progress by dropping on target.
    void Drop(Control& target, int x = 0, int y = 0);
    void Drop(Form& target, int x = 0, int y = 0);
    // The user closes a form from its title bar.
    bool CloseByUser(Form& form);
    // The user restores a minimized form from its taskbar button.
    void RestoreByUser(Form& form);
    void Activate(Form& form);
    Form* ActiveForm() const { return m_active; }

private:
    class Peer;
    struct TimerSlot {
        Timer* timer;
        long long due;
    };
    struct ModalShow {
        Form* form;
        std::vector<Form*> waiting;
    };
    void Schedule(Timer& timer);
    void DropTimersOf(const Form& form);
    bool Fire(long long limit);
    void Require(const Form& form, const char* input) const;
    // Why the control cannot take input of any kind (its place aside).
    std::string WhyNotLive(const Control& control) const;
    void Require(const Control& control, const char* input) const;
    // The form that takes the keys now.
    Form* KeyForm() const;
    // Gives an activated form the focus when it has none: its last focused control or its first
    // tab stop.
    void FocusInto(Form& form);
    // The form that was active before takes the activation back from one that went away.
    void ActivateNext();
    void Typed(int keyAscii);

    std::map<const Form*, std::unique_ptr<Peer>> m_peers;
    std::vector<Form*> m_loaded;
    std::map<const Form*, WindowHandle> m_handles;
    std::map<const Form*, Control*> m_savedFocus;
    std::vector<Form*> m_activations;  // most recently activated last
    std::vector<ModalShow> m_modal;
    WindowHandle m_nextHandle = 0x1000;
    std::vector<TimerSlot> m_timers;

    Control* m_focus = nullptr;
    Control* m_dragSource = nullptr;
    Form* m_active = nullptr;
    // The button that Space went down on; chosen when Space comes up while it keeps the focus.
    Control* m_spaceArmed = nullptr;
    long long m_now = 0;
    std::unique_ptr<FolderBrowser> m_emptyBrowser;
};

}  // namespace mirvo::forms
