// The quick-help file "mirvo.qhp" beside the program.

#include "app/App.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "help/QuickHelp.h"

namespace mirvo::fuzz {

namespace {

std::string HelpFile(const App& app) {
    return app.ProgramFolder + kQuickHelpFileName;
}

void ReadHelp(FuzzProgram& program, const files::Bytes& input) {
    const std::string text(input.begin(), input.end());
    for (int topic = -1; topic <= 49; ++topic) {
        ExtractTopic(text, topic);
    }
    // The window's text comes from the file on disk, cut as the text in memory is.
    const int topic = input.empty() ? 1 : 1 + input[0] % 48;
    Require(
        QuickHelpText(program.app(), topic) == ExtractTopic(text, topic).value_or(kHelpFileCorrupt),
        "the quick-help window and the file disagree");
}

}  // namespace

void AddHelpTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"quick_help", HelpFile, ReadHelp});
}

}  // namespace mirvo::fuzz
