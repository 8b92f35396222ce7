#pragma once

#include <string>
#include <vector>

#include "files/RecordMerge.h"

namespace mirvo {

class App;

// A set of record files as they are now; a missing or empty one reads as what a new one holds.
struct StoredRecords {
    files::RecordFiles files;
    std::vector<size_t> missing;  // which of them are new
};

// created: each file's content when new.
StoredRecords ReadRecordsOrNew(App& app, const std::vector<std::string>& paths,
                               const files::RecordLayout& layout,
                               const files::RecordFiles& created);

// Writes the new files' content. Called once the window shows them: should the disk refuse the
// write, the window still shows these records, never the ones it showed before. Under the data
// folder's lock, a file another instance wrote meanwhile is kept; the window shows it when it
// next looks for the others' changes.
void CreateMissingRecords(App& app, const std::vector<std::string>& paths,
                          const files::RecordLayout& layout, const StoredRecords& read);

}  // namespace mirvo
