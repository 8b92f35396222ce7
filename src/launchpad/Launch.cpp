#include "launchpad/Launch.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "app/App.h"
#include "display/DisplayModes.h"
#include "forms/FormsHost.h"
#include "launchpad/Errors.h"
#include "launchpad/ShortcutFile.h"
#include "panels/MainForm.h"
#include "platform/Desktop.h"
#include "platform/Shell.h"

namespace mirvo {

namespace {

constexpr int kNormalWindow = 1;
constexpr int kFirstSuccess = 33;
constexpr std::uint32_t kErrorDelayMs = 200;
// Shortcuts name Windows paths whatever the system the tests run on.
constexpr char kWindowsSeparator = '\\';

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string Quoted(const std::string& path) {
    return !path.empty() && path.front() == '"' ? path : "\"" + path + "\"";
}

// A drive letter with ":\", or "\\" of a share.
bool StartsWithAbsolutePath(const std::string& text) {
    const char letter = text.empty() ? '\0' : static_cast<char>(text[0] & ~0x20);
    const bool drive = text.size() >= 3 && letter >= 'A' && letter <= 'Z' && text[1] == ':' &&
                       text[2] == kWindowsSeparator;
    return drive || text.rfind("\\\\", 0) == 0;
}

// The failure's code; nothing when the program started or the document opened.
using Failure = std::optional<int>;

Failure Checked(int code) {
    return code >= kFirstSuccess ? Failure() : Failure(code);
}

Failure StartProgramFile(App& app, const Shortcut& shortcut) {
    platform::Shell& shell = app.os.shell;
    const bool inFolder = !shortcut.start.empty();
    const std::string previous = inFolder ? shell.CurrentFolder() : std::string();
    if (inFolder && !shell.SetCurrentFolder(shortcut.start)) {
        return kStartFolderMissing;
    }
    const int code =
        shell.StartProgram(ProgramCommand(shortcut.file, shortcut.command), kNormalWindow);
    // The program has taken the folder over; this process keeps no hold on it.
    if (inFolder && !previous.empty()) {
        shell.SetCurrentFolder(previous);
    }
    return Checked(code);
}

// A document opens in the program its type belongs to, a folder in the shell's own window.
Failure OpenDocument(App& app, const std::string& file) {
    const size_t split = file.rfind(kWindowsSeparator);
    const std::string folder = split == std::string::npos ? std::string() : file.substr(0, split);
    return Checked(app.os.shell.OpenWithShell(file, folder));
}

Failure StartShortcut(App& app, const Shortcut& shortcut) {
    if (app.settings.CompactLayout != 1) {
        // The started program comes to the front.
        SetLastDisplay(app);
    }
    if (app.os.shell.PathSearchFails(shortcut.file)) {
        return 2;
    }
    return IsProgramFile(shortcut.file) ? StartProgramFile(app, shortcut)
                                        : OpenDocument(app, shortcut.file);
}

void ReportFailure(App& app, int code) {
    MainForm& edit = app.MainWindow();
    platform::Desktop& desktop = app.os.desktop;
    edit.SetWindowState(forms::WindowState::Normal);
    desktop.SetTopmost(edit.hWnd(), true);
    app.os.forms.DoEvents();
    if (app.settings.CompactLayout != 1) {
        desktop.SetTopmost(edit.hWnd(), false);
    }
    WaitMs(app, kErrorDelayMs);
    app.RefusalTones();
    Errors errors(app, LaunchErrorMessage(code));
    errors.Show(forms::ShowMode::Modal);
}

}  // namespace

bool IsProgramFile(const std::string& file) {
    if (file.size() < 4) {
        return false;
    }
    const std::string extension = Upper(file.substr(file.size() - 4));
    return extension == ".COM" || extension == ".EXE" || extension == ".BAT";
}

std::string QuotedIfBlank(const std::string& path) {
    if (path.find(' ') == std::string::npos || path.front() == '"') {
        return path;
    }
    return "\"" + path + "\"";
}

std::string ProgramCommand(const std::string& file, const std::string& commandLine) {
    const std::string program = Quoted(file);
    if (commandLine.empty()) {
        return program;
    }
    // What the user quoted, switches, words and addresses are the program's to read as written.
    if (commandLine.find('"') != std::string::npos || !StartsWithAbsolutePath(commandLine)) {
        return program + " " + commandLine;
    }
    // A document's path, maybe with a blank, maybe followed by switches.
    std::string prepared = commandLine;
    const size_t dot = commandLine.find('.');
    if (dot != std::string::npos) {
        const size_t blank = commandLine.find(' ', dot);
        prepared = blank == std::string::npos ? QuotedIfBlank(commandLine)
                                              : QuotedIfBlank(commandLine.substr(0, blank)) + " " +
                                                    commandLine.substr(blank + 1);
    }
    return program + " " + prepared;
}

std::string LaunchErrorMessage(int code) {
    switch (code) {
        case 2:
        case 3:
            return "The executable file or folder no longer exists !";
        case 5:
            return "Cannot run Application - Missing Dll or out of memory";
        case 31:
            return "There is no association for this file type !";
        case kStartFolderMissing:
            return "The start in folder does not exist !";
        default:
            return "Cannot run Application - Unknown Error !";
    }
}

void Launch(App& app, const std::string& shortcutFile) {
    const Shortcut shortcut = ReadShortcutFile(app, shortcutFile);
    if (const Failure failure = StartShortcut(app, shortcut)) {
        ReportFailure(app, *failure);
    }
}

}  // namespace mirvo
