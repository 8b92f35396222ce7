#pragma once

#include <optional>

#include "platform/Clipboard.h"
#include "win32/Handles.h"

namespace mirvo::win32 {

class Win32Clipboard : public platform::Clipboard {
public:
    bool Open(platform::WindowHandle owner) override;
    void Close() override;
    bool Empty() override;
    std::uint32_t EnumFormats(std::uint32_t previous) override;
    std::string FormatName(std::uint32_t format) override;
    std::uint32_t RegisterFormat(const std::string& name) override;
    bool IsFormatAvailable(std::uint32_t format) override;
    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format) override;
    bool SetData(std::uint32_t format, const std::vector<std::uint8_t>& data) override;

private:
    std::optional<OpenClipboardGuard> m_open;
};

}  // namespace mirvo::win32
