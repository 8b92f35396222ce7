#include "search/Searchit.h"

#include <algorithm>
#include <memory>

#include "app/App.h"
#include "app/SearchState.h"
#include "app/StoreLayout.h"
#include "display/PanelMouse.h"
#include "files/AnsiText.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "platform/FileSystem.h"
#include "search/SearchCore.h"
#include "store/Libraries.h"
#include "store/LibraryFiles.h"

namespace mirvo {

namespace {

constexpr forms::Color kSearchingColor = 255;
constexpr int kBlinks = 3;
constexpr std::uint32_t kBlinkMs = 200;

// At most limit bytes from the start of a file, as far as it goes; nothing when it cannot be
// read. One read straight into the text: the search reads about a thousand files.
std::optional<std::string> ReadUpTo(platform::FileSystem& fs, const std::string& path,
                                    size_t limit) {
    try {
        const std::unique_ptr<platform::File> file = fs.Open(path, platform::OpenMode::ReadOnly);
        std::string text(limit, '\0');
        text.resize(file->ReadAt(0, text.data(), limit));
        return text;
    } catch (const platform::FileError&) {
        return std::nullopt;
    }
}

// The files a search reads, bounded by their layouts: short files are read as far as they go.
SearchFiles FilesOf(App& app) {
    SearchFiles files;
    files.groupNames = [&app](int library) {
        return ReadUpTo(app.os.files, LibraryFolderOf(app, library) + store::kGroupNamesFile,
                        store::kGroupCount * store::kTitleWidth);
    };
    files.titles = [&app](int library, int group) -> std::optional<std::string> {
        // The library's own files: "Hot Key Clips", kept in the data folder, is not searched.
        std::optional<std::string> titles = ReadUpTo(
            app.os.files, LibraryFolderOf(app, library) + "group" + std::to_string(group) + ".dat",
            store::kSlotCount * store::kTitleWidth);
        if (titles && titles->empty()) {
            return std::nullopt;
        }
        return titles;
    };
    return files;
}

void Repaint(App& app) {
    app.MainWindow().Refresh();
}

void ShowNothingFound(App& app, forms::TextBox& box) {
    box.SetText("Nothing Found");
    app.RefusalTones();
    for (int blink = 0; blink < kBlinks; ++blink) {
        box.SetBackColor(kSearchingColor);
        Repaint(app);
        WaitMs(app, kBlinkMs);
        box.SetBackColor(forms::QBColor(15));
        Repaint(app);
        WaitMs(app, kBlinkMs);
    }
    app.search.SearchTerm.clear();
    box.SetText("");
    box.TrySetFocus();
}

// The match becomes what the main window shows: its library (switched the way the library
// manager switches) and its group.
void ShowMatch(App& app, const SearchHit& hit) {
    if (hit.library != app.CurrentLibrary) {
        SwitchLibrary(app, hit.library);
    }
    if (hit.group != app.settings.CurrentGroup) {
        SelectGroup(app, hit.group);
    }
    // The marker stands just left of the matched label, wherever the layout puts it.
    MainForm& edit = app.MainWindow();
    const int pos =
        hit.groupName ? kFirstGroupNamePos + hit.row : ColumnTopPos(hit.column) + hit.row;
    int left = 0;
    int top = 0;
    const forms::Label* label = PanelLabel(app, pos);
    for (const forms::Control* c = label; c; c = c->Container()) {
        left += c->Left();
        top += c->Top();
    }
    forms::PictureBox& pointer = edit.Pointer;
    pointer.Move(std::max(0, left - pointer.Width()),
                 top + (label->Height() - pointer.Height()) / 2, pointer.Width(), pointer.Height());
    edit.Pointer.BringToFront();
    edit.Pointer.SetVisible(true);
    edit.PointerTimer.SetEnabled(true);
}

}  // namespace

void Search_Enter(App& app) {
    const std::string typed = SearchUpper(app.MainWindow().controlPanel.Search.Text());
    if (files::TrimRight(typed).empty()) {
        return;
    }
    if (typed != app.search.SearchTerm) {
        app.search.SearchTerm = typed;
        Searchit(app, 1);
    } else {
        Searchit(app, 2);
    }
}

void Searchit(App& app, int mode) {
    MainForm& edit = app.MainWindow();
    forms::TextBox& box = edit.controlPanel.Search;
    edit.SetPointer(forms::MousePointer::ArrowHourglass);
    HideSearchPointer(app);
    const std::string typed = box.Text();
    box.SetText("Searching");
    box.SetBackColor(kSearchingColor);
    Repaint(app);

    SearchPosition& at = app.search.position;
    if (mode == 1) {
        at = NewSearch(app.CurrentLibrary);
    }
    const std::optional<SearchHit> hit =
        FindNext(FilesOf(app), app.search.SearchTerm, at, app.settings.LargeWindow == 1);
    edit.SetPointer(forms::MousePointer::Default);
    box.SetBackColor(forms::QBColor(15));
    if (!hit) {
        ShowNothingFound(app, box);
        return;
    }
    ShowMatch(app, *hit);
    box.SetText(typed);
}

void PointerTimer_Timer(App& app) {
    forms::PictureBox& pointer = app.MainWindow().Pointer;
    pointer.SetBackColor(pointer.BackColor() == kSearchingColor ? forms::QBColor(15)
                                                                : kSearchingColor);
}

}  // namespace mirvo
