#pragma once

#include <vector>

namespace mirvo {

// Where the navigation keys move the keyboard highlight. Positions: 0..8 clipboard clips,
// 9..104 group clips (three columns of 32), 105..112 transfer slots, 113..144 group names.
struct NavigationContext {
    bool large = true;          // the large window uses all 32 rows and the transfer slots
    int clipboardOnlyMode = 0;  // 1 vertical, 2 horizontal: only the nine clips move
    int displayMode = 5;        // the column shown alone (0..3), 5 none
};

inline constexpr int kNoMove = -1;

// The position a key moves the highlight to from pos, by the tables of the main window, or
// kNoMove. It does not know which controls are hidden.
int NavigateKey(int keyCode, int pos, const NavigationContext& c);

// The section a position belongs to, for "the same column": 0 the left-hand column (clipboard
// clips and transfer slots), 1..3 the group clip columns, 4 the group names.
int SectionOf(int pos);
// The positions of a section from top to bottom.
std::vector<int> SectionPositions(int section);

}  // namespace mirvo
