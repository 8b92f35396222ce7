#include "files/RecordMerge.h"

#include <algorithm>

#include "files/DataFile.h"

namespace mirvo::files {

namespace {

std::uint8_t ByteOf(const RecordLayout& layout, const RecordFiles& files, size_t file, size_t at) {
    if (file < files.size() && at < files[file].size()) {
        return files[file][at];
    }
    return ByteAt(layout.blank[file], at);
}

}  // namespace

Bytes RecordBytes(const RecordLayout& layout, const RecordFiles& files, int k) {
    Bytes record;
    for (const RecordField& field : layout.fields) {
        const size_t start = field.at + static_cast<size_t>(k) * field.width;
        for (size_t i = 0; i < field.width; ++i) {
            record.push_back(ByteOf(layout, files, field.file, start + i));
        }
    }
    return record;
}

std::vector<int> ChangedRecords(const RecordLayout& layout, const RecordFiles& a,
                                const RecordFiles& b) {
    std::vector<int> changed;
    if (a == b) {
        return changed;
    }
    for (int k = 0; k < layout.count; ++k) {
        if (RecordBytes(layout, a, k) != RecordBytes(layout, b, k)) {
            changed.push_back(k);
        }
    }
    return changed;
}

RecordFiles MergeRecords(const RecordLayout& layout, const RecordBaseline& baseline,
                         const RecordFiles& fresh, const RecordFiles& ours,
                         const std::function<bool(int)>& keepStored) {
    RecordFiles merged = ours;
    if (fresh == baseline.stored && !keepStored) {
        return merged;  // nobody else wrote meanwhile: the panel's files, as always
    }
    for (int k = 0; k < layout.count; ++k) {
        const Bytes mine = RecordBytes(layout, ours, k);
        if (mine != RecordBytes(layout, baseline.shown, k)) {
            continue;  // this instance's change
        }
        const Bytes now = RecordBytes(layout, fresh, k);
        const bool untouched = now == RecordBytes(layout, baseline.stored, k);
        if (untouched && !(keepStored && keepStored(k))) {
            continue;  // as the panel shows it: a save rewrites the record in its own form
        }
        size_t i = 0;
        for (const RecordField& field : layout.fields) {
            Bytes& file = merged[field.file];
            const size_t start = field.at + static_cast<size_t>(k) * field.width;
            Grow(file, start + field.width);
            std::copy_n(now.begin() + static_cast<std::ptrdiff_t>(i), field.width,
                        file.begin() + static_cast<std::ptrdiff_t>(start));
            i += field.width;
        }
    }
    return merged;
}

RecordFiles ReadRecordFiles(platform::FileSystem& fs, const std::vector<std::string>& paths,
                            const RecordLayout& layout) {
    RecordFiles files;
    for (size_t i = 0; i < paths.size(); ++i) {
        DataFile file = OpenDataFile(fs, paths[i]);
        files.push_back(file.Read(0, i < layout.blank.size() ? layout.blank[i].size() : 0));
    }
    return files;
}

}  // namespace mirvo::files
