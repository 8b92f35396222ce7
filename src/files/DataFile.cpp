#include "files/DataFile.h"

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "files/LockFile.h"

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

Bytes DataFile::ReadAll(size_t limit) {
    return Read(0, limit);
}

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
        // Only a file that another program holds open refuses to go. One that refuses sharing
        // too is the fatal case; one that shares it lets it be emptied in place, which every
        // reader takes for a missing file.
        DataFile file = OpenDataFile(fs, path);
        file.Raw().Truncate(0);
    }
}

namespace {
constexpr size_t kCopyChunk = 1u << 20;
// A scanner or backup tool usually lets go of a file within a few milliseconds.
constexpr int kRenameAttempts = 5;
constexpr auto kRenamePause = std::chrono::milliseconds(10);

bool RenameRetrying(platform::FileSystem& fs, const std::string& from, const std::string& to) {
    for (int attempt = 0; attempt < kRenameAttempts; ++attempt) {
        if (attempt > 0) {
            std::this_thread::sleep_for(kRenamePause);
        }
        if (fs.Rename(from, to, true)) {
            return true;
        }
    }
    return false;
}

// Copies the bytes of one open file over another, which ends up exactly as long.
void CopyContent(DataFile& from, DataFile& to) {
    std::vector<std::uint8_t> chunk(kCopyChunk);
    const std::uint64_t size = from.Size();
    std::uint64_t at = 0;
    while (at < size) {
        const size_t want = static_cast<size_t>(std::min<std::uint64_t>(kCopyChunk, size - at));
        const size_t got = from.Raw().ReadAt(at, chunk.data(), want);
        if (got == 0) {
            break;
        }
        to.Raw().WriteAt(at, chunk.data(), got);
        at += got;
    }
    to.Raw().Truncate(at);
    to.Raw().Flush();
}

// Puts the finished temporary file in the target's place. A program that holds the target
// open with read and write sharing but not delete sharing (the C runtime's way) blocks the
// rename; the bytes then go in place through the shared opener, which such a holder allows.
// Only a holder that refuses sharing as well leaves the target as it was: the fatal error.
void CommitTemporary(platform::FileSystem& fs, const std::string& temp, const std::string& path) {
    fs.ClearAttributes(path);
    if (RenameRetrying(fs, temp, path)) {
        return;
    }
    try {
        DataFile source = OpenDataFile(fs, temp);
        DataFile target = OpenDataFile(fs, path);
        CopyContent(source, target);
    } catch (...) {
        fs.Remove(temp);
        throw;
    }
    fs.Remove(temp);
}

// The temporary file beside path holding data, flushed; removed again on failure.
std::string WriteTemporary(platform::FileSystem& fs, const std::string& path, const Bytes& data) {
    const std::string temp = TemporaryPath(path);
    try {
        DataFile out = OpenDataFile(fs, temp);
        out.Raw().Truncate(0);
        out.Write(0, data);
        out.Raw().Flush();
    } catch (const platform::FileError&) {
        fs.Remove(temp);
        throw;
    }
    return temp;
}
}  // namespace

std::string TemporaryPath(const std::string& path) {
    return path + "." + InstanceTag() + ".new~";
}

void CopyDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to) {
    const std::string temp = TemporaryPath(to);
    try {
        DataFile source = OpenDataFile(fs, from);
        DataFile out = OpenDataFile(fs, temp);
        CopyContent(source, out);
    } catch (const platform::FileError&) {
        fs.Remove(temp);
        throw;
    }
    CommitTemporary(fs, temp, to);
}

void MoveDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to) {
    OpenDataFile(fs, from);  // a missing source moves as an empty file
    fs.ClearAttributes(to);
    if (RenameRetrying(fs, from, to)) {
        return;
    }
    // A held source or target: copy, then let go of the source if it can go. A source that
    // stays holds the same bytes as the target, so nothing is lost either way.
    CopyDataFile(fs, from, to);
    fs.Remove(from);
}

void ReplaceDataFile(platform::FileSystem& fs, const std::string& path, const Bytes& data) {
    CommitTemporary(fs, WriteTemporary(fs, path, data), path);
}

void ReplaceDataFiles(platform::FileSystem& fs,
                      const std::vector<std::pair<std::string, Bytes>>& files) {
    std::vector<std::string> temps;
    try {
        for (const auto& [path, data] : files) {
            temps.push_back(WriteTemporary(fs, path, data));
        }
        // Every target must take its new bytes before the first one does.
        for (const auto& file : files) {
            OpenDataFile(fs, file.first);
        }
    } catch (...) {
        for (const std::string& temp : temps) {
            fs.Remove(temp);
        }
        throw;
    }
    for (size_t i = 0; i < files.size(); ++i) {
        try {
            CommitTemporary(fs, temps[i], files[i].first);
        } catch (...) {
            // A target written in place met a full disk: the temporaries not committed go.
            for (size_t rest = i + 1; rest < temps.size(); ++rest) {
                fs.Remove(temps[rest]);
            }
            throw;
        }
    }
}

}  // namespace mirvo::files
