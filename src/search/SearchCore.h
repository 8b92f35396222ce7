#pragma once

#include <functional>
#include <optional>
#include <string>

#include "app/SearchState.h"

namespace mirvo {

// The search of clip titles and group names across the libraries, apart from the files: the
// caller hands in the readers. Positions are 0-based here.

struct SearchHit {
    int library = 0;
    int group = 0;
    bool groupName = false;  // a group's name matched, not one of its clips
    int row = 0;             // of the group names, or of the clip's column
    int column = 0;          // 1..3 for a clip
};

struct SearchFiles {
    // A library's "Groups.dat" (at most 1600 bytes), or nothing when it has none.
    std::function<std::optional<std::string>(int library)> groupNames;
    // A group's titles file (at most 4800 bytes), or nothing when it has none.
    std::function<std::optional<std::string>(int library, int group)> titles;
};

// A search of term starting in the current library (the position for it).
SearchPosition NewSearch(int currentLibrary);

// The next match of term (upper-cased already) from the position, which moves on past it; the
// small window searches its 23 rows only, as it shows them. Nothing when the stop library has
// been searched without a match.
std::optional<SearchHit> FindNext(const SearchFiles& files, const std::string& term,
                                  SearchPosition& at, bool large);

// Upper case, the way the search compares.
std::string SearchUpper(std::string text);

}  // namespace mirvo
