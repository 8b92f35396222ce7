#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/Desktop.h"

namespace mirvo::platform {

// Format ids as on Windows.
namespace Format {
inline constexpr std::uint32_t Text = 1;
inline constexpr std::uint32_t Bitmap = 2;
inline constexpr std::uint32_t MetafilePicture = 3;
inline constexpr std::uint32_t OemText = 7;
inline constexpr std::uint32_t Dib = 8;
inline constexpr std::uint32_t Locale = 16;
}  // namespace Format

// What became of a block of bytes meant for the clipboard.
enum class WriteResult {
    Written,  // the clipboard owns the block now
    NoBlock,  // the block could not be allocated or locked, or its bytes not filled in
    Refused,  // the system did not take the block for this format (SetClipboardData failed)
};

// The system clipboard, one call per Win32 call the program makes.
class Clipboard {
public:
    virtual ~Clipboard() = default;

    virtual bool Open(WindowHandle owner) = 0;
    virtual void Close() = 0;
    virtual bool Empty() = 0;
    // The format after previous (0 starts), 0 at the end.
    virtual std::uint32_t EnumFormats(std::uint32_t previous) = 0;
    // The registered name of a format, "" for the predefined ones.
    virtual std::string FormatName(std::uint32_t format) = 0;
    // The id of a format name, registering it when new; 0 on failure. Needs no open clipboard.
    virtual std::uint32_t RegisterFormat(const std::string& name) = 0;
    virtual bool IsFormatAvailable(std::uint32_t format) = 0;
    // Hands the bytes of a format held in global memory (its whole block, as GlobalSize gives
    // it) to read while the block is locked; false when the format has no such data.
    virtual bool ReadData(std::uint32_t format,
                          const std::function<void(const std::uint8_t*, std::size_t)>& read) = 0;
    // Allocates a movable global block of size bytes, lets fill write it (fill returns false
    // when it could not), and puts it on the clipboard, which then owns it.
    virtual WriteResult WriteData(std::uint32_t format, std::size_t size,
                                  const std::function<bool(std::uint8_t*)>& fill) = 0;

    // Like WriteData, but the bytes reach the system only when a program asks for them (delayed
    // rendering): the request tells that a program is reading what is on the clipboard. The
    // clipboard keeps the bytes until then, or until its content changes.
    virtual WriteResult WriteOnRequest(std::uint32_t format, std::size_t size,
                                       const std::function<bool(std::uint8_t*)>& fill) = 0;
    // Hands every format written on request and not asked for yet to the system, so that the
    // content stays whole without this program; false when the clipboard could not be had.
    virtual bool HandOverAll() = 0;
    // The window that has the clipboard open now, whichever program's; 0 when nobody has it open
    // or its program opened it without a window.
    virtual WindowHandle OpenWindow() = 0;

    // A number that changes with every change of the clipboard, so that an unchanged clipboard
    // need not be opened to be checked; 0 where the system keeps none.
    virtual std::uint32_t SequenceNumber() { return 0; }

    // Called, where the system reports it, soon after any program changed the clipboard (this
    // one included), from the message loop.
    std::function<void()> OnChange;
    // Called when a program asks for bytes written on request, before they go over, with the
    // window that has the clipboard open for it (0 when unknown); from the message loop.
    std::function<void(WindowHandle reader)> OnHandOver;

    // The bytes of a format held in global memory, or nothing.
    std::optional<std::vector<std::uint8_t>> GetData(std::uint32_t format);
    // Puts bytes on the clipboard in a new movable global block; false on failure.
    bool SetData(std::uint32_t format, const std::vector<std::uint8_t>& data);
};

}  // namespace mirvo::platform
