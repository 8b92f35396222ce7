#include "win32/platform/Win32FileSystem.h"

#include <algorithm>

#include "win32/Handles.h"

namespace mirvo::win32 {

using platform::FileError;
using platform::FileErrorKind;

namespace {

FileErrorKind KindOf(DWORD error) {
    switch (error) {
        case ERROR_ACCESS_DENIED:
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION:
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS:
        case ERROR_WRITE_PROTECT:
            return FileErrorKind::AccessDenied;
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
        case ERROR_BAD_NETPATH:
        case ERROR_INVALID_DRIVE:
            return FileErrorKind::NotFound;
        case ERROR_DISK_FULL:
        case ERROR_HANDLE_DISK_FULL:
            return FileErrorKind::DiskFull;
        default:
            return FileErrorKind::Other;
    }
}

[[noreturn]] void Fail(const std::string& what) {
    const DWORD error = GetLastError();
    throw FileError(KindOf(error), what + " (error " + std::to_string(error) + ")");
}

// The byte a lock file's lock covers: far beyond the few bytes the file holds, so that the
// lock never stands in the way of reading or writing them.
constexpr DWORD kLockedByteLow = 0x7FFF0000;

OVERLAPPED LockedByte() {
    OVERLAPPED at{};
    at.Offset = kLockedByteLow;
    return at;
}

class Win32File : public platform::File {
public:
    Win32File(KernelHandle handle, std::string path, bool locked = false)
        : m_handle(std::move(handle)), m_path(std::move(path)), m_locked(locked) {}
    ~Win32File() override {
        if (m_locked) {
            // Let go at once: a lock left to the handle's closing lasts as long as the system
            // pleases.
            OVERLAPPED at = LockedByte();
            UnlockFileEx(m_handle.Get(), 0, 1, 0, &at);
        }
    }

    std::uint64_t Size() override {
        LARGE_INTEGER size{};
        if (!GetFileSizeEx(m_handle.Get(), &size)) {
            Fail("cannot size " + m_path);
        }
        return static_cast<std::uint64_t>(size.QuadPart);
    }

    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        Seek(offset);
        auto* out = static_cast<char*>(buffer);
        std::size_t total = 0;
        while (total < count) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
            DWORD got = 0;
            if (!ReadFile(m_handle.Get(), out + total, chunk, &got, nullptr)) {
                Fail("cannot read " + m_path);
            }
            if (got == 0) {
                break;
            }
            total += got;
        }
        return total;
    }

    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        Seek(offset);
        const auto* in = static_cast<const char*>(data);
        std::size_t total = 0;
        while (total < count) {
            const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(count - total, 1u << 30));
            DWORD put = 0;
            if (!WriteFile(m_handle.Get(), in + total, chunk, &put, nullptr) || put == 0) {
                Fail("cannot write " + m_path);
            }
            total += put;
        }
    }

    void Truncate(std::uint64_t size) override {
        Seek(size);
        if (!SetEndOfFile(m_handle.Get())) {
            Fail("cannot truncate " + m_path);
        }
    }

    void Flush() override {
        if (!FlushFileBuffers(m_handle.Get())) {
            Fail("cannot flush " + m_path);
        }
    }

private:
    void Seek(std::uint64_t offset) {
        LARGE_INTEGER to{};
        to.QuadPart = static_cast<LONGLONG>(offset);
        if (!SetFilePointerEx(m_handle.Get(), to, nullptr, FILE_BEGIN)) {
            Fail("cannot seek in " + m_path);
        }
    }

    KernelHandle m_handle;
    std::string m_path;
    bool m_locked;
};

std::vector<std::string> List(const std::string& folder, bool folders) {
    std::string pattern = folder;
    if (!pattern.empty() && pattern.back() != '\\') {
        pattern += '\\';
    }
    pattern += '*';
    std::vector<std::string> names;
    WIN32_FIND_DATAA data{};
    FindHandle find(FindFirstFileA(pattern.c_str(), &data));
    if (!find) {
        return names;
    }
    do {
        const std::string name = data.cFileName;
        const bool isFolder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
        if (name != "." && name != ".." && isFolder == folders) {
            names.push_back(name);
        }
    } while (FindNextFileA(find.Get(), &data));
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::unique_ptr<platform::File> Win32FileSystem::Open(const std::string& path,
                                                      platform::OpenMode mode) {
    DWORD access = GENERIC_READ | GENERIC_WRITE;
    DWORD disposition = OPEN_ALWAYS;
    if (mode == platform::OpenMode::CreateNew) {
        disposition = CREATE_NEW;
    } else if (mode == platform::OpenMode::ReadOnly) {
        access = GENERIC_READ;
        disposition = OPEN_EXISTING;
    }
    KernelHandle handle(CreateFileA(path.c_str(), access,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        Fail("cannot open " + path);
    }
    return std::make_unique<Win32File>(std::move(handle), path);
}

bool Win32FileSystem::Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool Win32FileSystem::IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool Win32FileSystem::CreateFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != FALSE;
}

bool Win32FileSystem::RemoveFolder(const std::string& path) {
    return RemoveDirectoryA(path.c_str()) != FALSE;
}

bool Win32FileSystem::Remove(const std::string& path) {
    return DeleteFileA(path.c_str()) != FALSE;
}

bool Win32FileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    const DWORD flags = replace ? MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH : 0;
    return MoveFileExA(from.c_str(), to.c_str(), flags) != FALSE;
}

bool Win32FileSystem::ClearAttributes(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    DWORD cleared = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY |
                                                     FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    if (cleared == attributes) {
        return true;
    }
    if (cleared == 0) {
        cleared = FILE_ATTRIBUTE_NORMAL;
    }
    return SetFileAttributesA(path.c_str(), cleared) != FALSE;
}

std::vector<std::string> Win32FileSystem::ListFiles(const std::string& folder) {
    return List(folder, false);
}

std::vector<std::string> Win32FileSystem::ListFolders(const std::string& folder) {
    return List(folder, true);
}

std::unique_ptr<platform::File> Win32FileSystem::OpenLocked(const std::string& path) {
    KernelHandle handle(CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!handle) {
        Fail("cannot open " + path);
    }
    OVERLAPPED at = LockedByte();
    if (!LockFileEx(handle.Get(), LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0,
                    &at)) {
        const DWORD error = GetLastError();
        if (error == ERROR_LOCK_VIOLATION || error == ERROR_IO_PENDING) {
            return nullptr;
        }
        SetLastError(error);
        Fail("cannot lock " + path);
    }
    return std::make_unique<Win32File>(std::move(handle), path, true);
}

}  // namespace mirvo::win32
