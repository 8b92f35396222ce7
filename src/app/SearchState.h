#pragma once

#include <string>

namespace mirvo {

inline constexpr int kSearchLibraries = 29;

// Where a clip search goes on (0-based): the library and group still to search, the offsets in
// the group names and in the titles from which to go on, and the library after which it gives
// up.
struct SearchPosition {
    int library = 1;
    int group = 0;
    int nameOffset = 0;
    int titleOffset = 0;
    int stopLibrary = kSearchLibraries;
};

// The last search, kept for the next Enter with the same word.
struct SearchState {
    std::string SearchTerm;  // upper-cased
    SearchPosition position;
};

}  // namespace mirvo
