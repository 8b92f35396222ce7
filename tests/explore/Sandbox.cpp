#include "explore/Sandbox.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace mirvo::explore {

namespace fsys = std::filesystem;

ScratchRoot::ScratchRoot() {
    const fsys::path base =
        fsys::is_directory("/dev/shm") ? fsys::path("/dev/shm") : fsys::temp_directory_path();
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const fsys::path candidate = base / ("mirvo-explore-" + std::to_string(std::rand()) + "-" +
                                             std::to_string(++counter));
        std::error_code ec;
        if (fsys::create_directory(candidate, ec)) {
            m_path = candidate.string() + "/";
            return;
        }
    }
    throw std::runtime_error("no scratch folder for the explorer");
}

ScratchRoot::~ScratchRoot() {
    std::error_code ec;
    fsys::remove_all(m_path, ec);
}

namespace {

// A file whose writes are noted and may meet a full disk.
class WatchedFile : public platform::File {
public:
    WatchedFile(std::unique_ptr<platform::File> inner, WatchedFileSystem& fs, std::string path)
        : m_inner(std::move(inner)), m_fs(fs), m_path(std::move(path)) {}
    std::uint64_t Size() override { return m_inner->Size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        return m_inner->ReadAt(offset, buffer, count);
    }
    void WriteAt(std::uint64_t offset, const void* data, std::size_t count) override {
        m_fs.Touched(m_path);
        if (m_fs.failingWrites > 0 && m_fs.writesBeforeFull > 0) {
            --m_fs.writesBeforeFull;
        } else if (m_fs.failingWrites > 0) {
            --m_fs.failingWrites;
            ++m_fs.worldFaults;
            m_inner->WriteAt(offset, data, count / 2);
            throw platform::FileError(platform::FileErrorKind::DiskFull, "disk full");
        }
        m_inner->WriteAt(offset, data, count);
    }
    void Truncate(std::uint64_t size) override {
        m_fs.Touched(m_path);
        m_inner->Truncate(size);
    }
    void Flush() override { m_inner->Flush(); }

private:
    std::unique_ptr<platform::File> m_inner;
    WatchedFileSystem& m_fs;
    std::string m_path;
};

}  // namespace

std::unique_ptr<platform::File> WatchedFileSystem::Open(const std::string& path,
                                                        platform::OpenMode mode) {
    if (mode != platform::OpenMode::ReadOnly && !Exists(path)) {
        Touched(path);
    }
    try {
        return std::make_unique<WatchedFile>(FaultyFileSystem::Open(path, mode), *this, path);
    } catch (const platform::FileError&) {
        if (lockedPaths.count(path) != 0) {
            ++worldFaults;
        }
        throw;
    }
}

bool WatchedFileSystem::CreateFolder(const std::string& path) {
    Touched(path);
    return FaultyFileSystem::CreateFolder(path);
}

bool WatchedFileSystem::RemoveFolder(const std::string& path) {
    Touched(path);
    return FaultyFileSystem::RemoveFolder(path);
}

bool WatchedFileSystem::Remove(const std::string& path) {
    Touched(path);
    return FaultyFileSystem::Remove(path);
}

bool WatchedFileSystem::Rename(const std::string& from, const std::string& to, bool replace) {
    Touched(from);
    Touched(to);
    return FaultyFileSystem::Rename(from, to, replace);
}

std::string Snapshot::Relative(const std::string& path) const {
    std::string relative =
        path.compare(0, m_root.size(), m_root) == 0 ? path.substr(m_root.size()) : path;
    for (char& c : relative) {
        if (c == '\\') {
            c = '/';
        }
    }
    while (!relative.empty() && relative.back() == '/') {
        relative.pop_back();
    }
    return relative;
}

const files::Bytes* Snapshot::Find(const std::string& relative) const {
    auto it = m_files.find(relative);
    return it == m_files.end() ? nullptr : &it->second;
}

void Snapshot::ReadInto(const std::string& relative,
                        std::map<std::string, std::optional<files::Bytes>>& before) {
    const fsys::path full = fsys::path(m_root) / relative;
    std::error_code ec;
    auto old = m_files.find(relative);
    if (fsys::is_regular_file(full, ec)) {
        std::ifstream in(full, std::ios::binary);
        files::Bytes bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == m_files.end()) {
            before.emplace(relative, std::nullopt);
            m_files.emplace(relative, std::move(bytes));
        } else if (old->second != bytes) {
            before.emplace(relative, std::move(old->second));
            old->second = std::move(bytes);
        }
        return;
    }
    if (old != m_files.end()) {
        before.emplace(relative, std::move(old->second));
        m_files.erase(old);
    }
    if (fsys::is_directory(full, ec)) {
        for (const auto& entry : fsys::recursive_directory_iterator(full, ec)) {
            if (entry.is_regular_file(ec)) {
                ReadInto(Relative(entry.path().string()), before);
            }
        }
    }
}

std::map<std::string, std::optional<files::Bytes>> Snapshot::Update(
    const std::set<std::string>& paths) {
    std::map<std::string, std::optional<files::Bytes>> before;
    for (const std::string& path : paths) {
        const std::string relative = Relative(path);
        // A folder that went away or moved takes everything that was under it.
        const std::string prefix = relative + "/";
        for (auto it = m_files.lower_bound(prefix);
             it != m_files.end() && it->first.compare(0, prefix.size(), prefix) == 0;) {
            if (!fsys::exists(fsys::path(m_root) / it->first)) {
                before.emplace(it->first, std::move(it->second));
                it = m_files.erase(it);
            } else {
                ++it;
            }
        }
        ReadInto(relative, before);
    }
    return before;
}

void Snapshot::ReadAll() {
    m_files.clear();
    std::map<std::string, std::optional<files::Bytes>> ignored;
    ReadInto("", ignored);
}

}  // namespace mirvo::explore
