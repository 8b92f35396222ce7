#include "dialogs/ViewedClip.h"

#include <algorithm>
#include <new>
#include <utility>

#include "clipboard/ClipDataFile.h"
#include "platform/Clipboard.h"
#include "platform/FileSystem.h"

namespace mirvo {

namespace {

// The record's bytes; false when memory for them cannot be had.
bool ReadRecord(platform::File& file, const StoredFormat& stored, std::vector<std::uint8_t>& out) {
    try {
        out.resize(stored.size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    out.resize(file.ReadAt(stored.offset, out.data(), out.size()));
    return true;
}

}  // namespace

ViewedClip ReadViewedClip(platform::File& file) {
    ViewedClip clip;
    const ClipFileScan scan = ScanClipFile(file, [&](const StoredFormat& stored) {
        clip.empty = false;
        const std::uint32_t format = stored.format;
        if (format != platform::Format::Text && format != platform::Format::OemText &&
            format != platform::Format::Locale) {
            clip.hasOtherFormats = true;
        }
        std::vector<std::uint8_t> bytes;
        if (format == platform::Format::Text && !clip.hasText) {
            if (!ReadRecord(file, stored, bytes)) {
                clip.outOfMemory = true;
                return true;
            }
            clip.hasText = true;
            clip.text.assign(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
        } else if (format == platform::Format::Dib && !clip.hasPicture) {
            if (!ReadRecord(file, stored, bytes)) {
                clip.outOfMemory = true;
                return true;
            }
            clip.hasPicture = true;
            clip.picture = std::move(bytes);
        }
        return true;
    });
    clip.shortcut = scan.layout == ClipLayout::Shortcut;
    if (clip.shortcut) {
        clip.empty = false;
    }
    return clip;
}

}  // namespace mirvo
