#pragma once

#include <cstdint>
#include <string>

#include "files/ByteOrder.h"

namespace mirvo {

// The settings record of "mirvo.ini": 145 bytes, packed, little-endian. Member names and order
// follow the stored layout; the offsets are in Encode/Decode.
struct AppSettings {
    std::string Version;  // 7 characters; "VERFOUR"
    std::int16_t BulkCount = 0;
    std::int32_t WindowTop = 0;
    std::int32_t WindowLeft = 0;
    std::int32_t SpareLongA = 0;
    std::int32_t SpareLongB = 0;
    std::int32_t BackgroundColor = 0;
    std::int32_t ClipboardClipColor = 0;
    std::int32_t GroupClipColor = 0;
    std::int32_t GroupNameColor = 0;
    std::int16_t SpareInt = 0;
    std::int16_t PasteKeys = 0;
    std::int16_t TaskbarIcon = 0;
    std::int16_t PopupHelp = 0;
    std::int16_t KeepClipboardClips = 0;
    std::int16_t BoldFont = 0;
    std::int16_t CurrentGroup = 0;
    float ViewerTop = 0;
    float ViewerLeft = 0;
    float ViewerHeight = 0;
    float ViewerWidth = 0;
    std::int16_t BrowserOption = 0;
    std::int16_t LargeWindow = 0;
    std::int32_t TransferSlotColor = 0;
    std::int16_t SpareInt2 = 0;
    std::int16_t CompactLayout = 0;
    std::int16_t PasteModeOverride = 0;
    std::int16_t CaptureMode = 0;
    std::int16_t LastOptionsPage = 0;
    std::int16_t RestoreFullWindow = 0;
    std::int16_t CommonLibrary = 0;
    std::int16_t FirstRunDone = 0;
    std::int16_t BulkSpacing = 0;
    std::int16_t BulkKeys = 0;
    std::int16_t HighlightWithMouse = 0;
    std::int16_t EdgeTop = 0;
    std::int16_t EdgeBottom = 0;
    std::int16_t EdgeLeft = 0;
    std::int16_t EdgeRight = 0;
    float CompactTop = 0;
    float CompactLeft = 0;
    std::int16_t Reserved = 0;
    std::int16_t DisplayMode = 0;
    std::int16_t ClipboardOnlyMode = 0;
    std::int32_t HorizontalOnlyTop = 0;
    std::int32_t HorizontalOnlyLeft = 0;
    std::int32_t VerticalOnlyTop = 0;
    std::int32_t VerticalOnlyLeft = 0;
    std::int16_t NoMinimize = 0;
    std::int16_t DataOption = 0;
    std::int16_t PrivateLibrary = 0;
};

inline constexpr size_t kSettingsRecordSize = 145;
inline constexpr const char* kSettingsVersion = "VERFOUR";
inline constexpr const char* kSettingsFileName = "mirvo.ini";

// The record from the file's bytes; a short file reads as zeros beyond its end.
AppSettings DecodeSettings(const files::Bytes& bytes);
// The 145 bytes of the record.
files::Bytes EncodeSettings(const AppSettings& s);

// The primary screen, in twips.
struct ScreenTwips {
    int width = 0;
    int height = 0;
};

// Makes a record read from a new or foreign file a current one: version, defaults, and the
// members that keep what was read (the window position, the bulk count of a "CCV" file).
void UpgradeSettings(AppSettings& s, const ScreenTwips& screen);
// Replaces every value outside its range, as on every start; PasteModeOverride becomes 3.
void RepairSettings(AppSettings& s, const ScreenTwips& screen);

}  // namespace mirvo
