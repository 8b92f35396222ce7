#include "win32/platform/Win32Clipboard.h"

namespace mirvo::win32 {

Win32Clipboard::Win32Clipboard()
    : m_listener([this](UINT message, WPARAM, LPARAM) {
          if (message == WM_CLIPBOARDUPDATE && OnChange) {
              OnChange();
          }
      }) {
    AddClipboardFormatListener(m_listener.Handle());
}

Win32Clipboard::~Win32Clipboard() {
    RemoveClipboardFormatListener(m_listener.Handle());
}

std::uint32_t Win32Clipboard::SequenceNumber() {
    return GetClipboardSequenceNumber();
}

bool Win32Clipboard::Open(platform::WindowHandle owner) {
    if (m_open) {
        return false;  // already open: Windows refuses a second open as well
    }
    m_open.emplace(reinterpret_cast<HWND>(owner));
    if (!*m_open) {
        m_open.reset();
        return false;
    }
    return true;
}

void Win32Clipboard::Close() {
    m_open.reset();
}

bool Win32Clipboard::Empty() {
    return EmptyClipboard() != FALSE;
}

std::uint32_t Win32Clipboard::EnumFormats(std::uint32_t previous) {
    return EnumClipboardFormats(previous);
}

std::string Win32Clipboard::FormatName(std::uint32_t format) {
    char name[255] = {};
    const int length = GetClipboardFormatNameA(format, name, 254);
    return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::uint32_t Win32Clipboard::RegisterFormat(const std::string& name) {
    return RegisterClipboardFormatA(name.c_str());
}

bool Win32Clipboard::IsFormatAvailable(std::uint32_t format) {
    return IsClipboardFormatAvailable(format) != FALSE;
}

bool Win32Clipboard::ReadData(std::uint32_t format,
                              const std::function<void(const std::uint8_t*, std::size_t)>& read) {
    HANDLE handle = GetClipboardData(format);
    if (!handle) {
        return false;
    }
    // Handles that are not global memory (bitmaps, palettes) do not lock.
    GlobalLockGuard lock(static_cast<HGLOBAL>(handle));
    if (!lock) {
        return false;
    }
    read(static_cast<const std::uint8_t*>(lock.Data()), lock.Size());
    return true;
}

platform::WriteResult Win32Clipboard::WriteData(std::uint32_t format, std::size_t size,
                                                const std::function<bool(std::uint8_t*)>& fill) {
    GlobalBlock block(GMEM_MOVEABLE, size);
    if (!block) {
        return platform::WriteResult::NoBlock;
    }
    {
        GlobalLockGuard lock(block.Get());
        if (!lock || !fill(static_cast<std::uint8_t*>(lock.Data()))) {
            return platform::WriteResult::NoBlock;
        }
    }
    if (!SetClipboardData(format, block.Get())) {
        return platform::WriteResult::Refused;  // the block is freed here
    }
    block.Release();  // the clipboard owns it now
    return platform::WriteResult::Written;
}

}  // namespace mirvo::win32
