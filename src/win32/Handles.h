#pragma once

// Owners of every native handle the program holds: each closes or frees its handle in its
// destructor, so no path can leak one or close it twice.

#include <windows.h>

#include <cstddef>
#include <utility>

namespace mirvo::win32 {

// Owns one handle and frees it when reset or destroyed; moves hand it over, copies do not
// exist. Traits give the handle type (Type), the value that holds nothing (Empty) and how to
// free a handle (Free); an optional Adopt maps what a creating call returned to what is stored.
template <class Traits>
class UniqueHandle {
public:
    using Type = typename Traits::Type;

    UniqueHandle() = default;
    explicit UniqueHandle(Type h) : m_h(Adopted(h)) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(UniqueHandle&& o) noexcept : m_h(o.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& o) noexcept {
        if (this != &o) {
            Reset(o.Release());
        }
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    Type Get() const { return m_h; }
    explicit operator bool() const { return m_h != Traits::Empty(); }
    // Frees the handle held, if any, and takes h.
    void Reset(Type h = Traits::Empty()) {
        if (m_h != Traits::Empty()) {
            Traits::Free(m_h);
        }
        m_h = Adopted(h);
    }
    // Gives up ownership without freeing, as when the system takes the handle over.
    Type Release() { return std::exchange(m_h, Traits::Empty()); }

private:
    static Type Adopted(Type h) {
        if constexpr (requires { Traits::Adopt(h); }) {
            return Traits::Adopt(h);
        } else {
            return h;
        }
    }

    Type m_h = Traits::Empty();
};

// The traits of a handle that is null when empty and freed by one call.
template <class H, auto FreeFn>
struct FreedBy {
    using Type = H;
    static Type Empty() { return nullptr; }
    static void Free(Type h) { FreeFn(h); }
};

// A kernel handle closed by CloseHandle (files, mutexes, processes).
struct KernelTraits : FreedBy<HANDLE, CloseHandle> {
    // Some creating calls fail with INVALID_HANDLE_VALUE rather than null: both hold nothing.
    static Type Adopt(Type h) { return h == INVALID_HANDLE_VALUE ? nullptr : h; }
};
using KernelHandle = UniqueHandle<KernelTraits>;

// A GDI object (brush, font, bitmap, pen) deleted by DeleteObject.
template <class T>
using GdiObject = UniqueHandle<FreedBy<T, DeleteObject>>;

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;

// A memory device context deleted by DeleteDC.
class MemoryDc : public UniqueHandle<FreedBy<HDC, DeleteDC>> {
public:
    explicit MemoryDc(HDC compatibleWith) : UniqueHandle(CreateCompatibleDC(compatibleWith)) {}
};

// A window's device context from GetDC, released by ReleaseDC (which needs the window too).
class WindowDc {
public:
    explicit WindowDc(HWND window) : m_window(window), m_dc(GetDC(window)) {}
    ~WindowDc() {
        if (m_dc) {
            ReleaseDC(m_window, m_dc);
        }
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// Selects a GDI object into a DC for the scope and selects the old one back.
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    ~SelectGuard() { SelectObject(m_dc, m_old); }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

// An open clipboard, closed when the scope ends.
class OpenClipboardGuard {
public:
    explicit OpenClipboardGuard(HWND owner) : m_open(OpenClipboard(owner) != FALSE) {}
    ~OpenClipboardGuard() {
        if (m_open) {
            CloseClipboard();
        }
    }
    OpenClipboardGuard(const OpenClipboardGuard&) = delete;
    OpenClipboardGuard& operator=(const OpenClipboardGuard&) = delete;
    explicit operator bool() const { return m_open; }

private:
    bool m_open;
};

// A global memory block, freed unless ownership was handed over (to the clipboard) with
// Release, as after a successful SetClipboardData.
class GlobalBlock : public UniqueHandle<FreedBy<HGLOBAL, GlobalFree>> {
public:
    GlobalBlock(UINT flags, SIZE_T size) : UniqueHandle(GlobalAlloc(flags, size)) {}
};

// A locked global memory block; unlocked when the scope ends. Also gives the block's size.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h)
        : m_data(h ? GlobalLock(h) : nullptr), m_locked(m_data ? h : nullptr) {}
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* Data() const { return m_data; }
    SIZE_T Size() const { return m_data ? GlobalSize(m_locked.Get()) : 0; }
    explicit operator bool() const { return m_data != nullptr; }

private:
    void* m_data;
    // The block while it is locked: the lock is what this owns.
    UniqueHandle<FreedBy<HGLOBAL, GlobalUnlock>> m_locked;
};

// A hook removed by UnhookWindowsHookEx.
using HookHandle = UniqueHandle<FreedBy<HHOOK, UnhookWindowsHookEx>>;

// A menu destroyed with DestroyMenu unless a window took it over (Release).
using MenuHandle = UniqueHandle<FreedBy<HMENU, DestroyMenu>>;

// A file search closed by FindClose; a failed FindFirstFile gives INVALID_HANDLE_VALUE.
struct FindTraits {
    using Type = HANDLE;
    static Type Empty() { return INVALID_HANDLE_VALUE; }
    static void Free(Type h) { FindClose(h); }
};
using FindHandle = UniqueHandle<FindTraits>;

// A window the program created and destroys with DestroyWindow (for windows no C++ object
// stands behind, such as a hidden owner window).
using OwnedWindow = UniqueHandle<FreedBy<HWND, DestroyWindow>>;

// A library loaded with LoadLibrary, freed with FreeLibrary.
using LibraryHandle = UniqueHandle<FreedBy<HMODULE, FreeLibrary>>;

}  // namespace mirvo::win32
