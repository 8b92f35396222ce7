#include "store/Groups.h"

#include "app/App.h"
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
#include "store/RecordCodec.h"
#include "store/StoreColors.h"

namespace mirvo {

using namespace store;

namespace {
constexpr size_t kTitlesSize = kSlotCount * kTitleWidth;
constexpr size_t kColorsSize = kSlotCount * 4;
constexpr size_t kNamesSize = kGroupCount * kTitleWidth;
constexpr size_t kNameColorsSize = kGroupCount * 4;

// A record file's bytes, at most size of them; a missing file is created empty.
files::Bytes ReadRecords(App& app, const std::string& path, size_t size) {
    files::DataFile file = files::OpenDataFile(app.os.files, path);
    return file.Read(0, size);
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

void SetGroupDataPrefix(App& app) {
    const int group = app.settings.CurrentGroup;
    app.store.GroupDataPrefix = GroupFolder(app, group) + "group" + std::to_string(group) + ".";
}

void LoadGroup(App& app) {
    const int group = app.settings.CurrentGroup;

    const files::Bytes storedTitles = ReadRecords(app, GroupTitlesPath(app, group), kTitlesSize);
    const files::Bytes storedColors = ReadRecords(app, GroupColorsPath(app, group), kColorsSize);
    const files::Bytes storedModes = ReadRecords(app, GroupModesPath(app, group), kSlotCount);
    const std::vector<std::string> titles = DecodeTitles(storedTitles, kSlotCount);
    const std::vector<std::int32_t> colors = DecodeLongs(storedColors, kSlotCount);
    const std::vector<std::uint8_t> modes = DecodePasteModes(storedModes, kSlotCount);

    const auto defaultColor = static_cast<forms::Color>(app.settings.GroupClipColor);
    for (size_t n = 0; n < kSlotCount; ++n) {
        const int pos = kFirstGroupClipPos + static_cast<int>(n);
        ShowTitle(app, pos, titles[n]);
        // An empty slot always shows the default colour, whatever its colour record says.
        const bool useDefault = titles[n].empty() || colors[n] == 0;
        ShowTrueColor(app, pos, useDefault ? defaultColor : static_cast<forms::Color>(colors[n]));
        app.store.ClipPasteMode[n] = modes[n];
    }

    // A new group's files get their defaults once the panel shows the group: should the disk
    // refuse them, the panel still shows this group, never the one before under its number.
    if (storedTitles.empty()) {
        const std::vector<std::string> blank(kSlotCount);
        files::ReplaceDataFile(app.os.files, GroupTitlesPath(app, group),
                               EncodeTitles(app.ansi, blank));
    }
    if (storedColors.empty()) {
        files::ReplaceDataFile(app.os.files, GroupColorsPath(app, group),
                               files::Bytes(kColorsSize, 0));
    }
    if (storedModes.empty()) {
        files::ReplaceDataFile(app.os.files, GroupModesPath(app, group),
                               files::Bytes(kSlotCount, kPasteModeNotSet));
    }

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
    const int group = app.settings.CurrentGroup;
    std::vector<std::string> titles;
    std::vector<std::int32_t> colors;
    for (int n = 0; n < kSlotCount; ++n) {
        const int pos = kFirstGroupClipPos + n;
        titles.push_back(PanelTitle(app, pos));
        colors.push_back(StoredColor(TrueColor(app, pos), app.settings.GroupClipColor));
    }
    // The three records change together or not at all.
    files::ReplaceDataFiles(
        app.os.files, {{GroupTitlesPath(app, group), EncodeTitles(app.ansi, titles)},
                       {GroupModesPath(app, group), EncodePasteModes(app.store.ClipPasteMode)},
                       {GroupColorsPath(app, group), EncodeLongs(colors)}});
}

void LoadGroupNames(App& app) {
    // A library opened for the first time gets its folder here; a failure shows when the
    // files cannot be opened.
    app.os.files.CreateFolder(files::WithoutSeparator(app.LibraryFolder));

    const std::string namesPath = app.LibraryFolder + kGroupNamesFile;
    const files::Bytes storedNames = ReadRecords(app, namesPath, kNamesSize);
    const std::vector<std::string> names = storedNames.empty()
                                               ? DefaultGroupNames(app.CurrentLibrary)
                                               : DecodeTitles(storedNames, kGroupCount);
    const std::string colorsPath = app.LibraryFolder + kGroupColorsFile;
    const files::Bytes storedColors = ReadRecords(app, colorsPath, kNameColorsSize);
    const std::vector<std::int32_t> colors = DecodeLongs(storedColors, kGroupCount);

    const auto defaultColor = static_cast<forms::Color>(app.settings.GroupNameColor);
    for (size_t g = 0; g < kGroupCount; ++g) {
        const int pos = kFirstGroupNamePos + static_cast<int>(g);
        ShowTitle(app, pos, names[g]);
        ShowTrueColor(app, pos,
                      colors[g] == 0 ? defaultColor : static_cast<forms::Color>(colors[g]));
    }
    // The stored colours must not hide which group is current.
    MarkCurrentGroupName(app);

    // A new library's files get their defaults once the names show (as a new group's do).
    if (storedNames.empty()) {
        files::ReplaceDataFile(app.os.files, namesPath, EncodeTitles(app.ansi, names));
    }
    if (storedColors.empty()) {
        files::ReplaceDataFile(app.os.files, colorsPath, files::Bytes(kNameColorsSize, 0));
    }
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
    std::vector<std::string> names;
    for (int g = 0; g < kGroupCount; ++g) {
        names.push_back(PanelTitle(app, kFirstGroupNamePos + g));
    }
    files::ReplaceDataFile(app.os.files, app.LibraryFolder + kGroupNamesFile,
                           EncodeTitles(app.ansi, names));
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
