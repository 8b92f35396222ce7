#pragma once

#include <string>

namespace mirvo {

class App;

// Launching a shortcut: a program starts with its command line in its start folder; a document
// or folder opens with the shell's "open" verb. A failure is told in the window Errors.

// Own code for a start folder that could not be made current.
inline constexpr int kStartFolderMissing = 99;

// Whether the file is a program: its name ends in ".COM", ".EXE" or ".BAT", in any case.
bool IsProgramFile(const std::string& file);
// The path in double quotes when it holds a blank and is not quoted already: otherwise the
// system would take its first word for the program ("C:\Program.exe" for "C:\Program Files\").
std::string QuotedIfBlank(const std::string& path);
// The command that starts a program with a command line. The program is always quoted. A
// command line that starts with an absolute path ("C:\" or "\\") and holds no double quote
// has its path quoted when it holds a blank: the part up to the first blank after its first "."
// (all of it when no blank follows the dot). Any other command line is passed as written.
std::string ProgramCommand(const std::string& file, const std::string& commandLine);
// The words for a launch result below 33.
std::string LaunchErrorMessage(int code);

// Launches the shortcut of a data file whose marker was found.
void Launch(App& app, const std::string& shortcutFile);

}  // namespace mirvo
