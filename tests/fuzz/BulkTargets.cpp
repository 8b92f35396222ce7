// The bulk cache's titles "bulk.dat" and the bulk paste's user text "Spacer.txt".

#include <algorithm>

#include "app/App.h"
#include "app/Modes.h"
#include "clipboard/BulkCache.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "paste/BulkForm.h"

namespace mirvo::fuzz {

namespace {

constexpr size_t kTitleWidth = 50;

std::string TitlesFile(const App& app) {
    return app.DataFolder + "bulk.dat";
}
std::string SpacerFile(const App& app) {
    return app.DataFolder + kSpacerFileName;
}

bool StartsWith(const files::Bytes& bytes, size_t at, const std::string& text) {
    if (at + text.size() > bytes.size()) {
        return text.empty();
    }
    return std::equal(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char c, std::uint8_t b) { return static_cast<std::uint8_t>(c) == b; });
}

// A full cache, and a count from the input, so that every file meets short and long counts.
void ReadTitles(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    const int counts[] = {kBulkCacheSize, input.empty() ? 0 : input.back() % (kBulkCacheSize + 1)};
    for (const int count : counts) {
        app.settings.BulkCount = static_cast<std::int16_t>(count);
        const std::vector<std::string> titles = ReadBulkTitles(app);
        Require(titles.size() == static_cast<size_t>(count), "not one title per item");
        for (size_t n = 0; n < titles.size(); ++n) {
            RequireTitle(titles[n], kTitleWidth, "bulk title");
            Require(titles[n].find('\0') == std::string::npos, "a bulk title holds a NUL");
            Require(StartsWith(input, n * kTitleWidth, titles[n]),
                    "a bulk title is not its record's text");
        }
    }
    Require(program.Read(TitlesFile(app)) == input, "reading bulk.dat changed it");
}

// The window loads the text; "Paste" with "User supplied text" writes back what it shows.
void ReadSpacer(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    test::TestApp& doubles = program.doubles();
    app.settings.BulkSpacing = BulkSeparator::UserText;
    BulkForm form(app);
    form.Show();
    const std::string shown = form.Text1.Text();
    Require(shown.size() <= kSpacerTextLimit, "the user text exceeds its bound");
    Require(shown.find('\0') == std::string::npos, "the user text runs past a NUL");
    Require(StartsWith(input, 0, shown), "the user text is not the file's start");
    const bool fits =
        input.size() <= kSpacerTextLimit && std::find(input.begin(), input.end(), 0) == input.end();
    Require(!fits || shown.size() == input.size(), "the user text is not the whole file");
    Require(program.Read(SpacerFile(app)) == input, "loading changed Spacer.txt");

    doubles.host.Click(form.OKBtn);
    Require(form.Loaded() == shown.empty(), "an empty user text was taken, or a text refused");
    const files::Bytes kept = shown.empty() ? input : files::Bytes(shown.begin(), shown.end());
    Require(program.Read(SpacerFile(app)) == kept, "Paste did not keep the user text whole");
    form.Unload();
    doubles.desktop.topmostCalls.clear();
    doubles.desktop.beeps.clear();
}

}  // namespace

void AddBulkTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"bulk_titles", TitlesFile, ReadTitles});
    targets.push_back({"spacer_text", SpacerFile, ReadSpacer});
}

}  // namespace mirvo::fuzz
