#include "display/Navigation.h"

#include "app/Modes.h"
#include "forms/Types.h"
#include "panels/Positions.h"

namespace mirvo {

namespace {

// The panels as the highlight walks them. The left-hand column holds the nine clipboard clips
// and, in the large window, the transfer slots below them; the group names stand beside the
// third column of group clips in the large window and beside the second in the small one.
constexpr int kClipsTop = kFirstClipboardClipPos;
constexpr int kClipsBottom = kLastClipboardClipPos;
constexpr int kClipsPerColumn = 3;  // the horizontal clipboard-only display
constexpr int kSlotsTop = kFirstTransferSlotPos;
constexpr int kSlotsBottom = kLastTransferSlotPos;
constexpr int kNamesTop = kFirstGroupNamePos;
// The transfer slots stand beside rows 24..31 of the first column.
constexpr int kSlotsBesideRow = 24;

constexpr int Top(int column) {
    return ColumnTopPos(column);
}
// The last position of a column's 32 rows, whether the window shows it or not.
constexpr int ColumnEnd(int column) {
    return ColumnBottomPos(column, true);
}
constexpr int Bottom(int column, bool large) {
    return ColumnBottomPos(column, large);
}
constexpr int NamesBottom(bool large) {
    return GroupNamesBottomPos(large);
}
constexpr int LeftColumnBottom(bool large) {
    return large ? kSlotsBottom : kClipsBottom;
}

int InClipboardOnly(int keyCode, int p, bool horizontal) {
    if (p < kClipsTop || p > kClipsBottom) {
        p = kClipsTop;
    }
    switch (keyCode) {
        case forms::Key::End:
            return kClipsBottom;
        case forms::Key::Home:
            return kClipsTop;
        case forms::Key::Up:
            return p == kClipsTop ? kClipsBottom : p - 1;
        case forms::Key::Down:
            return p == kClipsBottom ? kClipsTop : p + 1;
        case forms::Key::Left:
            return horizontal && p >= kClipsPerColumn ? p - kClipsPerColumn : kNoMove;
        case forms::Key::Right:
            return horizontal && p <= kClipsBottom - kClipsPerColumn ? p + kClipsPerColumn
                                                                     : kNoMove;
        default:
            return kNoMove;
    }
}

// To the top of the section.
int PageUp(int p) {
    if (p > kClipsTop && p <= kClipsBottom)
        return kClipsTop;
    for (int c = 1; c <= 3; ++c) {
        if (p > Top(c) && p <= ColumnEnd(c))
            return Top(c);
    }
    if (p > kNamesTop && p <= kLastPos)
        return kNamesTop;
    return kNoMove;
}

// To the bottom of the section; the third column's is always its 32nd row.
int PageDown(int p, bool L) {
    if (p >= kClipsTop && p < kClipsBottom)
        return LeftColumnBottom(L);
    if (p >= Top(1) && p < ColumnEnd(1))
        return Bottom(1, L);
    if (p >= Top(2) && p < ColumnEnd(2))
        return Bottom(2, L);
    if (p >= Top(3) && p < ColumnEnd(3))
        return ColumnEnd(3);
    if (p >= kNamesTop && p < kLastPos)
        return NamesBottom(L);
    return kNoMove;
}

int EndKey(int displayMode, bool L) {
    switch (displayMode) {
        case Column::None:
            return NamesBottom(L);
        case Column::Left:
            return LeftColumnBottom(L);
        case Column::First:
            return Bottom(1, L);
        case Column::Second:
            return Bottom(2, L);
        case Column::Third:
            return ColumnEnd(3);
        default:
            return kNoMove;
    }
}

int HomeKey(int displayMode) {
    switch (displayMode) {
        case Column::Left:
        case Column::None:
            return kClipsTop;
        case Column::First:
        case Column::Second:
        case Column::Third:
            return Top(displayMode);
        default:
            return kNoMove;
    }
}

int Up(int p, int displayMode, bool L) {
    int q = p - 1;
    if (L) {
        if (p == kClipsTop)
            q = NamesBottom(L);
        else if (p == Top(1))
            q = kSlotsBottom;
        else if (p == kSlotsTop)
            q = kClipsBottom;
        else if (p == kNamesTop)
            q = ColumnEnd(3);
    } else {
        if (p == kClipsTop)
            q = NamesBottom(L);
        else if (p == Top(2))
            q = Bottom(1, L);
        else if (p == kNamesTop)
            q = Bottom(2, L);
    }
    // Inside a column display the column wraps around.
    switch (displayMode) {
        case Column::Left:
            if (q == NamesBottom(true) || q == NamesBottom(false))
                q = LeftColumnBottom(L);
            break;
        case Column::First:
            if (q == kClipsBottom || q == kSlotsBottom)
                q = Bottom(1, L);
            break;
        case Column::Second:
            if (q == ColumnEnd(1))
                q = Bottom(2, L);
            break;
        case Column::Third:
            if (q == ColumnEnd(2))
                q = Bottom(3, L);
            break;
        default:
            break;
    }
    return q;
}

int Down(int p, int displayMode, bool L) {
    int q = p + 1;
    if (L) {
        if (p == kClipsBottom)
            q = kSlotsTop;
        else if (p == kSlotsBottom)
            q = Top(1);
        else if (p == ColumnEnd(3))
            q = kNamesTop;
        else if (p == kLastPos)
            q = kClipsTop;
    } else {
        if (p == Bottom(1, L))
            q = Top(2);
        else if (p == Bottom(2, L))
            q = kNamesTop;
        else if (p == NamesBottom(L))
            q = kClipsTop;
    }
    switch (displayMode) {
        case Column::Left:
            if (q == Top(1))
                q = kClipsTop;
            break;
        case Column::First:
        case Column::Second:
        case Column::Third:
            if (q > Bottom(displayMode, L))
                q = Top(displayMode);
            break;
        default:
            break;
    }
    return q;
}

int Left(int p, int displayMode, bool L) {
    if (displayMode != Column::None)
        return kNoMove;
    if (p >= Top(1) && p <= Top(1) + kClipsBottom)
        return p - Top(1);
    if (p >= Top(1) + kSlotsBesideRow && p <= ColumnEnd(1))
        return p - Top(1) - kSlotsBesideRow + kSlotsTop;
    if (p >= Top(2) && p <= ColumnEnd(3))
        return p - kRows;
    if (p >= kNamesTop && p <= kLastPos)
        return p - kNamesTop + (L ? Top(3) : Top(2));
    return kNoMove;
}

int Right(int p, int displayMode, bool L) {
    if (displayMode != Column::None)
        return kNoMove;
    if (p >= kClipsTop && p <= kClipsBottom)
        return p + Top(1);
    if (p >= kSlotsTop && p <= kSlotsBottom)
        return p - kSlotsTop + Top(1) + kSlotsBesideRow;
    if (p >= Top(1) && p <= ColumnEnd(1))
        return p + kRows;
    if (p >= Top(2) && p <= ColumnEnd(2))
        return L ? p + kRows : p - Top(2) + kNamesTop;
    if (p >= Top(3) && p <= ColumnEnd(3))
        return p - Top(3) + kNamesTop;
    return kNoMove;
}

}  // namespace

int NavigateKey(int keyCode, int pos, const NavigationContext& c) {
    if (c.clipboardOnlyMode == ClipboardOnly::Vertical ||
        c.clipboardOnlyMode == ClipboardOnly::Horizontal) {
        return InClipboardOnly(keyCode, pos, c.clipboardOnlyMode == ClipboardOnly::Horizontal);
    }
    const bool L = c.large;
    switch (keyCode) {
        case forms::Key::PageUp:
            return PageUp(pos);
        case forms::Key::PageDown:
            return PageDown(pos, L);
        case forms::Key::End:
            return EndKey(c.displayMode, L);
        case forms::Key::Home:
            return HomeKey(c.displayMode);
        case forms::Key::Up:
            return Up(pos, c.displayMode, L);
        case forms::Key::Down:
            return Down(pos, c.displayMode, L);
        case forms::Key::Left:
            return Left(pos, c.displayMode, L);
        case forms::Key::Right:
            return Right(pos, c.displayMode, L);
        default:
            return kNoMove;
    }
}

int SectionOf(int pos) {
    if (pos <= kClipsBottom || (pos >= kSlotsTop && pos <= kSlotsBottom))
        return 0;
    for (int c = 1; c <= 3; ++c) {
        if (pos <= ColumnEnd(c))
            return c;
    }
    return 4;
}

std::vector<int> SectionPositions(int section) {
    std::vector<int> positions;
    auto add = [&](int from, int to) {
        for (int p = from; p <= to; ++p) {
            positions.push_back(p);
        }
    };
    switch (section) {
        case 0:
            add(kClipsTop, kClipsBottom);
            add(kSlotsTop, kSlotsBottom);
            break;
        case 1:
        case 2:
        case 3:
            add(Top(section), ColumnEnd(section));
            break;
        default:
            add(kNamesTop, kLastPos);
            break;
    }
    return positions;
}

}  // namespace mirvo
