#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "forms/Types.h"

namespace mirvo::forms {

class Control;
class Form;
class FolderBrowser;

// Raised by SetFocus on a control that is hidden, disabled, on a hidden form, or cannot focus.
class InvalidFocus : public std::runtime_error {
public:
    InvalidFocus()
        : std::runtime_error("Invalid procedure call: the control cannot take the focus") {}
};

// Input that the screen would not deliver: to a hidden, disabled or minimized window or control,
// or to a window that a modal form keeps waiting. Only a test's host raises it, and it reaches
// the test through any handler: the test drives the forms wrongly.
class UnreachableInput : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// The end of the program in a test's host that stops it at once, as the real End does: it
// passes through every handler up to the test, and nothing more of the program runs.
struct ProgramEnded {
    int exitCode = 0;
};

// Shows forms and runs their events: the Win32 host on Windows, the headless host in tests.
class FormsHost {
public:
    virtual ~FormsHost() = default;

    // Creates the form's window (hidden) and raises Load, once.
    virtual void Load(Form& form) = 0;
    // Loads when needed and shows; a modal show returns when the form has unloaded.
    virtual void Show(Form& form, ShowMode mode) = 0;
    virtual void Hide(Form& form) = 0;
    // Asks QueryUnload and Unload; returns false when the form refused.
    virtual bool Unload(Form& form, UnloadMode mode) = 0;
    // The form object is being destroyed: drop its window without raising events.
    virtual void Release(Form& form) = 0;

    virtual void SetFocus(Control& control) = 0;
    virtual Control* FocusedControl() const = 0;
    virtual void BeginDrag(Control& source) = 0;
    // The control being dragged, until the drop or the drag's cancelling; nullptr otherwise.
    virtual Control* DragSource() const = 0;
    // Repaints at once. Hosts raise Resize when a form's size or window state changes.
    virtual void Refresh(Form& form) = 0;
    virtual MsgResult MsgBox(const std::string& text, int style, const std::string& title) = 0;
    // Serves pending window messages.
    virtual void DoEvents() = 0;
    // Serves pending window messages; when none is pending, waits up to ms for one first.
    virtual void WaitForEvents(std::uint32_t ms) {
        (void)ms;
        DoEvents();
    }
    virtual ScreenMetrics Screen() const = 0;
    virtual std::vector<Form*> LoadedForms() const = 0;
    // The native window of a loaded form, 0 otherwise.
    virtual WindowHandle Handle(const Form& form) const = 0;
    // Whether a window is one of the loaded forms' own.
    bool IsFormWindow(WindowHandle window) const;
    // Twips that the title bar and borders add to the client area, for the form's style.
    virtual int NonClientWidth(const Form& form) const = 0;
    virtual int NonClientHeight(const Form& form) const = 0;
    virtual FolderBrowser& Browser() = 0;
    // Ends the program at once; no more events run.
    virtual void End(int exitCode) = 0;

    // Runs one event handler. An exception ends the handler only: it goes to the error
    // handler, which the program uses for its fatal file message. (A test host's
    // UnreachableInput passes on to the test.)
    void RunGuarded(const std::function<void()>& handler);
    void SetErrorHandler(std::function<void(std::exception_ptr)> handler) {
        m_errorHandler = std::move(handler);
    }
    const std::function<void(std::exception_ptr)>& ErrorHandler() const { return m_errorHandler; }
    // A control event is about to run its handler.
    virtual void EventRaised(const Control& /*control*/, const char* /*event*/) {}

    // Keys that close a form. A form that goes while it handles a key's press (its key-down or
    // the character it makes), a dialog closed by Enter or Escape, leaves the key's release to
    // the window that is active next, which must not take it for a key of its own. Hosts report
    // every key as it goes down and comes up, hold a PressScope while a form handles a press,
    // and report every form that goes.

    // While a form handles the press of the key that went down last.
    class PressScope {
    public:
        PressScope(FormsHost& host, const Form& form);
        ~PressScope();
        PressScope(const PressScope&) = delete;
        PressScope& operator=(const PressScope&) = delete;

    private:
        FormsHost& m_host;
        const Form* m_outer;
    };
    // A key goes down; false when it is to be swallowed: the repeat of a held key whose press
    // closed a form. A new press of that key means its release went to another program.
    bool KeyGoingDown(int keyCode, bool repeat);
    // A key comes up; false when it is to be swallowed: the release of a key that closed a form.
    bool KeyComingUp(int keyCode);
    // The form's windows are gone (it unloaded or was released).
    void FormGone(const Form& form);
    // The key whose release is swallowed when it comes, 0 when none.
    int SwallowKeyUp() const { return m_swallowKeyUp; }

private:
    std::function<void(std::exception_ptr)> m_errorHandler;
    const Form* m_pressForm = nullptr;  // the form handling a key's press
    int m_keyDown = 0;                  // the key that went down last and is not up yet
    int m_swallowKeyUp = 0;
};

}  // namespace mirvo::forms
