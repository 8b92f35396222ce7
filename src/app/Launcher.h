#pragma once

#include <string>

namespace mirvo {

class App;

// The command line that starts the launcher program "lnch2.exe" of the program folder.
std::string LauncherCommand(App& app);
// Hands a target to the launcher through "lnch.dat" in the private folder and starts it;
// a launcher that cannot start is ignored.
void OpenTarget(App& app, const std::string& target);
// Opens a page of the program's "tutorial" folder.
void OpenTutorialPage(App& app, const std::string& name);

}  // namespace mirvo
