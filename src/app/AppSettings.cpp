#include "app/AppSettings.h"

namespace mirvo {

namespace {

// The stored layout, once: every member with its byte offset.
template <class Visitor>
void VisitFields(AppSettings& s, Visitor&& v) {
    v(7, s.BulkCount);
    v(9, s.WindowTop);
    v(13, s.WindowLeft);
    v(17, s.SpareLongA);
    v(21, s.SpareLongB);
    v(25, s.BackgroundColor);
    v(29, s.ClipboardClipColor);
    v(33, s.GroupClipColor);
    v(37, s.GroupNameColor);
    v(41, s.SpareInt);
    v(43, s.PasteKeys);
    v(45, s.TaskbarIcon);
    v(47, s.PopupHelp);
    v(49, s.KeepClipboardClips);
    v(51, s.BoldFont);
    v(53, s.CurrentGroup);
    v(55, s.ViewerTop);
    v(59, s.ViewerLeft);
    v(63, s.ViewerHeight);
    v(67, s.ViewerWidth);
    v(71, s.BrowserOption);
    v(73, s.LargeWindow);
    v(75, s.TransferSlotColor);
    v(79, s.SpareInt2);
    v(81, s.CompactLayout);
    v(83, s.PasteModeOverride);
    v(85, s.CaptureMode);
    v(87, s.LastOptionsPage);
    v(89, s.RestoreFullWindow);
    v(91, s.CommonLibrary);
    v(93, s.FirstRunDone);
    v(95, s.BulkSpacing);
    v(97, s.BulkKeys);
    v(99, s.HighlightWithMouse);
    v(101, s.EdgeTop);
    v(103, s.EdgeBottom);
    v(105, s.EdgeLeft);
    v(107, s.EdgeRight);
    v(109, s.CompactTop);
    v(113, s.CompactLeft);
    v(117, s.Reserved);
    v(119, s.DisplayMode);
    v(121, s.ClipboardOnlyMode);
    v(123, s.HorizontalOnlyTop);
    v(127, s.HorizontalOnlyLeft);
    v(131, s.VerticalOnlyTop);
    v(135, s.VerticalOnlyLeft);
    v(139, s.NoMinimize);
    v(141, s.DataOption);
    v(143, s.PrivateLibrary);
}

struct Reader {
    const files::Bytes& b;
    void operator()(size_t at, std::int16_t& v) const { v = files::ReadInt16(b, at); }
    void operator()(size_t at, std::int32_t& v) const { v = files::ReadInt32(b, at); }
    void operator()(size_t at, float& v) const { v = files::ReadSingle(b, at); }
};

struct Writer {
    files::Bytes& b;
    void operator()(size_t at, std::int16_t v) const { files::WriteInt16(b, at, v); }
    void operator()(size_t at, std::int32_t v) const { files::WriteInt32(b, at, v); }
    void operator()(size_t at, float v) const { files::WriteSingle(b, at, v); }
};

constexpr int kLargeScreenTwips = 12288;

template <class T>
void Repair(T& value, int low, int high, T replacement) {
    if (value < low || value > high) {
        value = replacement;
    }
}

std::int16_t DefaultLargeWindow(const ScreenTwips& screen) {
    return screen.width >= kLargeScreenTwips ? 1 : 0;
}

}  // namespace

AppSettings DecodeSettings(const files::Bytes& bytes) {
    AppSettings s;
    s.Version = files::ReadText(bytes, 0, 7);
    VisitFields(s, Reader{bytes});
    return s;
}

files::Bytes EncodeSettings(const AppSettings& settings) {
    files::Bytes b(kSettingsRecordSize, 0);
    std::string version = settings.Version;
    version.resize(7, ' ');
    files::WriteText(b, 0, version);
    AppSettings copy = settings;
    VisitFields(copy, Writer{b});
    return b;
}

void UpgradeSettings(AppSettings& s, const ScreenTwips& screen) {
    const bool olderCounted = s.Version.compare(0, 3, "CCV") == 0;
    const AppSettings read = s;
    s = AppSettings{};
    s.Version = kSettingsVersion;
    s.BulkCount = olderCounted ? read.BulkCount : 0;
    s.WindowTop = read.WindowTop;
    s.WindowLeft = read.WindowLeft;
    s.SpareLongA = read.SpareLongA == 0 ? 4584 : read.SpareLongA;
    s.SpareLongB = read.SpareLongB == 0 ? 5532 : read.SpareLongB;
    s.BackgroundColor = 0xC0C0C0;
    s.ClipboardClipColor = 0xFFFFC0;
    s.GroupClipColor = 0xC0E0FF;
    s.GroupNameColor = 0xC0FFC0;
    s.PasteKeys = 0;
    s.TaskbarIcon = 1;
    s.PopupHelp = 1;
    s.KeepClipboardClips = 1;
    s.BoldFont = 0;
    s.CurrentGroup = 0;
    s.ViewerTop = static_cast<float>((screen.height - 6672) / 2);
    s.ViewerLeft = static_cast<float>((screen.width - 6948) / 2);
    s.ViewerHeight = 5672;
    s.ViewerWidth = 6852;
    s.BrowserOption = 0;
    s.LargeWindow = DefaultLargeWindow(screen);
    s.TransferSlotColor = 0xFFFFC0;
    s.CompactLayout = 0;
    s.PasteModeOverride = 0;
    s.CaptureMode = 0;
    s.LastOptionsPage = 0;
    s.RestoreFullWindow = 0;
    s.CommonLibrary = 1;
    s.FirstRunDone = 0;
    s.BulkSpacing = 1;
    s.BulkKeys = 0;
    s.HighlightWithMouse = 1;
    s.EdgeTop = 1;
    s.EdgeBottom = 0;
    s.EdgeLeft = 1;
    s.EdgeRight = 0;
    s.DisplayMode = 5;
    s.ClipboardOnlyMode = 0;
    s.DataOption = 1;
    s.PrivateLibrary = 1;
}

void RepairSettings(AppSettings& s, const ScreenTwips& screen) {
    Repair<std::int16_t>(s.NoMinimize, 0, 1, 0);
    Repair<std::int16_t>(s.ClipboardOnlyMode, 0, 3, 0);
    Repair<std::int16_t>(s.RestoreFullWindow, 0, 1, 1);
    Repair<std::int16_t>(s.DisplayMode, 0, 3, 5);
    Repair<std::int16_t>(s.LastOptionsPage, 0, 5, 0);

    // Values used as indexes and counts elsewhere: out of range means a damaged file.
    Repair<std::int16_t>(s.CurrentGroup, 0, 31, 0);
    Repair<std::int16_t>(s.CaptureMode, 0, 2, 0);
    Repair<std::int16_t>(s.BulkSpacing, 0, 6, 1);
    Repair<std::int16_t>(s.BulkCount, 0, 96, 0);
    Repair<std::int16_t>(s.PrivateLibrary, 1, 29, 1);
    Repair<std::int16_t>(s.CommonLibrary, 1, 29, 1);
    Repair<std::int16_t>(s.PasteKeys, 0, 2, 0);
    Repair<std::int16_t>(s.TaskbarIcon, 0, 1, 1);
    Repair<std::int16_t>(s.PopupHelp, 0, 1, 1);
    Repair<std::int16_t>(s.KeepClipboardClips, 0, 1, 1);
    Repair<std::int16_t>(s.BoldFont, 0, 1, 0);
    Repair<std::int16_t>(s.BrowserOption, 0, 1, 0);
    Repair<std::int16_t>(s.LargeWindow, 0, 1, DefaultLargeWindow(screen));
    Repair<std::int16_t>(s.BulkKeys, 0, 1, 0);
    Repair<std::int16_t>(s.HighlightWithMouse, 0, 1, 1);
    Repair<std::int16_t>(s.EdgeTop, 0, 1, 1);
    Repair<std::int16_t>(s.EdgeBottom, 0, 1, 0);
    Repair<std::int16_t>(s.EdgeLeft, 0, 1, 1);
    Repair<std::int16_t>(s.EdgeRight, 0, 1, 0);
    Repair<std::int16_t>(s.DataOption, 0, 1, 1);

    if (screen.width < kLargeScreenTwips) {
        s.LargeWindow = 0;
    }
    s.PasteModeOverride = 3;

    if (s.WindowTop >= screen.height - 1000 || s.WindowLeft >= screen.width - 1000) {
        s.WindowTop = 0;
        s.WindowLeft = 0;
    }
    if (s.WindowTop < 0) {
        s.WindowTop = 0;
    }
    if (s.WindowLeft < 0) {
        s.WindowLeft = 0;
    }
    auto repairPair = [&](std::int32_t& top, std::int32_t& left) {
        if (top >= screen.height || left >= screen.width || top < 0 || left < 0) {
            top = 0;
            left = 0;
        }
    };
    repairPair(s.HorizontalOnlyTop, s.HorizontalOnlyLeft);
    repairPair(s.VerticalOnlyTop, s.VerticalOnlyLeft);
    // A NaN position from a damaged file compares false everywhere: treat it as off screen.
    const bool compactOk = s.CompactLeft < static_cast<float>(screen.width) &&
                           s.CompactTop < static_cast<float>(screen.height) && s.CompactTop >= 0 &&
                           s.CompactLeft >= 0;
    if (!compactOk) {
        s.CompactTop = 0;
        s.CompactLeft = 0;
    }
    Repair<std::int16_t>(s.CompactLayout, 0, 1, 0);
    if (s.SpareLongB == 0) {
        s.SpareLongB = 5532;
    }
    if (s.SpareLongA == 0) {
        s.SpareLongA = 4584;
    }
}

}  // namespace mirvo
