#include "doubles/FaultyFileSystem.h"

#include "files/LockFile.h"

namespace mirvo::test {

namespace {
class FullDiskFile : public platform::File {
public:
    explicit FullDiskFile(std::unique_ptr<platform::File> inner) : m_inner(std::move(inner)) {}
    std::uint64_t Size() override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        return m_inner->ReadAt(offset, buffer, count);
    }
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        // Half the bytes reach the disk, then it is full.
        m_inner->WriteAt(offset, data, count / 2);
        throw platform::FileError(platform::FileErrorKind::DiskFull, "disk full");
    }
    void Truncate(std::uint64_t size) override { m_inner->Truncate(size); }
    void Flush() override { m_inner->Flush(); }

private:
    std::unique_ptr<platform::File> m_inner;
};
class FailingReadFile : public platform::File {
public:
    FailingReadFile(std::unique_ptr<platform::File> inner, std::uint64_t failAt)
        : m_inner(std::move(inner)), m_failAt(failAt) {}
    std::uint64_t Size() override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        if (offset + count <= m_failAt) {
            return m_inner->ReadAt(offset, buffer, count);
        }
        if (offset < m_failAt) {
            m_inner->ReadAt(offset, buffer, static_cast<std::size_t>(m_failAt - offset));
        }
        throw platform::FileError(platform::FileErrorKind::Other, "read error");
    }
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        m_inner->WriteAt(offset, data, count);
    }
    void Truncate(std::uint64_t size) override { m_inner->Truncate(size); }
    void Flush() override { m_inner->Flush(); }

private:
    std::unique_ptr<platform::File> m_inner;
    std::uint64_t m_failAt;
};
// Counts the locks held while it lasts.
class HeldLock : public platform::File {
public:
    HeldLock(std::unique_ptr<platform::File> inner, int& held)
        : m_inner(std::move(inner)), m_held(held) {
        ++m_held;
    }
    ~HeldLock() override { --m_held; }
    std::uint64_t Size() override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        return m_inner->ReadAt(offset, buffer, count);
    }
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        m_inner->WriteAt(offset, data, count);
    }
    void Truncate(std::uint64_t size) override { m_inner->Truncate(size); }
    void Flush() override { m_inner->Flush(); }

private:
    std::unique_ptr<platform::File> m_inner;
    int& m_held;
};

// Notes the writes made through it while no lock is held.
class WatchedFile : public platform::File {
public:
    WatchedFile(std::unique_ptr<platform::File> inner, FaultyFileSystem& fs, std::string path)
        : m_inner(std::move(inner)), m_fs(fs), m_path(std::move(path)) {}
    std::uint64_t Size() override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        return m_inner->ReadAt(offset, buffer, count);
    }
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        Note();
        m_inner->WriteAt(offset, data, count);
    }
    void Truncate(std::uint64_t size) override {
        Note();
        m_inner->Truncate(size);
    }
    void Flush() override { m_inner->Flush(); }

private:
    void Note() {
        if (m_fs.locksHeld == 0) {
            m_fs.changesWithoutLock.push_back("write " + m_path);
        }
    }
    std::unique_ptr<platform::File> m_inner;
    FaultyFileSystem& m_fs;
    std::string m_path;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}
}  // namespace

bool FaultyFileSystem::Watched(const std::string& path) const {
    return !watchedFolder.empty() && path.rfind(watchedFolder, 0) == 0 &&
           path.find(files::InstanceTag()) == std::string::npos && !EndsWith(path, ".lck");
}

void FaultyFileSystem::NoteChange(const char* what, const std::string& path) {
    if (locksHeld == 0 && Watched(path)) {
        changesWithoutLock.push_back(std::string(what) + " " + path);
    }
}

std::unique_ptr<platform::File> FaultyFileSystem::OpenLocked(const std::string& path) {
    if (lockedPaths.count(path)) {
        throw platform::FileError(platform::FileErrorKind::AccessDenied, "sharing violation");
    }
    auto lock = files::StdFileSystem::OpenLocked(path);
    if (!lock) {
        return nullptr;
    }
    return std::make_unique<HeldLock>(std::move(lock), locksHeld);
}

std::unique_ptr<platform::File> FaultyFileSystem::Open(const std::string& path,
                                                       platform::OpenMode mode) {
    if (lockedPaths.count(path)) {
        throw platform::FileError(platform::FileErrorKind::AccessDenied, "sharing violation");
    }
    auto file = files::StdFileSystem::Open(path, mode);
    if (mode != platform::OpenMode::ReadOnly && Watched(path)) {
        file = std::make_unique<WatchedFile>(std::move(file), *this, path);
    }
    if (!diskFullFor.empty() && path.find(diskFullFor) != std::string::npos) {
        return std::make_unique<FullDiskFile>(std::move(file));
    }
    if (!readFailsFor.empty() && path.find(readFailsFor) != std::string::npos) {
        return std::make_unique<FailingReadFile>(std::move(file), readFailsAt);
    }
    return file;
}

bool FaultyFileSystem::Remove(const std::string& path) {
    NoteChange("remove", path);
    return !lockedPaths.count(path) && !sharedHeldPaths.count(path) &&
           files::StdFileSystem::Remove(path);
}

bool FaultyFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    NoteChange("rename to", to);
    if (lockedPaths.count(from) || lockedPaths.count(to) || sharedHeldPaths.count(from) ||
        sharedHeldPaths.count(to)) {
        return false;
    }
    return files::StdFileSystem::Rename(from, to, replace);
}

}  // namespace mirvo::test
