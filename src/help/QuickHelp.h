#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mirvo {

class App;

inline constexpr const char* kQuickHelpFileName = "mirvo.qhp";
inline constexpr const char* kHelpFileCorrupt = "Help File Corrupt !";

// The text of a topic of the quick-help file: from just after the marker "##" & topic to three
// characters before the marker of the next topic (the line break and the character before it
// are not shown). Nothing when a marker is missing or the text would be negative.
std::optional<std::string> ExtractTopic(std::string_view file, int topic);

// The text the quick-help window shows for a topic: the topic from "mirvo.qhp" in the program
// folder, or "Help File Corrupt !".
std::string QuickHelpText(App& app, int topic);

// Shows the quick-help window for a topic, modally.
void ShowQuickHelp(App& app, int topic);

}  // namespace mirvo
