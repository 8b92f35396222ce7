#include "files/DataFile.h"

#include <algorithm>
#include <vector>

namespace mirvo::files {

const char* const kFatalFileMessage =
    "Error - One of the program's data files cannot be opened !   \r\n\r\n"
    "Either another application has opened it or there is a fault in the Windows file locking "
    "system.    \r\n\r\n"
    "Please restart your computer.    ";

Bytes DataFile::Read(std::uint64_t offset, size_t count) {
    const std::uint64_t size = m_file->Size();
    if (offset >= size) {
        return {};
    }
    count = static_cast<size_t>(std::min<std::uint64_t>(count, size - offset));
    Bytes data(count);
    const size_t got = m_file->ReadAt(offset, data.data(), count);
    data.resize(got);
    return data;
}

Bytes DataFile::ReadAll(size_t limit) { return Read(0, limit); }

void DataFile::Write(std::uint64_t offset, const Bytes& data) {
    if (!data.empty()) {
        m_file->WriteAt(offset, data.data(), data.size());
    }
}

void DataFile::Write(std::uint64_t offset, const std::string& text) {
    if (!text.empty()) {
        m_file->WriteAt(offset, text.data(), text.size());
    }
}

DataFile OpenDataFile(platform::FileSystem& fs, const std::string& path) {
    fs.ClearAttributes(path);
    try {
        return DataFile(fs.Open(path, platform::OpenMode::ReadWriteShared), path);
    } catch (const platform::FileError& e) {
        if (e.Kind() == platform::FileErrorKind::AccessDenied) {
            throw FatalFileError(path);
        }
        throw;
    }
}

Bytes ReadIfPresent(platform::FileSystem& fs, const std::string& path, size_t limit) {
    try {
        DataFile file(fs.Open(path, platform::OpenMode::ReadOnly), path);
        return file.Read(0, limit);
    } catch (const platform::FileError&) {
        return {};
    }
}

void DeleteDataFile(platform::FileSystem& fs, const std::string& path) {
    if (!fs.Exists(path)) {
        return;
    }
    fs.ClearAttributes(path);
    if (!fs.Remove(path) && fs.Exists(path)) {
        // Only a file that someone holds open refuses to go; that is the fatal case.
        OpenDataFile(fs, path);
        throw platform::FileError(platform::FileErrorKind::Other, "cannot delete " + path);
    }
}

namespace {
constexpr size_t kCopyChunk = 1u << 20;

// Renames the finished temporary file over the target, or explains why it could not.
void CommitTemporary(platform::FileSystem& fs, const std::string& temp, const std::string& path) {
    fs.ClearAttributes(path);
    if (!fs.Rename(temp, path, true)) {
        fs.Remove(temp);
        // A target that another program holds gives the fatal message here.
        OpenDataFile(fs, path);
        throw platform::FileError(platform::FileErrorKind::Other, "cannot replace " + path);
    }
}
}  // namespace

void CopyDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to) {
    const std::string temp = to + ".new~";
    try {
        DataFile source = OpenDataFile(fs, from);
        DataFile out = OpenDataFile(fs, temp);
        out.Raw().Truncate(0);
        std::vector<std::uint8_t> chunk(kCopyChunk);
        const std::uint64_t size = source.Size();
        for (std::uint64_t at = 0; at < size;) {
            const size_t want = static_cast<size_t>(std::min<std::uint64_t>(kCopyChunk, size - at));
            const size_t got = source.Raw().ReadAt(at, chunk.data(), want);
            if (got == 0) {
                break;
            }
            out.Raw().WriteAt(at, chunk.data(), got);
            at += got;
        }
        out.Raw().Flush();
    } catch (const platform::FileError&) {
        fs.Remove(temp);
        throw;
    }
    CommitTemporary(fs, temp, to);
}

void MoveDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to) {
    OpenDataFile(fs, from);  // a missing source moves as an empty file
    fs.ClearAttributes(to);
    if (!fs.Rename(from, to, true)) {
        OpenDataFile(fs, to);
        throw platform::FileError(platform::FileErrorKind::Other, "cannot move " + from);
    }
}

void ReplaceDataFile(platform::FileSystem& fs, const std::string& path, const Bytes& data) {
    const std::string temp = path + ".new~";
    try {
        DataFile out = OpenDataFile(fs, temp);
        out.Raw().Truncate(0);
        out.Write(0, data);
        out.Raw().Flush();
    } catch (const platform::FileError&) {
        fs.Remove(temp);
        throw;
    }
    CommitTemporary(fs, temp, path);
}

}  // namespace mirvo::files
