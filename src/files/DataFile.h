#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "files/ByteOrder.h"
#include "platform/FileSystem.h"

namespace mirvo::files {

// The program's one fatal file message (style: exclamation icon).
extern const char* const kFatalFileMessage;
inline constexpr int kFatalFileMessageStyle = 48;

// A data file that cannot be opened because another program holds it or the file system
// refuses access. The program shows kFatalFileMessage and ends.
class FatalFileError : public std::runtime_error {
public:
    explicit FatalFileError(const std::string& path)
        : std::runtime_error("data file cannot be opened: " + path), m_path(path) {}
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// An open data file; it closes when it goes out of scope or on Close().
class DataFile {
public:
    DataFile(std::unique_ptr<platform::File> file, std::string path)
        : m_file(std::move(file)), m_path(std::move(path)) {}

    const std::string& Path() const { return m_path; }
    std::uint64_t Size() { return m_file->Size(); }
    // count bytes from offset, fewer at the end of the file.
    Bytes Read(std::uint64_t offset, size_t count);
    // The whole file, but never more than limit bytes.
    Bytes ReadAll(size_t limit = 64u * 1024u * 1024u);
    void Write(std::uint64_t offset, const Bytes& data);
    void Write(std::uint64_t offset, const std::string& text);
    void Close() { m_file.reset(); }
    platform::File& Raw() { return *m_file; }

private:
    std::unique_ptr<platform::File> m_file;
    std::string m_path;
};

// Opens a data file for shared read and write, creating it empty when missing, after clearing
// its read-only, hidden and system attributes. An access failure throws FatalFileError; any
// other failure throws platform::FileError.
DataFile OpenDataFile(platform::FileSystem& fs, const std::string& path);

// Up to limit bytes of a file that may not exist: a missing or unreadable file reads as nothing
// and is not created.
Bytes ReadIfPresent(platform::FileSystem& fs, const std::string& path, size_t limit);

// Deletes a data file; a missing file is no error. A file that another program holds open with
// sharing is emptied in place instead.
void DeleteDataFile(platform::FileSystem& fs, const std::string& path);

// Copies a data file over another (a missing source copies as an empty file), atomically for
// the target and in pieces, so that a large clip never sits in memory whole.
void CopyDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to);

// Moves a data file to another name, replacing it (a missing source moves as an empty file).
// A source or target that another program holds is copied instead.
void MoveDataFile(platform::FileSystem& fs, const std::string& from, const std::string& to);

// The temporary file that a replacement of path writes first: beside it, its name ending in
// ".new~" and unique to this instance of the program, so that instances sharing the folder
// never write into each other's.
std::string TemporaryPath(const std::string& path);

// Replaces a whole file atomically: the bytes go to a temporary file in the same folder, which
// is flushed and renamed over the old file. A crash or full disk leaves the old file or the new
// one, never a mix. A target that another program holds open with sharing is written in place.
void ReplaceDataFile(platform::FileSystem& fs, const std::string& path, const Bytes& data);

// Replaces files that belong together (the records of one group): none of them changes unless
// every one can be written.
void ReplaceDataFiles(platform::FileSystem& fs,
                      const std::vector<std::pair<std::string, Bytes>>& files);

}  // namespace mirvo::files
