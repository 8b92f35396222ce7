// The launch pad's two files: a shortcut's data file, read by the shortcut editor and by the
// launch, and "Book.Mrk", read by the editor. Reading shows fields no longer than the file
// keeps them, leaves a shortcut as it was, and writes the bookmarks back as they were read.

#include <filesystem>

#include "app/App.h"
#include "app/Modes.h"
#include "clipboard/ClipDataFile.h"
#include "fuzz/FuzzProgram.h"
#include "fuzz/FuzzTargets.h"
#include "launchpad/Bookmarks.h"
#include "launchpad/Launch.h"
#include "launchpad/LaunchPad.h"
#include "launchpad/ShortcutEditor.h"
#include "launchpad/ShortcutFile.h"
#include "panels/MainForm.h"

namespace mirvo::fuzz {

namespace {

constexpr int kShortcutSlot = 6;
constexpr int kEditedSlot = 7;

std::string ShortcutFile(const App& app) {
    return app.DataFolder + "trans." + std::to_string(kShortcutSlot);
}
std::string BookmarksFile(const App& app) {
    return app.DataFolder + kBookmarksFile;
}

void RequireField(const std::string& text, size_t width, const std::string& what) {
    RequireTitle(text, width, what);
    Require(text.find('\0') == std::string::npos, what + " holds a NUL");
}

// Opens the editor on a transfer slot and hands it to check, which closes it.
void InEditor(FuzzProgram& program, int slot, const std::function<void(LaunchPad&)>& check) {
    test::TestApp& t = program.doubles();
    bool opened = false;
    t.host.onModal = [&](forms::Form& form) {
        if (form.Name() == "LaunchPad" && !opened) {
            opened = true;
            check(static_cast<LaunchPad&>(form));
        }
    };
    OpenShortcutEditor(program.app(), ClipSource::TransferSlot, slot);
    t.host.onModal = nullptr;
    Require(opened, "the shortcut editor did not open");
}

void ReadShortcut(FuzzProgram& program, const files::Bytes& input) {
    App& app = program.app();
    test::TestApp& t = program.doubles();
    const bool marked = input.size() >= 2 && files::ReadInt16(input, 0) == kShortcutMarker;
    const Shortcut stored = DecodeShortcut(input);
    InEditor(program, kShortcutSlot, [&](LaunchPad& pad) {
        RequireField(pad.File.Text(), kShortcutFieldWidth, "the file to launch");
        RequireField(pad.Start.Text(), kShortcutFieldWidth, "the start folder");
        RequireField(pad.Command.Text(), kShortcutFieldWidth, "the command line");
        RequireField(pad.title.Text(), kShortcutTitleWidth, "the title");
        if (marked) {
            Require(pad.File.Text() == stored.file && pad.Start.Text() == stored.start &&
                        pad.Command.Text() == stored.command && pad.title.Text() == stored.title,
                    "the editor shows other fields than the file holds");
        } else {
            Require(pad.File.Text().empty() && pad.title.Text().empty(),
                    "a file without the marker was read as a shortcut");
        }
        pad.Unload();
    });
    const std::string path = ShortcutFile(app);
    if (input.empty()) {
        Require(!std::filesystem::exists(path), "an empty shortcut file was kept");
    } else {
        Require(program.Read(path) == input, "opening the editor changed the shortcut file");
    }

    // The launch reads the same fields and hands them over whole.
    t.shell.started.clear();
    t.shell.opened.clear();
    Launch(app, path);
    const Shortcut launched = input.empty() ? Shortcut{} : stored;
    if (IsProgramFile(launched.file)) {
        Require(t.shell.started.size() == 1 && t.shell.started[0].commandLine ==
                                                   ProgramCommand(launched.file, launched.command),
                "the program was not started with its command line");
    } else {
        Require(t.shell.opened.size() == 1 && t.shell.opened[0].file == launched.file,
                "the document was not opened");
    }
    app.MainWindow().SetWindowState(forms::WindowState::Normal);
    t.desktop.beeps.clear();
    t.desktop.topmostCalls.clear();
}

void ReadBookmarkFile(FuzzProgram& program, const files::Bytes& input) {
    const Bookmarks stored = DecodeBookmarks(input);
    Bookmarks shown;
    InEditor(program, kEditedSlot, [&](LaunchPad& pad) {
        for (size_t i = 0; i < kBookmarkCount; ++i) {
            shown.folders[i] = pad.Folders[i]->Caption();
            RequireField(shown.folders[i], kBookmarkWidth, "a bookmark");
        }
        for (size_t i = 0; i < kFilterCount; ++i) {
            shown.filters[i] = pad.Filters[i]->Caption();
            RequireField(shown.filters[i], kFilterWidth, "a filter");
        }
        Require(shown.filters[0] == kAllFilesFilter && shown.filters[1] == kProgramsFilter,
                "a fixed filter changed");
        if (!input.empty()) {
            Require(shown.folders == stored.folders && shown.filters == stored.filters,
                    "the editor shows other bookmarks than the file holds");
        }
        pad.Unload();
    });
    const files::Bytes written = program.Read(BookmarksFile(program.app()));
    Require(written.size() == kBookmarksFileSize, "\"Book.Mrk\" was not written whole");
    const Bookmarks reread = DecodeBookmarks(written);
    Require(reread.folders == shown.folders && reread.filters == shown.filters,
            "the bookmarks written back differ from those shown");
}

std::vector<files::Bytes> OtherShortcuts() {
    const files::AnsiCodePage ansi;
    return {EncodeShortcut(ansi, {"C:\\My Docs\\letter.doc", "", "", "Letter"}),
            EncodeShortcut(ansi, {std::string(500, 'x') + ".exe", std::string(500, 's'),
                                  std::string(500, 'c'), std::string(20, 't')})};
}

}  // namespace

void GiveLaunchPadContent(App& app) {
    WriteShortcutFile(app, ShortcutFile(app),
                      {"C:\\Program Files\\Tool\\tool.exe", "C:\\Program Files\\Tool",
                       "C:\\My Docs\\a.txt /p", "Tool"});
    Bookmarks bookmarks;
    bookmarks.folders[0] = AsBookmark("C:\\My Docs");
    bookmarks.folders[10] = AsBookmark("C:\\Program Files\\Tool");
    bookmarks.filters[2] = "*.txt;*.doc";
    bookmarks.filters[10] = "*.log";
    bookmarks.lastFolder = "C:\\My Docs";
    SaveBookmarks(app, bookmarks);
}

void AddLaunchPadTargets(std::vector<FuzzTarget>& targets) {
    targets.push_back({"shortcut", ShortcutFile, ReadShortcut, OtherShortcuts});
    targets.push_back({"bookmarks", BookmarksFile, ReadBookmarkFile});
}

}  // namespace mirvo::fuzz
