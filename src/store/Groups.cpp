#include "store/Groups.h"

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/Settings.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "files/Paths.h"
#include "forms/Controls.h"
#include "panels/GroupClipLayout.h"
#include "panels/PanelColor.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "store/Libraries.h"
#include "store/NewRecordFiles.h"
#include "store/RecordCodec.h"
#include "store/StoreColors.h"

namespace mirvo {

using namespace store;

namespace {
constexpr size_t kTitlesSize = kSlotCount * kTitleWidth;
constexpr size_t kColorsSize = kSlotCount * 4;
constexpr size_t kNamesSize = kGroupCount * kTitleWidth;
constexpr size_t kNameColorsSize = kGroupCount * 4;

using files::RecordFiles;
using files::RecordLayout;

// A group's records: title, paste mode and colour of each slot, in its three files.
const RecordLayout& GroupLayout() {
    static const RecordLayout layout{
        kSlotCount,
        {{0, 0, kTitleWidth}, {1, 0, 1}, {2, 0, 4}},
        {files::Bytes(kTitlesSize, ' '), files::Bytes(kSlotCount, kPasteModeNotSet),
         files::Bytes(kColorsSize, 0)}};
    return layout;
}

const RecordLayout& GroupNamesLayout() {
    static const RecordLayout layout{
        kGroupCount, {{0, 0, kTitleWidth}}, {files::Bytes(kNamesSize, ' ')}};
    return layout;
}

const RecordLayout& GroupNameColorsLayout() {
    static const RecordLayout layout{kGroupCount, {{0, 0, 4}}, {files::Bytes(kNameColorsSize, 0)}};
    return layout;
}

std::vector<std::string> GroupPaths(const App& app, int group) {
    return {GroupTitlesPath(app, group), GroupModesPath(app, group), GroupColorsPath(app, group)};
}

void Replace(App& app, const std::vector<std::string>& paths, const RecordFiles& contents) {
    std::vector<std::pair<std::string, files::Bytes>> replaced;
    for (size_t i = 0; i < paths.size(); ++i) {
        replaced.emplace_back(paths[i], contents[i]);
    }
    files::ReplaceDataFiles(app.os.files, replaced);
}

// The current group's record files as its panel shows them.
RecordFiles GroupPanelFiles(App& app) {
    std::vector<std::string> titles;
    std::vector<std::int32_t> colors;
    for (int n = 0; n < kSlotCount; ++n) {
        const int pos = kFirstGroupClipPos + n;
        titles.push_back(PanelTitle(app, pos));
        colors.push_back(StoredColor(TrueColor(app, pos), app.settings.GroupClipColor));
    }
    return {EncodeTitles(app.ansi, titles), EncodePasteModes(app.store.ClipPasteMode),
            EncodeLongs(colors)};
}

// Slots of the group clip panel shown from the group's record files.
void ShowGroupSlots(App& app, const RecordFiles& stored, const std::vector<int>& slots) {
    const std::vector<std::string> titles = DecodeTitles(stored[0], kSlotCount);
    const std::vector<std::uint8_t> modes = DecodePasteModes(stored[1], kSlotCount);
    const std::vector<std::int32_t> colors = DecodeLongs(stored[2], kSlotCount);
    const auto defaultColor = static_cast<forms::Color>(app.settings.GroupClipColor);
    for (const int slot : slots) {
        const auto n = static_cast<size_t>(slot);
        const int pos = kFirstGroupClipPos + slot;
        ShowTitle(app, pos, titles[n]);
        // An empty slot always shows the default colour, whatever its colour record says.
        const bool useDefault = titles[n].empty() || colors[n] == 0;
        ShowTrueColor(app, pos, useDefault ? defaultColor : static_cast<forms::Color>(colors[n]));
        app.store.ClipPasteMode[n] = modes[n];
    }
}

RecordFiles GroupNamesPanelFiles(App& app) {
    std::vector<std::string> names;
    for (int g = 0; g < kGroupCount; ++g) {
        names.push_back(PanelTitle(app, kFirstGroupNamePos + g));
    }
    return {EncodeTitles(app.ansi, names)};
}

void ShowGroupNames(App& app, const RecordFiles& stored, const std::vector<int>& groups) {
    const std::vector<std::string> names = DecodeTitles(stored[0], kGroupCount);
    for (const int g : groups) {
        ShowTitle(app, kFirstGroupNamePos + g, names[static_cast<size_t>(g)]);
    }
}

void ShowGroupNameColors(App& app, const RecordFiles& stored, const std::vector<int>& groups) {
    const std::vector<std::int32_t> colors = DecodeLongs(stored[0], kGroupCount);
    const auto defaultColor = static_cast<forms::Color>(app.settings.GroupNameColor);
    for (const int g : groups) {
        const std::int32_t color = colors[static_cast<size_t>(g)];
        ShowTrueColor(app, kFirstGroupNamePos + g,
                      color == 0 ? defaultColor : static_cast<forms::Color>(color));
    }
    // The stored colours must not hide which group is current.
    MarkCurrentGroupName(app);
}

// Shows what changed in a set of record files since this instance last read or wrote them.
bool ShowChanges(App& app, files::RecordBaseline& seen, const RecordLayout& layout,
                 void (*show)(App&, const RecordFiles&, const std::vector<int>&),
                 RecordFiles (*panel)(App&)) {
    if (seen.paths.empty()) {
        return false;
    }
    const RecordFiles now = files::ReadRecordFiles(app.os.files, seen.paths, layout);
    const std::vector<int> changed = files::ChangedRecords(layout, now, seen.stored);
    if (changed.empty()) {
        return false;
    }
    show(app, now, changed);
    seen.stored = now;
    if (panel) {
        seen.shown = panel(app);
    }
    return true;
}

// Writes a set of record files from the panel, merged with what other instances changed since
// this one last read or wrote them, and shows their changes.
void SaveMerged(App& app, files::RecordBaseline& seen, const std::vector<std::string>& paths,
                const RecordLayout& layout,
                void (*show)(App&, const RecordFiles&, const std::vector<int>&),
                RecordFiles (*panel)(App&)) {
    const RecordFiles ours = panel(app);
    FolderLock lock(app);
    RecordFiles written = ours;
    if (seen.paths == paths) {
        written = files::MergeRecords(layout, seen,
                                      files::ReadRecordFiles(app.os.files, paths, layout), ours);
    }
    Replace(app, paths, written);
    const std::vector<int> theirs = files::ChangedRecords(layout, written, ours);
    show(app, written, theirs);
    seen = {paths, written, theirs.empty() ? ours : panel(app)};
}

std::string LetterKey(int i, const char* after) {
    return std::string(1, static_cast<char>('A' + i)) + after;
}

// The group's name back in its own colour, from the colour file or the default.
void UnmarkGroupName(App& app, int group) {
    const std::vector<std::int32_t> colors = ReadGroupNameColors(app);
    const std::int32_t stored = colors[static_cast<size_t>(group)];
    ShowTrueColor(app, kFirstGroupNamePos + group,
                  static_cast<forms::Color>(stored != 0 ? stored : app.settings.GroupNameColor));
}
}  // namespace

std::string GroupFolder(const App& app, int group) {
    return group == kHotKeyGroup ? app.DataFolder : app.LibraryFolder;
}

std::string GroupTitlesPath(const App& app, int group) {
    return GroupFolder(app, group) + "group" + std::to_string(group) + ".dat";
}

std::string GroupModesPath(const App& app, int group) {
    return GroupFolder(app, group) + "group" + std::to_string(group) + ".mod";
}

std::string GroupColorsPath(const App& app, int group) {
    return GroupFolder(app, group) + "Colr" + std::to_string(group) + ".dat";
}

std::string GroupDataPrefixOf(const App& app, int group) {
    return GroupFolder(app, group) + "group" + std::to_string(group) + ".";
}

void SetGroupDataPrefix(App& app) {
    app.store.GroupDataPrefix = GroupDataPrefixOf(app, app.settings.CurrentGroup);
}

void LoadGroup(App& app) {
    const int group = app.settings.CurrentGroup;
    const std::vector<std::string> paths = GroupPaths(app, group);
    const StoredRecords stored = ReadRecordsOrNew(app, paths, GroupLayout(), GroupLayout().blank);
    std::vector<int> all(kSlotCount);
    for (int n = 0; n < kSlotCount; ++n) {
        all[static_cast<size_t>(n)] = n;
    }
    ShowGroupSlots(app, stored.files, all);
    app.store.GroupRecords = {paths, stored.files, GroupPanelFiles(app)};
    // A new group's files get their defaults once the panel shows the group: should the disk
    // refuse them, the panel still shows this group, never the one before under its number.
    CreateMissingRecords(app, paths, GroupLayout(), stored);

    if (group == kHotKeyGroup) {
        LayoutHotKeyGroup(app);
        return;
    }
    const bool diary = app.CurrentLibrary == kDiaryLibrary;
    for (int i = 0; i < kKeySlotCount; ++i) {
        ShowKeyLabel(app, i, diary ? std::to_string(i + 1) : LetterKey(i, "."),
                     diary ? " Day of Month " : "Type this letter to paste ");
    }
    // Which slots and key labels show, and where, follows the group and the display.
    ArrangeGroupClips(app);
}

void LayoutHotKeyGroup(App& app) {
    for (int i = 0; i < kKeySlotCount; ++i) {
        ShowKeyLabel(app, i, "Alt+" + LetterKey(i, ""), "These Hotkeys paste this clip ");
    }
    // The 26 wide slots beside their wide key labels, the rest and the column buttons hidden.
    ArrangeGroupClips(app);
}

void SaveGroup(App& app) {
    // The three records change together or not at all.
    SaveMerged(app, app.store.GroupRecords, GroupPaths(app, app.settings.CurrentGroup),
               GroupLayout(), ShowGroupSlots, GroupPanelFiles);
}

bool ShowGroupChanges(App& app) {
    if (app.store.GroupRecords.paths != GroupPaths(app, app.settings.CurrentGroup)) {
        return false;
    }
    return ShowChanges(app, app.store.GroupRecords, GroupLayout(), ShowGroupSlots, GroupPanelFiles);
}

bool ShowGroupNameChanges(App& app) {
    const bool names = ShowChanges(app, app.store.GroupNames, GroupNamesLayout(), ShowGroupNames,
                                   GroupNamesPanelFiles);
    const bool colors = ShowChanges(app, app.store.GroupNameColors, GroupNameColorsLayout(),
                                    ShowGroupNameColors, nullptr);
    return names || colors;
}

void LoadGroupNames(App& app) {
    // A library opened for the first time gets its folder here; a failure shows when the
    // files cannot be opened.
    app.os.files.CreateFolder(files::WithoutSeparator(app.LibraryFolder));

    const std::vector<std::string> namesPath = {app.LibraryFolder + kGroupNamesFile};
    const StoredRecords names =
        ReadRecordsOrNew(app, namesPath, GroupNamesLayout(),
                         {EncodeTitles(app.ansi, DefaultGroupNames(app.CurrentLibrary))});
    const std::vector<std::string> colorsPath = {app.LibraryFolder + kGroupColorsFile};
    const StoredRecords colors =
        ReadRecordsOrNew(app, colorsPath, GroupNameColorsLayout(), GroupNameColorsLayout().blank);

    std::vector<int> all(kGroupCount);
    for (int g = 0; g < kGroupCount; ++g) {
        all[static_cast<size_t>(g)] = g;
    }
    ShowGroupNames(app, names.files, all);
    ShowGroupNameColors(app, colors.files, all);
    app.store.GroupNames = {namesPath, names.files, GroupNamesPanelFiles(app)};
    app.store.GroupNameColors = {colorsPath, colors.files, {}};

    // A new library's files get their defaults once the names show (as a new group's do).
    CreateMissingRecords(app, namesPath, GroupNamesLayout(), names);
    CreateMissingRecords(app, colorsPath, GroupNameColorsLayout(), colors);
}

void MarkCurrentGroupName(App& app) {
    const int group = app.settings.CurrentGroup;
    if (group < 0 || group >= kGroupCount) {
        return;
    }
    const int pos = kFirstGroupNamePos + group;
    if (app.store.HighlightPos == pos) {
        // Under the keyboard highlight the mark is what the highlight gives back.
        app.store.HighlightColor = forms::kHighlight;
        return;
    }
    forms::Label& label = *PanelLabel(app, pos);
    label.SetBackColor(forms::kHighlight);
    label.SetForeColor(forms::kHighlightText);
}

void SaveGroupNames(App& app) {
    SaveMerged(app, app.store.GroupNames, {app.LibraryFolder + kGroupNamesFile}, GroupNamesLayout(),
               ShowGroupNames, GroupNamesPanelFiles);
}

void NoteGroupNameColor(App& app, int group, std::int32_t color) {
    files::RecordBaseline& seen = app.store.GroupNameColors;
    if (seen.paths == std::vector<std::string>{app.LibraryFolder + kGroupColorsFile} &&
        !seen.stored.empty()) {
        files::Grow(seen.stored[0], kNameColorsSize);
        files::WriteInt32(seen.stored[0], 4 * static_cast<size_t>(group), color);
    }
}

void SelectGroup(App& app, int group) {
    AppSettings& s = app.settings;
    if (s.CurrentGroup >= 0 && s.CurrentGroup < store::kGroupCount) {
        UnmarkGroupName(app, s.CurrentGroup);
    }
    s.CurrentGroup = static_cast<std::int16_t>(group);
    MarkCurrentGroupName(app);
    SetGroupDataPrefix(app);
    // The group shows before anything is written: a write that fails (a full disk) must not
    // leave the panel showing the group before under this group's number, where the next save
    // would put it.
    LoadGroup(app);
    // The Diary's day labels follow the month.
    LabelClipKeys(app);
    ArrangeGroupClips(app);
    SaveSettings(app);
}

}  // namespace mirvo
