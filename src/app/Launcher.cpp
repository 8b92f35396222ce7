#include "app/Launcher.h"

#include "app/App.h"
#include "files/DataFile.h"
#include "files/Paths.h"
#include "platform/Shell.h"

namespace mirvo {

std::string LauncherCommand(App& app) {
    const std::string path = app.ProgramFolder + "lnch2.exe";
    std::string command = app.os.shell.ShortPath(path);
    if (command.empty()) {
        command = path;
    }
    // A long name with blanks (no short name on the disk) must be quoted to stay one word.
    if (command.find(' ') != std::string::npos) {
        command = "\"" + command + "\"";
    }
    return command;
}

bool OpenTarget(App& app, const std::string& target) {
    // The file is rewritten whole: a shorter target never keeps the tail of a longer one.
    files::ReplaceDataFile(app.os.files, app.PrivateDataFolder + "lnch.dat",
                           files::Bytes(target.begin(), target.end()));
    constexpr int kFirstSuccess = 32;  // WinExec's results below are errors
    return app.os.shell.StartProgram(LauncherCommand(app), 1) >= kFirstSuccess;
}

std::string TutorialPage(App& app, const std::string& name) {
    return app.ProgramFolder + "tutorial" + files::kPathSeparator + name;
}

bool OpenTutorialPage(App& app, const std::string& name) {
    return OpenTarget(app, TutorialPage(app, name));
}

}  // namespace mirvo
