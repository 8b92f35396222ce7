#include "store/LibraryFiles.h"

#include "app/App.h"
#include "app/FolderSync.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "files/Paths.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
constexpr size_t kLibraryListSize = kLibraryCount * kLibraryNameWidth;
constexpr size_t kLastLibrarySize = 2 + kLibraryNameWidth;

std::string LibraryListPath(const App& app) {
    return app.DataFolder + kLibraryListFile;
}
std::string LastLibraryPath(const App& app) {
    return app.DataFolder + kLastLibraryFile;
}
}  // namespace

std::string LibraryFolderOf(const App& app, int library) {
    return app.DataFolder + "Lib" + std::to_string(library) + files::kPathSeparator;
}

namespace {
bool HasLibraryList(App& app) {
    files::DataFile list = files::OpenDataFile(app.os.files, LibraryListPath(app));
    return list.Size() > 0;
}
}  // namespace

void CreateLibraryList(App& app) {
    if (HasLibraryList(app)) {
        return;
    }
    // Looked at again under the lock: another instance may have made it meanwhile.
    FolderLock lock(app);
    if (!HasLibraryList(app)) {
        files::ReplaceDataFile(app.os.files, LibraryListPath(app), DefaultLibraryList());
    }
}

std::vector<std::string> ReadLibraryNames(App& app) {
    files::DataFile list = files::OpenDataFile(app.os.files, LibraryListPath(app));
    return DecodeLibraryNames(list.Read(0, kLibraryListSize));
}

namespace {
const files::RecordLayout& ListLayout() {
    static const files::RecordLayout layout{
        kLibraryCount, {{0, 0, kLibraryNameWidth}}, {files::Bytes(kLibraryListSize, ' ')}};
    return layout;
}
}  // namespace

void SaveLibraryList(App& app, std::span<const std::string> userNames) {
    FolderLock lock(app);
    files::ReplaceDataFile(app.os.files, LibraryListPath(app),
                           EncodeLibraryList(app.ansi, userNames));
}

files::RecordBaseline SeeLibraryList(App& app, std::span<const std::string> userNames) {
    const std::vector<std::string> paths = {LibraryListPath(app)};
    return {paths,
            files::ReadRecordFiles(app.os.files, paths, ListLayout()),
            {EncodeLibraryList(app.ansi, userNames)}};
}

std::vector<std::string> SaveLibraryList(App& app, std::span<const std::string> userNames,
                                         files::RecordBaseline& seen) {
    FolderLock lock(app);
    const files::RecordFiles ours = {EncodeLibraryList(app.ansi, userNames)};
    files::RecordFiles written = ours;
    if (seen.paths == std::vector<std::string>{LibraryListPath(app)}) {
        written = files::MergeRecords(
            ListLayout(), seen, files::ReadRecordFiles(app.os.files, seen.paths, ListLayout()),
            ours);
    }
    files::ReplaceDataFile(app.os.files, LibraryListPath(app), written[0]);
    seen = {{LibraryListPath(app)}, written, written};
    return DecodeLibraryNames(written[0]);
}

std::string LibraryDisplayName(int library, const std::string& storedName) {
    if (!files::TrimRight(storedName).empty()) {
        return storedName;
    }
    if (library > kUserLibraryCount) {
        return SpecialLibraryName(library);
    }
    return "Library " + std::to_string(library);
}

void WriteLastLibrary(App& app, int library, const std::string& name) {
    FolderLock lock(app);
    files::Bytes bytes;
    files::WriteInt16(bytes, 0, static_cast<std::int16_t>(library));
    files::WriteText(bytes, 2, app.ansi.Fixed(name, kLibraryNameWidth));
    app.store.ReturnLibrary = library;
    app.store.ReturnLibraryName = name;
    app.store.ReturnLibraryDataFolder = app.DataFolder;
    files::ReplaceDataFile(app.os.files, LastLibraryPath(app), bytes);
}

LastLibrary LibraryToReturnTo(App& app) {
    if (app.store.ReturnLibraryDataFolder == app.DataFolder && app.store.ReturnLibrary >= 1 &&
        app.store.ReturnLibrary < kLaunchPadLibrary) {
        return {app.store.ReturnLibrary, app.store.ReturnLibraryName};
    }
    return ReadLastLibrary(app);
}

LastLibrary ReadLastLibrary(App& app) {
    files::Bytes stored;
    {
        files::DataFile file = files::OpenDataFile(app.os.files, LastLibraryPath(app));
        stored = file.Read(0, kLastLibrarySize);
    }
    LastLibrary last;
    const int library = files::ReadInt16(stored, 0);
    // The Launch Pad is left for a library of the user, the Diary or the Address Book.
    if (stored.size() == kLastLibrarySize && library >= 1 && library < kLaunchPadLibrary) {
        last.library = library;
        last.name =
            DecodeTitles(files::Bytes(stored.begin() + 2, stored.end()), 1, kLibraryNameWidth)
                .front();
    }
    if (last.name.empty()) {
        last.name = LibraryDisplayName(last.library, ReadLibraryNames(app)[last.library - 1]);
    }
    return last;
}

void WriteLastGroup(App& app, const std::string& libraryFolder, int group) {
    files::Bytes bytes;
    files::WriteInt16(bytes, 0, static_cast<std::int16_t>(group));
    try {
        FolderLock lock(app);
        files::ReplaceDataFile(app.os.files, libraryFolder + kLastGroupFile, bytes);
    } catch (const std::exception&) {
        // Only a convenience is lost: the library opens on its previous group next time.
    }
}

std::optional<int> ReadLastGroup(App& app, const std::string& libraryFolder) {
    const std::string path = libraryFolder + kLastGroupFile;
    if (!app.os.files.IsFolder(files::WithoutSeparator(libraryFolder)) ||
        !app.os.files.Exists(path)) {
        return 0;
    }
    files::Bytes stored;
    try {
        files::DataFile file = files::OpenDataFile(app.os.files, path);
        stored = file.Read(0, 2);
    } catch (const std::exception&) {
        return std::nullopt;
    }
    const int group = stored.size() == 2 ? files::ReadInt16(stored, 0) : 0;
    return group >= 0 && group < kGroupCount ? group : 0;
}

}  // namespace mirvo
