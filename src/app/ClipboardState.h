#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "files/ByteOrder.h"
#include "platform/Desktop.h"

namespace mirvo {

// The clipboard history and capture state shared by the monitor, the restore and the editors.
struct ClipboardState {
    int ClipboardClipCount = 0;  // clips in the history, 0..9
    std::string ClipText;        // text of the clip captured, restored or edited
    bool ClipHasText = false;
    bool ClearOnNextCapture = false;  // clear the history before the next new content
    bool TitlePending = false;        // the next capture takes PendingTitle
    std::string PendingTitle;         // 50 characters
    std::string PendingText;          // the text put on the clipboard with the pending title
    platform::WindowHandle LastForeignWindow = 0;
    bool TextOnly = false;  // restores keep only plain and OEM text
    // "ExcludeClipboardContentFromMonitorProcessing", "Clipboard Viewer Ignore" and
    // "CanIncludeInClipboardHistory": content that asks not to be recorded.
    std::array<std::uint32_t, 3> PrivacyFormats{};
    // The clipboard's sequence number when this program last saw its content as marked (0:
    // none): an unchanged clipboard is not opened again.
    std::uint32_t SeenSequence = 0;
    // "clip.dat" as this instance last read or wrote it: what another instance changes in the
    // shared history shows.
    files::Bytes HistorySeen;
};

}  // namespace mirvo
