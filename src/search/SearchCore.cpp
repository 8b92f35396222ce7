#include "search/SearchCore.h"

#include <utility>

#include "app/StoreLayout.h"

namespace mirvo {

namespace {

constexpr int kRecord = 50;
constexpr int kGroups = 32;
constexpr int kSmallRows = 23;
constexpr int kColumnSlots = 32;
constexpr int kLastSlot = 95;

char Upper(char c) {
    const auto u = static_cast<unsigned char>(c);
    return static_cast<char>(u - (static_cast<unsigned char>(u - 'a') < 26 ? 'a' - 'A' : 0));
}

// Upper case in place, the way the search compares: ASCII letters only, whatever the locale,
// since titles are bytes of the ANSI code page. Most of a search's own time went here: blocks
// of a fixed size without a branch let the compiler use vector instructions.
void UpperInPlace(std::string& text) {
    constexpr size_t kBlock = 16;
    char* c = text.data();
    const size_t size = text.size();
    size_t i = 0;
    for (; i + kBlock <= size; i += kBlock) {
        for (size_t k = 0; k < kBlock; ++k) {
            c[i + k] = Upper(c[i + k]);
        }
    }
    for (; i < size; ++i) {
        c[i] = Upper(c[i]);
    }
}

// The group names a window of that size shows, upper-cased.
std::string NamesSearched(std::string names, bool large) {
    const size_t shown = static_cast<size_t>((large ? kGroups : kSmallRows) * kRecord);
    if (names.size() > shown) {
        names.resize(shown);
    }
    UpperInPlace(names);
    return names;
}

// The titles a window of that size shows, at their slots' offsets: the small window shows rows
// 0..22 of the first two columns only.
std::string TitlesSearched(std::string titles, bool large) {
    if (large) {
        if (titles.size() > 96 * kRecord) {
            titles.resize(96 * kRecord);
        }
        UpperInPlace(titles);
        return titles;
    }
    const size_t shown = kSmallRows * kRecord;
    std::string searched = titles.substr(0, shown);
    searched.resize(kColumnSlots * kRecord, ' ');
    if (titles.size() > kColumnSlots * kRecord) {
        searched += titles.substr(kColumnSlots * kRecord, shown);
    }
    UpperInPlace(searched);
    return searched;
}

int NextLibrary(int library) {
    return library >= kSearchLibraries ? 1 : library + 1;
}

}  // namespace

std::string SearchUpper(std::string text) {
    UpperInPlace(text);
    return text;
}

SearchPosition NewSearch(int currentLibrary) {
    SearchPosition at;
    at.library = currentLibrary;
    at.stopLibrary = currentLibrary <= 1 ? kSearchLibraries : currentLibrary - 1;
    return at;
}

std::optional<SearchHit> FindNext(const SearchFiles& files, const std::string& term,
                                  SearchPosition& at, bool large) {
    if (term.empty()) {
        return std::nullopt;
    }
    const int lastGroup = (large ? kGroups : kSmallRows) - 1;
    // Each library once, and the one it started in a second time for what lies before the start.
    for (int visited = 0; visited <= kSearchLibraries; ++visited) {
        const int library = at.library;
        if (auto names = files.groupNames(library)) {
            const std::string searched = NamesSearched(std::move(*names), large);
            size_t found = searched.find(term, static_cast<size_t>(at.nameOffset));
            // A group the library does not show is passed, as a click on its name is refused.
            while (found != std::string::npos &&
                   !store::GroupShownIn(library, static_cast<int>(found) / kRecord)) {
                found = searched.find(term, (found / kRecord + 1) * kRecord);
            }
            if (found != std::string::npos) {
                const int row = static_cast<int>(found) / kRecord;
                at.nameOffset = (row + 1) * kRecord;
                return SearchHit{library, row, true, row, 0};
            }
            at.nameOffset = static_cast<int>(searched.size());
        }
        for (int group = at.group; group <= lastGroup; ++group) {
            auto titles =
                store::GroupShownIn(library, group) ? files.titles(library, group) : std::nullopt;
            if (titles) {
                const std::string searched = TitlesSearched(std::move(*titles), large);
                const size_t found = searched.find(term, static_cast<size_t>(at.titleOffset));
                if (found != std::string::npos) {
                    const int slot = static_cast<int>(found) / kRecord;
                    const SearchHit hit{library, group, false, slot % kColumnSlots,
                                        slot / kColumnSlots + 1};
                    if (slot < kLastSlot) {
                        at.group = group;
                        at.titleOffset = (slot + 1) * kRecord;
                    } else if (group < lastGroup) {
                        at.group = group + 1;
                        at.titleOffset = 0;
                    } else {
                        at = SearchPosition{NextLibrary(library), 0, 0, 0, at.stopLibrary};
                    }
                    return hit;
                }
            }
            at.titleOffset = 0;
        }
        if (library == at.stopLibrary) {
            return std::nullopt;
        }
        at = SearchPosition{NextLibrary(library), 0, 0, 0, at.stopLibrary};
    }
    return std::nullopt;
}

}  // namespace mirvo
