#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Clipboard.h"

namespace mirvo::test {

// An in-memory clipboard with Windows' rules: data goes on only while it is open, registered
// names get ids from 0xC000 up, and another program may hold it.
class FakeClipboard : public platform::Clipboard {
public:
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
    platform::WindowHandle OpenWindow() override { return isOpen ? owner : otherReader; }
    std::uint32_t SequenceNumber() override { return sequence; }

    // Another program puts content on the clipboard (it empties it first).
    void PutFromOtherProgram(std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>);
    // Another program pastes: it opens the clipboard with its window (which fails while this
    // program has it open), asks for the format, whose bytes are handed over then when they were
    // written on request, and closes the clipboard again. Nothing when it got no bytes.
    std::optional<std::vector<std::uint8_t>> PasteInOtherProgram(std::uint32_t format,
                                                                 platform::WindowHandle reader);
    // The system's report of a change, which arrives later than the change itself.
    void ReportChange() {
        if (OnChange) {
            OnChange();
        }
    }

    bool isOpen = false;
    int heldByOtherForOpens = 0;                // the next opens fail while above 0
    std::size_t allocationLimit = SIZE_MAX;     // blocks larger than this cannot be allocated
    std::vector<std::uint32_t> handleFormats;   // formats whose data is a handle, not memory
    std::vector<std::uint32_t> refusedFormats;  // formats the system does not take
    std::vector<std::uint32_t> readFormats;     // every format whose data was asked for
    int openAttempts = 0;
    std::uint32_t sequence = 1;  // counts every change; 0 would be a system that keeps none
    int closeCalls = 0;
    platform::WindowHandle owner = 0;
    // The content; a format written on request has no bytes here until they are asked for.
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats;
    std::map<std::uint32_t, std::vector<std::uint8_t>> onRequest;  // their bytes meanwhile
    platform::WindowHandle otherReader = 0;  // the window of another program's open paste

private:
    // The bytes of a format written on request go over to the reader.
    void HandOver(std::uint32_t format, platform::WindowHandle reader);

    std::map<std::string, std::uint32_t> m_registered;
    std::uint32_t m_nextId = 0xC000;
};

}  // namespace mirvo::test
