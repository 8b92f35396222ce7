#include "app/AppSettings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace mirvo {
namespace {

const ScreenTwips kLargeScreen{19200, 14400};  // 1280 x 960 pixels
const ScreenTwips kSmallScreen{12000, 9000};   // 800 x 600 pixels

// Little-endian helpers that build the expected bytes independently of the code under test.
void Put16(files::Bytes& b, size_t at, int v) {
    b[at] = static_cast<std::uint8_t>(v & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>((v >> 8) & 0xFF);
}
void Put32(files::Bytes& b, size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
    }
}
void PutFloat(files::Bytes& b, size_t at, float f) {
    std::uint32_t u;
    std::memcpy(&u, &f, 4);
    Put32(b, at, u);
}

TEST(SettingsRecord, EveryMemberSitsAtItsDocumentedOffset) {
    AppSettings s;
    s.Version = "VERFOUR";
    s.BulkCount = 12;
    s.WindowTop = 1500;
    s.WindowLeft = -30;
    s.BackgroundColor = 0xC0C0C0;
    s.GroupClipColor = 0xC0E0FF;
    s.CurrentGroup = 22;
    s.ViewerTop = 123.5f;
    s.ViewerWidth = 6852;
    s.TransferSlotColor = 0xFFFFC0;
    s.FirstRunDone = 1;
    s.CompactLeft = 77.25f;
    s.DisplayMode = 5;
    s.HorizontalOnlyTop = 9000;
    s.VerticalOnlyLeft = 4000;
    s.NoMinimize = 1;
    s.DataOption = 1;
    s.PrivateLibrary = 29;

    files::Bytes expected(145, 0);
    std::memcpy(expected.data(), "VERFOUR", 7);
    Put16(expected, 7, 12);
    Put32(expected, 9, 1500);
    Put32(expected, 13, static_cast<std::uint32_t>(-30));
    Put32(expected, 25, 0xC0C0C0);
    Put32(expected, 33, 0xC0E0FF);
    Put16(expected, 53, 22);
    PutFloat(expected, 55, 123.5f);
    PutFloat(expected, 67, 6852);
    Put32(expected, 75, 0xFFFFC0);
    Put16(expected, 93, 1);
    PutFloat(expected, 113, 77.25f);
    Put16(expected, 119, 5);
    Put32(expected, 123, 9000);
    Put32(expected, 135, 4000);
    Put16(expected, 139, 1);
    Put16(expected, 141, 1);
    Put16(expected, 143, 29);

    EXPECT_EQ(EncodeSettings(s), expected);

    const AppSettings back = DecodeSettings(expected);
    EXPECT_EQ(back.Version, "VERFOUR");
    EXPECT_EQ(back.WindowLeft, -30);
    EXPECT_EQ(back.ViewerTop, 123.5f);
    EXPECT_EQ(back.CompactLeft, 77.25f);
    EXPECT_EQ(back.PrivateLibrary, 29);
    EXPECT_EQ(EncodeSettings(back), expected);
}

TEST(SettingsRecord, AShortFileReadsAsZerosBeyondItsEnd) {
    files::Bytes partial(10, 0);
    std::memcpy(partial.data(), "VERFOUR", 7);
    Put16(partial, 7, 5);
    const AppSettings s = DecodeSettings(partial);
    EXPECT_EQ(s.BulkCount, 5);
    EXPECT_EQ(s.WindowTop, 0);
    EXPECT_EQ(s.PrivateLibrary, 0);
    EXPECT_EQ(DecodeSettings({}).Version, std::string(7, '\0'));
}

TEST(SettingsUpgrade, ANewFileGetsTheDefaults) {
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, kLargeScreen);
    EXPECT_EQ(s.Version, "VERFOUR");
    EXPECT_EQ(s.DataOption, 1);
    EXPECT_EQ(s.PrivateLibrary, 1);
    EXPECT_EQ(s.CommonLibrary, 1);
    EXPECT_EQ(s.BackgroundColor, 0xC0C0C0);
    EXPECT_EQ(s.ClipboardClipColor, 0xFFFFC0);
    EXPECT_EQ(s.GroupClipColor, 0xC0E0FF);
    EXPECT_EQ(s.GroupNameColor, 0xC0FFC0);
    EXPECT_EQ(s.TransferSlotColor, 0xFFFFC0);
    EXPECT_EQ(s.DisplayMode, 5);
    EXPECT_EQ(s.LargeWindow, 1);
    EXPECT_EQ(s.SpareLongA, 4584);
    EXPECT_EQ(s.SpareLongB, 5532);
    EXPECT_EQ(s.ViewerTop, (14400 - 6672) / 2);
    EXPECT_EQ(s.ViewerLeft, (19200 - 6948) / 2);
    EXPECT_EQ(s.BulkSpacing, 1);
    EXPECT_EQ(s.HighlightWithMouse, 1);
    EXPECT_EQ(s.EdgeTop, 1);
    EXPECT_EQ(s.EdgeLeft, 1);
    EXPECT_EQ(s.EdgeBottom, 0);
    EXPECT_EQ(s.FirstRunDone, 0);

    AppSettings narrow = DecodeSettings({});
    UpgradeSettings(narrow, kSmallScreen);
    EXPECT_EQ(narrow.LargeWindow, 0);
}

TEST(SettingsUpgrade, AnOlderLayoutKeepsOnlyItsBulkCountAndTheWindowPosition) {
    files::Bytes older(145, 0);
    std::memcpy(older.data(), "CCV3.01", 7);
    Put16(older, 7, 17);
    Put32(older, 9, 2000);
    Put32(older, 13, 3000);
    Put32(older, 25, 0x123456);  // a background colour of the old layout
    Put16(older, 141, 0);
    AppSettings s = DecodeSettings(older);
    UpgradeSettings(s, kLargeScreen);
    EXPECT_EQ(s.BulkCount, 17);
    EXPECT_EQ(s.WindowTop, 2000);
    EXPECT_EQ(s.WindowLeft, 3000);
    EXPECT_EQ(s.BackgroundColor, 0xC0C0C0);
    EXPECT_EQ(s.DataOption, 1);

    std::memcpy(older.data(), "OTHER01", 7);
    AppSettings foreign = DecodeSettings(older);
    UpgradeSettings(foreign, kLargeScreen);
    EXPECT_EQ(foreign.BulkCount, 0);
}

TEST(SettingsRepair, ValuesOutOfRangeAreReplaced) {
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, kLargeScreen);
    s.DisplayMode = 4;
    s.LastOptionsPage = 6;
    s.NoMinimize = 2;
    s.ClipboardOnlyMode = 7;
    s.RestoreFullWindow = -1;
    s.CompactLayout = 3;
    s.PasteModeOverride = 0;
    // Values used as indexes and counts.
    s.CurrentGroup = 32;
    s.CaptureMode = 3;
    s.BulkSpacing = 7;
    s.BulkCount = 97;
    s.PrivateLibrary = 30;
    s.CommonLibrary = 0;
    s.PasteKeys = 3;
    s.BulkKeys = -1;
    s.HighlightWithMouse = 5;
    s.DataOption = 2;
    RepairSettings(s, kLargeScreen);
    EXPECT_EQ(s.DisplayMode, 5);
    EXPECT_EQ(s.LastOptionsPage, 0);
    EXPECT_EQ(s.NoMinimize, 0);
    EXPECT_EQ(s.ClipboardOnlyMode, 0);
    EXPECT_EQ(s.RestoreFullWindow, 1);
    EXPECT_EQ(s.CompactLayout, 0);
    EXPECT_EQ(s.PasteModeOverride, 3);
    EXPECT_EQ(s.CurrentGroup, 0);
    EXPECT_EQ(s.CaptureMode, 0);
    EXPECT_EQ(s.BulkSpacing, 1);
    EXPECT_EQ(s.BulkCount, 0);
    EXPECT_EQ(s.PrivateLibrary, 1);
    EXPECT_EQ(s.CommonLibrary, 1);
    EXPECT_EQ(s.PasteKeys, 0);
    EXPECT_EQ(s.BulkKeys, 0);
    EXPECT_EQ(s.HighlightWithMouse, 1);
    EXPECT_EQ(s.DataOption, 1);

    AppSettings valid = DecodeSettings({});
    UpgradeSettings(valid, kLargeScreen);
    valid.DisplayMode = 3;
    valid.PasteKeys = 2;  // both activation keys, from an older file
    valid.CurrentGroup = 31;
    valid.BulkCount = 96;
    valid.PrivateLibrary = 29;
    RepairSettings(valid, kLargeScreen);
    EXPECT_EQ(valid.DisplayMode, 3);
    EXPECT_EQ(valid.PasteKeys, 2);
    EXPECT_EQ(valid.CurrentGroup, 31);
    EXPECT_EQ(valid.BulkCount, 96);
    EXPECT_EQ(valid.PrivateLibrary, 29);
}

TEST(SettingsRepair, WindowPositionsFromALargerScreenReturnToTheCorner) {
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, kLargeScreen);
    s.WindowTop = kSmallScreen.height - 1000;
    s.WindowLeft = 500;
    s.HorizontalOnlyTop = 100;
    s.HorizontalOnlyLeft = kSmallScreen.width;
    s.VerticalOnlyTop = -15;
    s.VerticalOnlyLeft = 300;
    s.CompactTop = 200;
    s.CompactLeft = std::numeric_limits<float>::quiet_NaN();
    s.LargeWindow = 1;
    RepairSettings(s, kSmallScreen);
    EXPECT_EQ(s.WindowTop, 0);
    EXPECT_EQ(s.WindowLeft, 0);
    EXPECT_EQ(s.HorizontalOnlyTop, 0);
    EXPECT_EQ(s.HorizontalOnlyLeft, 0);
    EXPECT_EQ(s.VerticalOnlyTop, 0);
    EXPECT_EQ(s.VerticalOnlyLeft, 0);
    EXPECT_EQ(s.CompactTop, 0);
    EXPECT_EQ(s.CompactLeft, 0);
    EXPECT_EQ(s.LargeWindow, 0) << "a narrow screen always gets the small window";

    AppSettings inside = DecodeSettings({});
    UpgradeSettings(inside, kLargeScreen);
    inside.WindowTop = 900;
    inside.WindowLeft = 1200;
    inside.WindowTop = kLargeScreen.height - 1001;
    RepairSettings(inside, kLargeScreen);
    EXPECT_EQ(inside.WindowTop, kLargeScreen.height - 1001);
    EXPECT_EQ(inside.WindowLeft, 1200);

    AppSettings negative = DecodeSettings({});
    UpgradeSettings(negative, kLargeScreen);
    negative.WindowTop = -50;
    negative.WindowLeft = 700;
    RepairSettings(negative, kLargeScreen);
    EXPECT_EQ(negative.WindowTop, 0);
    EXPECT_EQ(negative.WindowLeft, 700);
}

}  // namespace
}  // namespace mirvo
