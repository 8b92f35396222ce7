#pragma once

// Positions of the keyboard highlight: one number for every label of the four panels, which
// also addresses the labels for the display routines. Clipboard clips come first, then the
// three columns of 32 group clips, the transfer slots and the group names.

namespace mirvo {

inline constexpr int kFirstClipboardClipPos = 0;
inline constexpr int kLastClipboardClipPos = 8;
inline constexpr int kFirstGroupClipPos = 9;
inline constexpr int kFirstTransferSlotPos = 105;
inline constexpr int kLastTransferSlotPos = 112;
inline constexpr int kFirstGroupNamePos = 113;
inline constexpr int kLastPos = 144;

// Rows of group clips and group names: the large window shows all 32, the small one 23.
inline constexpr int kRows = 32;
inline constexpr int kSmallWindowRows = 23;

constexpr int LastRow(bool large) {
    return (large ? kRows : kSmallWindowRows) - 1;
}
// The first and the last position of a column of group clips (1..3) that the window shows.
constexpr int ColumnTopPos(int column) {
    return kFirstGroupClipPos + kRows * (column - 1);
}
constexpr int ColumnBottomPos(int column, bool large) {
    return ColumnTopPos(column) + LastRow(large);
}
// The last group name the window shows.
constexpr int GroupNamesBottomPos(bool large) {
    return kFirstGroupNamePos + LastRow(large);
}

constexpr bool IsClipboardClipPos(int pos) {
    return pos >= kFirstClipboardClipPos && pos <= kLastClipboardClipPos;
}
constexpr bool IsGroupClipPos(int pos) {
    return pos >= kFirstGroupClipPos && pos < kFirstTransferSlotPos;
}
constexpr bool IsTransferSlotPos(int pos) {
    return pos >= kFirstTransferSlotPos && pos <= kLastTransferSlotPos;
}
constexpr bool IsGroupNamePos(int pos) {
    return pos >= kFirstGroupNamePos && pos <= kLastPos;
}

}  // namespace mirvo
