#include "win32/host/WindowBase.h"

#include <commctrl.h>

#include <stdexcept>

namespace mirvo::win32 {

namespace {
constexpr UINT_PTR kSubclassId = 0x4D52;
// The window property that leads from any of our windows to its object.
constexpr const char* kObjectProperty = "MirvoWindowObject";
}  // namespace

WindowBase::~WindowBase() {
    if (HWND window = DetachHandle()) {
        DestroyWindow(window);
    }
}

void WindowBase::RegisterClasses(HINSTANCE instance) {
    auto add = [&](const char* name, WNDPROC proc) {
        WNDCLASSEXA wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = proc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
            throw std::runtime_error("RegisterClassEx failed");
        }
    };
    add(kFormClass, OwnProc);
    add(kContainerClass, OwnProc);
    add(kImageClass, OwnProc);
    add(kOwnerClass, DefWindowProcA);
}

WindowBase* WindowBase::FromHandle(HWND window) {
    if (!window) {
        return nullptr;
    }
    return static_cast<WindowBase*>(GetPropA(window, kObjectProperty));
}

void WindowBase::CreateOwn(const CreateParams& params, HINSTANCE instance) {
    m_subclassed = false;
    const RECT& r = params.bounds;
    HWND window = CreateWindowExA(params.exStyle, params.className, params.text, params.style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, params.parent,
                                  params.menuOrId, instance, this);
    if (!window) {
        throw std::runtime_error("CreateWindowEx failed");
    }
}

void WindowBase::CreateNative(const CreateParams& params, HINSTANCE instance) {
    const RECT& r = params.bounds;
    HWND window = CreateWindowExA(params.exStyle, params.className, params.text, params.style,
                                  r.left, r.top, r.right - r.left, r.bottom - r.top, params.parent,
                                  params.menuOrId, instance, nullptr);
    if (!window) {
        throw std::runtime_error("CreateWindowEx failed");
    }
    if (!SetWindowSubclass(window, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this))) {
        DestroyWindow(window);
        throw std::runtime_error("SetWindowSubclass failed");
    }
    m_hwnd = window;
    m_subclassed = true;
    SetPropA(window, kObjectProperty, this);
}

HWND WindowBase::DetachHandle() {
    HWND window = m_hwnd;
    if (!window) {
        return nullptr;
    }
    RemovePropA(window, kObjectProperty);
    if (m_subclassed) {
        RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    } else {
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
    }
    m_hwnd = nullptr;
    return window;
}

LRESULT WindowBase::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    HWND window = m_current ? m_current : m_hwnd;
    if (m_subclassed) {
        return DefSubclassProc(window, msg, wp, lp);
    }
    return DefWindowProcA(window, msg, wp, lp);
}

bool WindowBase::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    switch (msg) {
        case WM_COMMAND:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
        case WM_CTLCOLORBTN:
            child = reinterpret_cast<HWND>(lp);
            break;
        case WM_DRAWITEM:
            child = reinterpret_cast<const DRAWITEMSTRUCT*>(lp)->hwndItem;
            break;
        default:
            return false;
    }
    WindowBase* target = FromHandle(child);
    return target && target->OnReflected(msg, wp, lp, result);
}

LRESULT CALLBACK WindowBase::OwnProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    WindowBase* self = nullptr;
    if (msg == WM_NCCREATE) {
        self = static_cast<WindowBase*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (self) {
            self->m_hwnd = window;
            SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
            SetPropA(window, kObjectProperty, self);
        }
    } else {
        self = reinterpret_cast<WindowBase*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    }
    if (!self) {
        return DefWindowProcA(window, msg, wp, lp);
    }
    // Our classes are ANSI: whoever else subclasses them, this procedure gets ANSI messages.
    const LRESULT result = self->Dispatch(window, msg, wp, lp, false);
    if (msg == WM_NCDESTROY) {
        RemovePropA(window, kObjectProperty);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        if (self->m_hwnd == window) {
            self->m_hwnd = nullptr;
        }
    }
    return result;
}

LRESULT CALLBACK WindowBase::SubclassProc(HWND window, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR id,
                                          DWORD_PTR ref) {
    auto* self = reinterpret_cast<WindowBase*>(ref);
    // The subclass chain passes messages in the window's current character set.
    const LRESULT result = self->Dispatch(window, msg, wp, lp, IsWindowUnicode(window) != FALSE);
    if (msg == WM_NCDESTROY) {
        RemovePropA(window, kObjectProperty);
        RemoveWindowSubclass(window, SubclassProc, id);
        if (self->m_hwnd == window) {
            self->m_hwnd = nullptr;
        }
    }
    return result;
}

LRESULT WindowBase::Dispatch(HWND window, UINT msg, WPARAM wp, LPARAM lp, bool unicode) noexcept {
    ++m_depth;
    const HWND savedWindow = m_current;
    const bool savedUnicode = m_unicode;
    m_current = window;
    m_unicode = unicode;
    LRESULT result = 0;
    try {
        result = HandleMessage(msg, wp, lp);
    } catch (...) {
        // Nothing may cross the window procedure; the message ends here.
        result = 0;
    }
    m_current = savedWindow;
    m_unicode = savedUnicode;
    --m_depth;
    return result;
}

}  // namespace mirvo::win32
