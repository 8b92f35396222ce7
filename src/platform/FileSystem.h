#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace mirvo::platform {

enum class FileErrorKind {
    AccessDenied,  // locked by another program, no rights, read-only place
    NotFound,      // the file or a folder of its path is missing
    DiskFull,
    Other,
};

class FileError : public std::runtime_error {
public:
    FileError(FileErrorKind kind, const std::string& what)
        : std::runtime_error(what), m_kind(kind) {}
    FileErrorKind Kind() const { return m_kind; }

private:
    FileErrorKind m_kind;
};

// An open file; closed when destroyed. Failures throw FileError.
class File {
public:
    virtual ~File() = default;
    virtual std::uint64_t Size() = 0;
    // Reads up to count bytes at offset; fewer at the end of the file.
    virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) = 0;
    virtual void WriteAt(std::uint64_t offset, const void* data, std::size_t count) = 0;
    virtual void Truncate(std::uint64_t size) = 0;
    // Pushes written data to the disk.
    virtual void Flush() = 0;
};

enum class OpenMode {
    ReadWriteShared,  // open or create, read and write, others may read and write too
    CreateNew,        // create; fails with AccessDenied when the file exists
    ReadOnly,
};

// The file operations the program needs. Paths are ANSI text.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual std::unique_ptr<File> Open(const std::string& path, OpenMode mode) = 0;
    virtual bool Exists(const std::string& path) = 0;
    virtual bool IsFolder(const std::string& path) = 0;
    // Creates one folder; false when it could not (it exists, no rights, parent missing).
    virtual bool CreateFolder(const std::string& path) = 0;
    virtual bool RemoveFolder(const std::string& path) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Renames a file or folder; with replace an existing target file is replaced atomically.
    virtual bool Rename(const std::string& from, const std::string& to, bool replace) = 0;
    // Clears read-only, hidden and system attributes; false when the path does not exist.
    virtual bool ClearAttributes(const std::string& path) = 0;
    // Names (not paths) of the files of a folder, hidden and system ones included.
    virtual std::vector<std::string> ListFiles(const std::string& folder) = 0;
    virtual std::vector<std::string> ListFolders(const std::string& folder) = 0;
    // Opens a lock file, creating it, and takes its exclusive lock: one that every other
    // process respects, also on another computer that shares the folder, and that the system
    // lets go when this process ends, however it ends. The lock lasts as long as the returned
    // file, which reads and writes as any other; the lock never keeps others from reading or
    // writing it. nullptr while another holds the lock; FileError when the file cannot be opened.
    virtual std::unique_ptr<File> OpenLocked(const std::string& path) = 0;
};

}  // namespace mirvo::platform
