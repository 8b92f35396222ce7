#include "libraries/LibraryMove.h"

#include <string>
#include <vector>

#include "app/App.h"
#include "files/DataFile.h"
#include "files/Paths.h"
#include "platform/FileSystem.h"
#include "store/LibraryFiles.h"
#include "store/RecordCodec.h"

namespace mirvo {

using namespace store;

namespace {
void DeleteFolder(platform::FileSystem& fs, const std::string& folder) {
    for (const std::string& name : fs.ListFiles(folder)) {
        const std::string path = folder + files::kPathSeparator + name;
        fs.ClearAttributes(path);
        fs.Remove(path);
    }
    fs.RemoveFolder(folder);
}
}  // namespace

bool IsLibraryEmpty(App& app, int library) {
    const std::string folder = LibraryFolderOf(app, library);
    for (int g = 0; g < kGroupCount; ++g) {
        const std::string path = folder + "group" + std::to_string(g) + ".dat";
        if (!app.os.files.Exists(path)) {
            continue;
        }
        files::DataFile file = files::OpenDataFile(app.os.files, path);
        for (const std::string& title :
             DecodeTitles(file.Read(0, kSlotCount * kTitleWidth), kSlotCount)) {
            if (!title.empty()) {
                return false;
            }
        }
    }
    return true;
}

bool MoveLibraryFolder(App& app, int source, int target) {
    platform::FileSystem& fs = app.os.files;
    const std::string from = files::WithoutSeparator(LibraryFolderOf(app, source));
    const std::string to = files::WithoutSeparator(LibraryFolderOf(app, target));
    if (!fs.IsFolder(from)) {
        // A named library that was never opened: its number moves with an empty folder.
        fs.CreateFolder(from);
    }
    // The empty target is set aside first and deleted only once the source stands in its
    // place, so that a folder that refuses to move leaves both libraries as they were.
    const std::string aside = to + "~";
    const bool targetExists = fs.IsFolder(to);
    if (targetExists) {
        if (fs.IsFolder(aside)) {
            DeleteFolder(fs, aside);
        }
        if (!fs.Rename(to, aside, false)) {
            return false;
        }
    }
    if (!fs.Rename(from, to, false)) {
        if (targetExists) {
            fs.Rename(aside, to, false);
        }
        return false;
    }
    fs.CreateFolder(from);
    if (targetExists) {
        DeleteFolder(fs, aside);
    }
    return true;
}

}  // namespace mirvo
