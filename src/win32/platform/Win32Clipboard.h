#pragma once

#include <optional>

#include "platform/Clipboard.h"
#include "win32/Handles.h"
#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

// Also a clipboard format listener: the system's change reports go to OnChange.
class Win32Clipboard : public platform::Clipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    bool Open(platform::WindowHandle owner) override;
    void Close() override;
    bool Empty() override;
    std::uint32_t EnumFormats(std::uint32_t previous) override;
    std::string FormatName(std::uint32_t format) override;
    std::uint32_t RegisterFormat(const std::string& name) override;
    bool IsFormatAvailable(std::uint32_t format) override;
    bool ReadData(std::uint32_t format,
                  const std::function<void(const std::uint8_t*, std::size_t)>& read) override;
    platform::WriteResult WriteData(std::uint32_t format, std::size_t size,
                                    const std::function<bool(std::uint8_t*)>& fill) override;
    std::uint32_t SequenceNumber() override;

private:
    std::optional<OpenClipboardGuard> m_open;
    MessageWindow m_listener;
};

}  // namespace mirvo::win32
