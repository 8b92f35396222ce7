#pragma once

#include <windows.h>

namespace mirvo::win32 {

// What a window is created with.
struct CreateParams {
    const char* className = nullptr;
    const char* text = "";
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT bounds{};
    HWND parent = nullptr;
    // The menu of a top-level window, the identifier of a child.
    HMENU menuOrId = nullptr;
};

// The C++ object behind one native window. Windows of our own classes are tied to their object at
// WM_NCCREATE; native controls (BUTTON, EDIT, ...) are subclassed after they are made. A table in
// the process leads from any of them to its object. Both paths end in HandleMessage, and no C++
// exception ever leaves a window procedure. A parent reflects WM_COMMAND, WM_DRAWITEM and
// WM_CTLCOLOR* to the child's own object.
//
// An object must not be deleted while it is in use (InUse()): while one of its messages is being
// handled, or while host code holds it with a UseGuard (event handlers run meanwhile may unload
// its form).
class WindowBase {
public:
    // Our own window classes.
    static constexpr const char* kFormClass = "MirvoForm";
    static constexpr const char* kContainerClass = "MirvoContainer";
    static constexpr const char* kImageClass = "MirvoImage";
    static constexpr const char* kOwnerClass = "MirvoOwner";

    WindowBase() = default;
    virtual ~WindowBase();
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Hwnd() const { return m_hwnd; }
    bool InUse() const { return m_depth > 0; }

    // Marks the object in use for a scope.
    class UseGuard {
    public:
        explicit UseGuard(WindowBase& window) : m_window(window) { ++m_window.m_depth; }
        ~UseGuard() { --m_window.m_depth; }
        UseGuard(const UseGuard&) = delete;
        UseGuard& operator=(const UseGuard&) = delete;

    private:
        WindowBase& m_window;
    };

    // Registers our window classes (again is harmless).
    static void RegisterClasses(HINSTANCE instance);
    // The object behind a window of ours, or nullptr.
    static WindowBase* FromHandle(HWND window);

protected:
    // Creates a window of one of our classes; this object receives its messages from WM_NCCREATE.
    void CreateOwn(const CreateParams& params, HINSTANCE instance);
    // Creates a native control and subclasses it.
    void CreateNative(const CreateParams& params, HINSTANCE instance);
    // Stops messages reaching this object and hands back the window, which stays alive.
    HWND DetachHandle();

    virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) = 0;
    // The class's own processing of the message being handled.
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);
    // Whether the message being handled carries UTF-16 characters (WM_CHAR of a window that
    // became Unicode by being subclassed) rather than ANSI ones.
    bool UnicodeMessages() const { return m_unicode; }

    // A notification a parent reflected to this child; false leaves it to the parent's default.
    virtual bool OnReflected(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }
    // Sends WM_COMMAND, WM_DRAWITEM and WM_CTLCOLOR* from a child to the child's object.
    static bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

private:
    static LRESULT CALLBACK OwnProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    static LRESULT CALLBACK NativeProc(HWND window, UINT msg, WPARAM wp, LPARAM lp);
    // A destroyed window leaves the table.
    static void Forget(WindowBase& self, HWND window);
    LRESULT Dispatch(HWND window, UINT msg, WPARAM wp, LPARAM lp, bool unicode) noexcept;

    HWND m_hwnd = nullptr;
    // The window of the message being handled: after a control was recreated, a message of the
    // old window may still be on the stack.
    HWND m_current = nullptr;
    bool m_unicode = false;
    int m_depth = 0;
};

}  // namespace mirvo::win32
