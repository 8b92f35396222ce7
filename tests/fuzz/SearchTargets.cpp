// The search's reading of a group's titles file "group" g ".dat": whatever the file holds, a
// search over it ends in a library and a group that exist, with a position inside the file's
// layout, and leaves the file as it was.

#include <algorithm>
#include <string>

#include "app/App.h"
#include "app/AppSettings.h"
#include "app/SearchState.h"
#include "app/StoreLayout.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "search/SearchCore.h"
#include "search/Searchit.h"

namespace mirvo::fuzz {

namespace {

constexpr size_t kTitleWidth = 50;

std::string TitlesFile(const App& app) {
    return app.LibraryFolder + "group0.dat";
}

void RequirePositionInside(const App& app) {
    const SearchPosition& at = app.search.position;
    Require(at.library >= 1 && at.library <= kSearchLibraries, "the search left the libraries");
    Require(at.group >= 0 && at.group < store::kGroupCount, "the search left the groups");
    Require(at.titleOffset >= 0 && at.titleOffset <= 96 * static_cast<int>(kTitleWidth) &&
                at.nameOffset >= 0 && at.nameOffset <= 32 * static_cast<int>(kTitleWidth),
            "the search position left the files' layout");
    Require(app.CurrentLibrary >= 1 && app.CurrentLibrary <= kSearchLibraries,
            "no library to show");
    Require(app.settings.CurrentGroup >= 0 && app.settings.CurrentGroup < store::kGroupCount,
            "no group to show");
}

// A word from the file itself (its second record, which a search of the full window meets) and
// one from nowhere, each searched for twice: a new search and its continuation.
void ReadTitles(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    const std::string file = TitlesFile(app);  // a match elsewhere may switch the library
    app.settings.LargeWindow = 1;
    std::string word(
        input.begin() + static_cast<std::ptrdiff_t>(std::min(input.size(), kTitleWidth)),
        input.begin() + static_cast<std::ptrdiff_t>(std::min(input.size(), 2 * kTitleWidth)));
    word = SearchUpper(word.substr(0, word.find_first_of(std::string(" \0", 2))));
    for (const std::string& term : {word, std::string("\x01NOWHERE\x02")}) {
        if (term.empty()) {
            continue;
        }
        app.search.SearchTerm = term;
        Searchit(app, 1);
        RequirePositionInside(app);
        Searchit(app, 2);
        RequirePositionInside(app);
    }
    Require(program.Read(file) == input, "searching the titles changed them");
}

}  // namespace

void AddSearchTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"search_titles", TitlesFile, ReadTitles});
}

}  // namespace mirvo::fuzz
