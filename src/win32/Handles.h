#pragma once

// Owners of every native handle the program holds: each closes or frees its handle in its
// destructor, so no path can leak one or close it twice.

#include <windows.h>

#include <cstddef>
#include <utility>

namespace mirvo::win32 {

// Moves a handle out of a source, leaving the empty value there.
template <class H>
H TakeHandle(H& h, H empty) {
    return std::exchange(h, empty);
}

// A kernel handle closed by CloseHandle (files, mutexes, processes).
class KernelHandle {
public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE h) : m_h(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
    ~KernelHandle() { Reset(); }
    KernelHandle(KernelHandle&& o) noexcept : m_h(TakeHandle(o.m_h, HANDLE{})) {}
    KernelHandle& operator=(KernelHandle&& o) noexcept {
        if (this != &o) {
            Reset();
            m_h = TakeHandle(o.m_h, HANDLE{});
        }
        return *this;
    }
    KernelHandle(const KernelHandle&) = delete;
    KernelHandle& operator=(const KernelHandle&) = delete;

    HANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Reset() {
        if (m_h) {
            CloseHandle(m_h);
            m_h = nullptr;
        }
    }

private:
    HANDLE m_h = nullptr;
};

// A GDI object (brush, font, bitmap, pen) deleted by DeleteObject.
template <class T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T h) : m_h(h) {}
    ~GdiObject() { Reset(); }
    GdiObject(GdiObject&& o) noexcept : m_h(TakeHandle(o.m_h, T{})) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) {
            Reset();
            m_h = TakeHandle(o.m_h, T{});
        }
        return *this;
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    T Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    void Reset(T h = T{}) {
        if (m_h) {
            DeleteObject(m_h);
        }
        m_h = h;
    }

private:
    T m_h{};
};

using Brush = GdiObject<HBRUSH>;
using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Pen = GdiObject<HPEN>;

// A memory device context deleted by DeleteDC.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    ~MemoryDc() {
        if (m_dc) {
            DeleteDC(m_dc);
        }
    }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC Get() const { return m_dc; }

private:
    HDC m_dc;
};

// A window's device context from GetDC, released by ReleaseDC.
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

// A global memory block, freed unless ownership was handed over (to the clipboard).
class GlobalBlock {
public:
    GlobalBlock(UINT flags, SIZE_T size) : m_h(GlobalAlloc(flags, size)) {}
    ~GlobalBlock() {
        if (m_h) {
            GlobalFree(m_h);
        }
    }
    GlobalBlock(const GlobalBlock&) = delete;
    GlobalBlock& operator=(const GlobalBlock&) = delete;
    HGLOBAL Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }
    // Gives up ownership, as after a successful SetClipboardData.
    HGLOBAL Release() { return TakeHandle(m_h, HGLOBAL{}); }

private:
    HGLOBAL m_h;
};

// A locked global memory block; unlocked when the scope ends. Also gives the block's size.
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL h) : m_h(h), m_data(h ? GlobalLock(h) : nullptr) {}
    ~GlobalLockGuard() {
        if (m_data) {
            GlobalUnlock(m_h);
        }
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;
    void* Data() const { return m_data; }
    SIZE_T Size() const { return m_data ? GlobalSize(m_h) : 0; }
    explicit operator bool() const { return m_data != nullptr; }

private:
    HGLOBAL m_h;
    void* m_data;
};

// A hook removed by UnhookWindowsHookEx.
class HookHandle {
public:
    HookHandle() = default;
    explicit HookHandle(HHOOK h) : m_h(h) {}
    ~HookHandle() { Reset(); }
    HookHandle(HookHandle&& o) noexcept : m_h(TakeHandle(o.m_h, HHOOK{})) {}
    HookHandle& operator=(HookHandle&& o) noexcept {
        if (this != &o) {
            Reset();
            m_h = TakeHandle(o.m_h, HHOOK{});
        }
        return *this;
    }
    HookHandle(const HookHandle&) = delete;
    HookHandle& operator=(const HookHandle&) = delete;
    HHOOK Get() const { return m_h; }
    void Reset() {
        if (m_h) {
            UnhookWindowsHookEx(m_h);
            m_h = nullptr;
        }
    }

private:
    HHOOK m_h = nullptr;
};

// A menu destroyed with DestroyMenu unless a window owns it.
class MenuHandle {
public:
    MenuHandle() = default;
    explicit MenuHandle(HMENU h) : m_h(h) {}
    ~MenuHandle() {
        if (m_h) {
            DestroyMenu(m_h);
        }
    }
    MenuHandle(const MenuHandle&) = delete;
    MenuHandle& operator=(const MenuHandle&) = delete;
    HMENU Get() const { return m_h; }
    HMENU Release() { return TakeHandle(m_h, HMENU{}); }

private:
    HMENU m_h = nullptr;
};

// A file search closed by FindClose.
class FindHandle {
public:
    explicit FindHandle(HANDLE h) : m_h(h) {}
    ~FindHandle() {
        if (m_h != INVALID_HANDLE_VALUE) {
            FindClose(m_h);
        }
    }
    FindHandle(const FindHandle&) = delete;
    FindHandle& operator=(const FindHandle&) = delete;
    HANDLE Get() const { return m_h; }
    explicit operator bool() const { return m_h != INVALID_HANDLE_VALUE; }

private:
    HANDLE m_h;
};

// A window the program created and destroys with DestroyWindow (for windows no C++ object
// stands behind, such as a hidden owner window).
class OwnedWindow {
public:
    OwnedWindow() = default;
    explicit OwnedWindow(HWND h) : m_h(h) {}
    ~OwnedWindow() { Reset(); }
    OwnedWindow(OwnedWindow&& o) noexcept : m_h(TakeHandle(o.m_h, HWND{})) {}
    OwnedWindow& operator=(OwnedWindow&& o) noexcept {
        if (this != &o) {
            Reset();
            m_h = TakeHandle(o.m_h, HWND{});
        }
        return *this;
    }
    OwnedWindow(const OwnedWindow&) = delete;
    OwnedWindow& operator=(const OwnedWindow&) = delete;
    HWND Get() const { return m_h; }
    void Reset() {
        if (m_h) {
            DestroyWindow(m_h);
            m_h = nullptr;
        }
    }

private:
    HWND m_h = nullptr;
};

// A library loaded with LoadLibrary, freed with FreeLibrary.
class LibraryHandle {
public:
    LibraryHandle() = default;
    explicit LibraryHandle(HMODULE h) : m_h(h) {}
    ~LibraryHandle() {
        if (m_h) {
            FreeLibrary(m_h);
        }
    }
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;
    HMODULE Get() const { return m_h; }

private:
    HMODULE m_h = nullptr;
};

}  // namespace mirvo::win32
