#include "win32/platform/Win32Clipboard.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace mirvo::win32 {

namespace {
constexpr int kHandOverAttempts = 50;
}  // namespace

Win32Clipboard::Win32Clipboard()
    : m_listener([this](UINT message, WPARAM wParam, LPARAM) { Received(message, wParam); }) {
    AddClipboardFormatListener(m_listener.Handle());
}

Win32Clipboard::~Win32Clipboard() {
    RemoveClipboardFormatListener(m_listener.Handle());
    HandOverAll();
}

void Win32Clipboard::Received(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_CLIPBOARDUPDATE:
            if (OnChange) {
                OnChange();
            }
            break;
        case WM_RENDERFORMAT:
            // The program asking has the clipboard open; the bytes go over within this message.
            if (OnHandOver) {
                OnHandOver(reinterpret_cast<platform::WindowHandle>(GetOpenClipboardWindow()));
            }
            Render(static_cast<std::uint32_t>(wParam));
            break;
        case WM_RENDERALLFORMATS:
            HandOverAll();
            break;
        case WM_DESTROYCLIPBOARD:
            m_promised.clear();  // another program emptied the clipboard: nothing more is asked
            break;
        default:
            break;
    }
}

void Win32Clipboard::Render(std::uint32_t format) {
    const auto promised = std::find_if(m_promised.begin(), m_promised.end(),
                                       [&](const Promised& p) { return p.format == format; });
    if (promised == m_promised.end()) {
        return;
    }
    GlobalBlock block(GMEM_MOVEABLE, promised->bytes.size());
    if (block) {
        GlobalLockGuard lock(block.Get());
        if (lock && !promised->bytes.empty()) {
            std::memcpy(lock.Data(), promised->bytes.data(), promised->bytes.size());
        }
    }
    m_promised.erase(promised);
    if (block && SetClipboardData(format, block.Get())) {
        block.Release();  // the clipboard owns it now
    }
}

bool Win32Clipboard::HandOverAll() {
    if (m_promised.empty()) {
        return true;
    }
    // The program that asked last may still be closing the clipboard.
    std::optional<OpenClipboardGuard> open;
    for (int attempt = 0; attempt < kHandOverAttempts; ++attempt) {
        if (open.emplace(m_listener.Handle()); *open) {
            break;
        }
        Sleep(1);
    }
    if (!*open) {
        return false;
    }
    if (GetClipboardOwner() != m_listener.Handle()) {
        m_promised.clear();  // another program's content now: nothing of ours is on it
        return true;
    }
    while (!m_promised.empty()) {
        Render(m_promised.front().format);
    }
    return true;
}

platform::WindowHandle Win32Clipboard::OpenWindow() {
    return reinterpret_cast<platform::WindowHandle>(GetOpenClipboardWindow());
}

std::uint32_t Win32Clipboard::SequenceNumber() {
    return GetClipboardSequenceNumber();
}

bool Win32Clipboard::Open(platform::WindowHandle) {
    if (m_open) {
        return false;  // already open: Windows refuses a second open as well
    }
    m_open.emplace(m_listener.Handle());
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
    if (!EmptyClipboard()) {
        return false;
    }
    m_promised.clear();
    return true;
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

platform::WriteResult Win32Clipboard::WriteOnRequest(
    std::uint32_t format, std::size_t size, const std::function<bool(std::uint8_t*)>& fill) {
    std::vector<std::uint8_t> bytes;
    try {
        bytes.resize(size);
    } catch (const std::bad_alloc&) {
        return platform::WriteResult::NoBlock;
    }
    if (!fill(bytes.data())) {
        return platform::WriteResult::NoBlock;
    }
    // Without data the call gives no handle back even when it succeeds: its error tells.
    SetLastError(ERROR_SUCCESS);
    SetClipboardData(format, nullptr);
    if (GetLastError() != ERROR_SUCCESS) {
        return platform::WriteResult::Refused;
    }
    std::erase_if(m_promised, [&](const Promised& p) { return p.format == format; });
    m_promised.push_back({format, std::move(bytes)});
    return platform::WriteResult::Written;
}

}  // namespace mirvo::win32
