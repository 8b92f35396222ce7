#pragma once

#include <string>

namespace mirvo {

class App;

// The command line that starts the launcher program "lnch2.exe" of the program folder.
std::string LauncherCommand(App& app);
// Hands a target to the launcher through "lnch.dat" in the private folder and starts it. False
// when the launcher could not start; callers that have nothing to tell the user ignore it.
bool OpenTarget(App& app, const std::string& target);
// The path of a page of the program's "tutorial" folder.
std::string TutorialPage(App& app, const std::string& name);
// Opens a page of the program's "tutorial" folder; false as OpenTarget.
bool OpenTutorialPage(App& app, const std::string& name);

}  // namespace mirvo
