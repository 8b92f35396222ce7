#pragma once

#include <functional>
#include <string>
#include <vector>

#include "files/ByteOrder.h"
#include "platform/FileSystem.h"

// Changes that merge instead of overwrite: a save of a set of record files (the records of a
// group, the group names, the transfer slots, the library list) writes the records its panel
// changed since it last read or wrote the files, and keeps every record another instance
// changed meanwhile.

namespace mirvo::files {

// One part of every record of a set of files: record k's part lies in file `file`, width bytes
// at at + k × width. (A record spreads over files: a group clip's title, paste mode and colour.)
struct RecordField {
    size_t file = 0;
    size_t at = 0;
    size_t width = 0;
};

// The records of a set of files, and each file as a new one holds it: those bytes stand in for
// what a short or missing file lacks.
struct RecordLayout {
    int count = 0;
    std::vector<RecordField> fields;
    std::vector<Bytes> blank;
};

using RecordFiles = std::vector<Bytes>;

// What this instance last read from or wrote to a set of record files, and the files as its
// panel would have written them then. Empty paths: no such look yet.
struct RecordBaseline {
    std::vector<std::string> paths;
    RecordFiles stored;
    RecordFiles shown;
};

// Record k's bytes in the files.
Bytes RecordBytes(const RecordLayout& layout, const RecordFiles& files, int k);
// The records whose bytes differ.
std::vector<int> ChangedRecords(const RecordLayout& layout, const RecordFiles& a,
                                const RecordFiles& b);

// The files a save writes. ours: the files as the panel would write them now; fresh: the files
// as they are now. A record that the panel changed since the baseline is written as the panel
// shows it; one that changed in the files since the baseline (another instance wrote it), or that
// keepStored says is to stay, stays as the files hold it; every other is written as the panel
// shows it, as a save always wrote it.
RecordFiles MergeRecords(const RecordLayout& layout, const RecordBaseline& baseline,
                         const RecordFiles& fresh, const RecordFiles& ours,
                         const std::function<bool(int)>& keepStored = nullptr);

// The files at the paths now, each read up to its layout's size, a missing one created empty
// (as the data-file opener does).
RecordFiles ReadRecordFiles(platform::FileSystem& fs, const std::vector<std::string>& paths,
                            const RecordLayout& layout);

}  // namespace mirvo::files
