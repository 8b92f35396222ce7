#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "platform/Clipboard.h"
#include "win32/Handles.h"
#include "win32/platform/MessageWindow.h"

namespace mirvo::win32 {

// Also a clipboard format listener: the system's change reports go to OnChange. Its hidden
// window owns what the program puts on the clipboard and answers the requests for the formats
// written on request.
class Win32Clipboard : public platform::Clipboard {
public:
    Win32Clipboard();
    ~Win32Clipboard() override;
    Win32Clipboard(const Win32Clipboard&) = delete;
    Win32Clipboard& operator=(const Win32Clipboard&) = delete;

    // The clipboard is opened for the hidden window whatever the owner given: the owner of the
    // content is the window that the system asks for what was written on request.
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
    platform::WriteResult WriteOnRequest(std::uint32_t format, std::size_t size,
                                         const std::function<bool(std::uint8_t*)>& fill) override;
    bool HandOverAll() override;
    platform::WindowHandle OpenWindow() override;
    std::uint32_t SequenceNumber() override;

private:
    struct Promised {
        std::uint32_t format;
        std::vector<std::uint8_t> bytes;
    };
    void Received(UINT message, WPARAM wParam);
    // Puts a promised format's bytes on the clipboard, which must be open or asking for them.
    void Render(std::uint32_t format);

    std::optional<OpenClipboardGuard> m_open;
    // Formats written on request and not asked for yet; declared before the window, which
    // may still ask for them while it is destroyed.
    std::vector<Promised> m_promised;
    MessageWindow m_listener;
};

}  // namespace mirvo::win32
