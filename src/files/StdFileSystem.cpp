#include "files/StdFileSystem.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#if defined(__unix__)
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace mirvo::files {

namespace fsys = std::filesystem;
using platform::FileError;
using platform::FileErrorKind;

namespace {

FileErrorKind KindOf(int err) {
    switch (err) {
        case EACCES:
        case EPERM:
        case EROFS:
        case EEXIST:
        case EISDIR:
            return FileErrorKind::AccessDenied;
        case ENOENT:
        case ENOTDIR:
            return FileErrorKind::NotFound;
        case ENOSPC:
            return FileErrorKind::DiskFull;
        default:
            return FileErrorKind::Other;
    }
}

class StdFile : public platform::File {
public:
    StdFile(std::FILE* f, std::string path) : m_file(f), m_path(std::move(path)) {}
    ~StdFile() override { std::fclose(m_file); }

    std::uint64_t Size() override {
        Seek(0, SEEK_END);
        const long size = std::ftell(m_file);
        if (size < 0) {
            Fail();
        }
        return static_cast<std::uint64_t>(size);
    }

    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        Seek(static_cast<long>(offset), SEEK_SET);
        const std::size_t got = std::fread(buffer, 1, count, m_file);
        if (got < count && std::ferror(m_file)) {
            Fail();
        }
        return got;
    }

    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        Seek(static_cast<long>(offset), SEEK_SET);
        if (std::fwrite(data, 1, count, m_file) != count || std::fflush(m_file) != 0) {
            Fail();
        }
    }

    void Truncate(std::uint64_t size) override {
        std::fflush(m_file);
        std::error_code ec;
        fsys::resize_file(m_path, size, ec);
        if (ec) {
            throw FileError(KindOf(ec.value()), "cannot truncate " + m_path);
        }
    }

    void Flush() override {
        if (std::fflush(m_file) != 0) {
            Fail();
        }
#if defined(__unix__)
        ::fsync(fileno(m_file));
#endif
    }

private:
    void Seek(long offset, int whence) {
        if (std::fseek(m_file, offset, whence) != 0) {
            Fail();
        }
    }
    [[noreturn]] void Fail() {
        throw FileError(KindOf(errno), "file error on " + m_path);
    }

    std::FILE* m_file;
    std::string m_path;
};

}  // namespace

std::unique_ptr<platform::File> StdFileSystem::Open(const std::string& path,
                                                    platform::OpenMode mode) {
    std::FILE* f = nullptr;
    errno = 0;
    switch (mode) {
        case platform::OpenMode::ReadWriteShared:
            f = std::fopen(path.c_str(), "r+b");
            if (!f && errno == ENOENT) {
                f = std::fopen(path.c_str(), "w+b");
            }
            break;
        case platform::OpenMode::CreateNew:
            f = std::fopen(path.c_str(), "w+bx");
            break;
        case platform::OpenMode::ReadOnly:
            f = std::fopen(path.c_str(), "rb");
            break;
    }
    if (!f) {
        throw FileError(KindOf(errno), "cannot open " + path);
    }
    return std::make_unique<StdFile>(f, path);
}

bool StdFileSystem::Exists(const std::string& path) {
    std::error_code ec;
    return fsys::exists(path, ec);
}

bool StdFileSystem::IsFolder(const std::string& path) {
    std::error_code ec;
    return fsys::is_directory(path, ec);
}

bool StdFileSystem::CreateFolder(const std::string& path) {
    std::error_code ec;
    return fsys::create_directory(path, ec);
}

bool StdFileSystem::RemoveFolder(const std::string& path) {
    std::error_code ec;
    return fsys::is_directory(path, ec) && fsys::remove(path, ec);
}

bool StdFileSystem::Remove(const std::string& path) {
    std::error_code ec;
    return !fsys::is_directory(path, ec) && fsys::remove(path, ec);
}

bool StdFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    std::error_code ec;
    if (!replace && fsys::exists(to, ec)) {
        return false;
    }
    fsys::rename(from, to, ec);
    return !ec;
}

bool StdFileSystem::ClearAttributes(const std::string& path) {
    std::error_code ec;
    if (!fsys::exists(path, ec)) {
        return false;
    }
    fsys::permissions(path, fsys::perms::owner_read | fsys::perms::owner_write,
                      fsys::perm_options::add, ec);
    return !ec;
}

namespace {
std::vector<std::string> List(const std::string& folder, bool folders) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fsys::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        const bool isFolder = it->is_directory(typeError);
        if (isFolder == folders) {
            names.push_back(it->path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}
}  // namespace

std::vector<std::string> StdFileSystem::ListFiles(const std::string& folder) {
    return List(folder, false);
}

std::vector<std::string> StdFileSystem::ListFolders(const std::string& folder) {
    return List(folder, true);
}

std::unique_ptr<platform::File> StdFileSystem::OpenLocked(const std::string& path) {
#if defined(__unix__)
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw FileError(KindOf(errno), "cannot open " + path);
    }
    // A lock belongs to the open file, not the process: a second opening, even here, waits.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const int err = errno;
        ::close(fd);
        if (err == EWOULDBLOCK) {
            return nullptr;
        }
        throw FileError(KindOf(err), "cannot lock " + path);
    }
    std::FILE* f = ::fdopen(fd, "r+b");
    if (!f) {
        const int err = errno;
        ::close(fd);
        throw FileError(KindOf(err), "cannot open " + path);
    }
    // Closing the file lets go of the lock.
    return std::make_unique<StdFile>(f, path);
#else
    throw FileError(FileErrorKind::Other, "no file locks here: " + path);
#endif
}

}  // namespace mirvo::files
