#include "store/GroupFiles.h"

#include <algorithm>
#include <vector>

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/StoreLayout.h"
#include "files/DataFile.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "platform/FileSystem.h"
#include "store/Groups.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {

constexpr size_t kTitlesSize = kSlotCount * kTitleWidth;

std::string InFolder(const std::string& folder, int group, const char* stem, const char* ext) {
    return folder + stem + std::to_string(group) + ext;
}

std::vector<std::string> ReadTitles(App& app, const std::string& path) {
    return DecodeTitles(files::ReadIfPresent(app.os.files, path, kTitlesSize), kSlotCount);
}

}  // namespace

std::string GroupClipPath(const App& app, int group, int slot) {
    return GroupFolder(app, group) + "group" + std::to_string(group) + "." + std::to_string(slot);
}

GroupRecord ReadGroupRecord(App& app, int group, int slot) {
    GroupRecord record;
    if (slot < 0 || slot >= kSlotCount) {
        return record;
    }
    record.title = ReadTitles(app, GroupTitlesPath(app, group))[static_cast<size_t>(slot)];
    const std::vector<std::uint8_t> modes = DecodePasteModes(
        files::ReadIfPresent(app.os.files, GroupModesPath(app, group), kSlotCount), kSlotCount);
    record.pasteMode = modes[static_cast<size_t>(slot)];
    return record;
}

void ClearGroupRecord(App& app, int group, int slot) {
    if (slot < 0 || slot >= kSlotCount) {
        return;
    }
    FolderLock lock(app);
    std::vector<std::string> titles = ReadTitles(app, GroupTitlesPath(app, group));
    std::vector<std::uint8_t> modes = DecodePasteModes(
        files::ReadIfPresent(app.os.files, GroupModesPath(app, group), kSlotCount), kSlotCount);
    titles[static_cast<size_t>(slot)].clear();
    modes[static_cast<size_t>(slot)] = kPasteModeNotSet;
    files::ReplaceDataFiles(app.os.files,
                            {{GroupTitlesPath(app, group), EncodeTitles(app.ansi, titles)},
                             {GroupModesPath(app, group), EncodePasteModes(modes)}});
}

bool GroupIsEmpty(App& app, int group) {
    if (!files::TrimRight(PanelTitle(app, kFirstGroupNamePos + group)).empty()) {
        return false;
    }
    const std::vector<std::string> titles = ReadTitles(app, GroupTitlesPath(app, group));
    return std::all_of(titles.begin(), titles.end(),
                       [](const std::string& title) { return files::TrimRight(title).empty(); });
}

void CopyGroupFiles(App& app, const std::string& fromFolder, int from, int to) {
    FolderLock lock(app);
    platform::FileSystem& fs = app.os.files;
    const std::string toFolder = app.LibraryFolder;
    for (int n = 0; n < kSlotCount; ++n) {
        const std::string number = "." + std::to_string(n);
        const std::string source = InFolder(fromFolder, from, "group", number.c_str());
        const std::string target = InFolder(toFolder, to, "group", number.c_str());
        files::DeleteDataFile(fs, target);
        if (fs.Exists(source) && !files::ReadIfPresent(fs, source, 1).empty()) {
            files::CopyDataFile(fs, source, target);
        }
    }
    files::CopyDataFile(fs, InFolder(fromFolder, from, "group", ".dat"),
                        InFolder(toFolder, to, "group", ".dat"));
    files::CopyDataFile(fs, InFolder(fromFolder, from, "Colr", ".dat"),
                        InFolder(toFolder, to, "Colr", ".dat"));
    files::CopyDataFile(fs, InFolder(fromFolder, from, "group", ".mod"),
                        InFolder(toFolder, to, "group", ".mod"));
}

void DeleteGroupFiles(App& app, int group) {
    FolderLock lock(app);
    platform::FileSystem& fs = app.os.files;
    for (int n = 0; n < kSlotCount; ++n) {
        files::DeleteDataFile(fs, GroupClipPath(app, group, n));
    }
    files::DeleteDataFile(fs, GroupTitlesPath(app, group));
    files::DeleteDataFile(fs, GroupModesPath(app, group));
}

void WriteGroupNameColor(App& app, int group, std::int32_t color) {
    FolderLock lock(app);
    const std::string path = app.LibraryFolder + kGroupColorsFile;
    files::Bytes colors;
    {
        files::DataFile file = files::OpenDataFile(app.os.files, path);
        colors = file.Read(0, 4 * kGroupCount);
    }
    // A new or short file gets its whole layout, the other groups' colours their default.
    colors.resize(4 * kGroupCount, 0);
    files::WriteInt32(colors, 4 * static_cast<size_t>(group), color);
    files::ReplaceDataFile(app.os.files, path, colors);
    NoteGroupNameColor(app, group, color);
}

}  // namespace mirvo
