#include "store/NewRecordFiles.h"

#include "app/App.h"
#include "app/FolderSync.h"
#include "files/DataFile.h"

namespace mirvo {

StoredRecords ReadRecordsOrNew(App& app, const std::vector<std::string>& paths,
                               const files::RecordLayout& layout,
                               const files::RecordFiles& created) {
    StoredRecords read{files::ReadRecordFiles(app.os.files, paths, layout), {}};
    for (size_t i = 0; i < paths.size(); ++i) {
        if (read.files[i].empty()) {
            read.files[i] = created[i];
            read.missing.push_back(i);
        }
    }
    return read;
}

void CreateMissingRecords(App& app, const std::vector<std::string>& paths,
                          const files::RecordLayout& layout, const StoredRecords& read) {
    if (read.missing.empty()) {
        return;
    }
    FolderLock lock(app);
    for (const size_t i : read.missing) {
        if (files::ReadRecordFiles(app.os.files, {paths[i]}, layout).front().empty()) {
            files::ReplaceDataFile(app.os.files, paths[i], read.files[i]);
        }
    }
}

}  // namespace mirvo
