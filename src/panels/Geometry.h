#pragma once

// The main window's geometry in twips: positions relative to the containing frame.

namespace mirvo::geometry {

// The full window.
inline constexpr int kSmallWidth = 9624;
inline constexpr int kLargeWidth = 12288;
inline constexpr int kSmallClientHeight = 6150;
inline constexpr int kLargeClientHeight = 8426;
inline constexpr int kSmallFrameHeight = 6100;
inline constexpr int kLargeFrameHeight = 8376;
inline constexpr int kSmallGroupClipsWidth = 4840;
inline constexpr int kLargeGroupClipsWidth = 7128;
inline constexpr int kSmallGroupNamesLeft = 7600;
inline constexpr int kLargeGroupNamesLeft = 10008;
inline constexpr int kGroupClipsLeft = 2808;

// Compact displays.
inline constexpr int kLeftColumnWidth = 2844;
inline constexpr int kColumnWidth = 2500;
inline constexpr int kColumnFrameWidth = 2400;
inline constexpr int kColumnItemLeft = 108;
inline constexpr int kOutOfViewLeft = 4000;
inline constexpr int kColumnTopBtnLeft = 1944;
inline constexpr int kHorizontalWidth = 9360;
inline constexpr int kHorizontalFrameWidth = 9200;
inline constexpr int kHorizontalFrameHeight = 1100;
inline constexpr int kHorizontalFrameTop = -200;
inline constexpr int kHorizontalClientHeight = 840;

// The clipboard clips frame.
inline constexpr int kClipsFrameWidth = 2676;
inline constexpr int kClipsFrameHeight = 2856;
inline constexpr int kClearBtnLeft = 108;
inline constexpr int kClearBtnTop = 2484;
inline constexpr int kSizerFrameLeft = 1656;
inline constexpr int kSizerFrameTop = 2448;

// Group clips: three columns of 32 rows.
inline constexpr int kColumnLefts[3] = {396, 2628, 4860};
inline constexpr int kItemWidth = 2200;
inline constexpr int kKeyLabelWidth = 252;
inline constexpr int kTopBtnLefts[4] = {2232, 2232, 4464, 6720};
// The "Hot Key Clips" group.
inline constexpr int kHotKeyItemLeft = 805;
inline constexpr int kHotKeySmallItemWidth = 1700;
inline constexpr int kHotKeyLabelWidth = 655;
// The row that only the large window shows.
inline constexpr int kSmallHiddenRow = 23;

}  // namespace mirvo::geometry
