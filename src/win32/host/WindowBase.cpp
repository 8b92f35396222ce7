#include "win32/host/WindowBase.h"

#include <stdexcept>
#include <unordered_map>

namespace mirvo::win32 {

namespace {

// What leads from one of our windows to its object: kept in the process rather than in the window
// (a window property or the subclass list of the common controls), because those are asked of the
// window server on every message under Wine. The forms live on one thread.
struct WindowEntry {
    WindowBase* self = nullptr;  // none once the object let the window go
    WNDPROC original = nullptr;  // the class procedure of a native control
};

// Never destroyed: windows may still go away while the program's statics are torn down.
std::unordered_map<HWND, WindowEntry>& Entries() {
    static auto* entries = new std::unordered_map<HWND, WindowEntry>;
    return *entries;
}

WindowEntry* EntryOf(HWND window) {
    auto it = Entries().find(window);
    return it == Entries().end() ? nullptr : &it->second;
}

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
    const WindowEntry* entry = EntryOf(window);
    return entry ? entry->self : nullptr;
}

void WindowBase::CreateOwn(const CreateParams& params, HINSTANCE instance) {
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
    // Subclassed as a Unicode window, as the native controls are.
    const auto original = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&NativeProc)));
    if (!original) {
        DestroyWindow(window);
        throw std::runtime_error("subclassing a control failed");
    }
    m_hwnd = window;
    Entries()[window] = WindowEntry{this, original};
}

HWND WindowBase::DetachHandle() {
    HWND window = m_hwnd;
    if (!window) {
        return nullptr;
    }
    // The window is destroyed right after; until then its messages no longer reach this object.
    if (WindowEntry* entry = EntryOf(window)) {
        entry->self = nullptr;
    }
    m_hwnd = nullptr;
    return window;
}

LRESULT WindowBase::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    HWND window = m_current ? m_current : m_hwnd;
    // A native control goes on to its class procedure.
    if (const WindowEntry* entry = EntryOf(window); entry && entry->original) {
        return CallWindowProcW(entry->original, window, msg, wp, lp);
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
            Entries()[window] = WindowEntry{self, nullptr};
        }
    } else {
        self = FromHandle(window);
    }
    if (!self) {
        if (msg == WM_NCDESTROY) {
            Entries().erase(window);
        }
        return DefWindowProcA(window, msg, wp, lp);
    }
    // Our classes are ANSI: whoever else subclasses them, this procedure gets ANSI messages.
    const LRESULT result = self->Dispatch(window, msg, wp, lp, false);
    if (msg == WM_NCDESTROY) {
        Forget(*self, window);
    }
    return result;
}

LRESULT CALLBACK WindowBase::NativeProc(HWND window, UINT msg, WPARAM wp, LPARAM lp) {
    const WindowEntry* entry = EntryOf(window);
    if (!entry) {
        return DefWindowProcW(window, msg, wp, lp);
    }
    WindowBase* self = entry->self;
    if (!self) {
        const WNDPROC original = entry->original;
        if (msg == WM_NCDESTROY) {
            Entries().erase(window);
        }
        return CallWindowProcW(original, window, msg, wp, lp);
    }
    const LRESULT result = self->Dispatch(window, msg, wp, lp, true);
    if (msg == WM_NCDESTROY) {
        Forget(*self, window);
    }
    return result;
}

void WindowBase::Forget(WindowBase& self, HWND window) {
    Entries().erase(window);
    if (self.m_hwnd == window) {
        self.m_hwnd = nullptr;
    }
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
