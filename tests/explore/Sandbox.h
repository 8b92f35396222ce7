#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "doubles/FaultyFileSystem.h"
#include "files/ByteOrder.h"

namespace mirvo::explore {

// A folder on a memory file system where there is one (the explorer writes thousands of small
// files), removed with everything in it.
class ScratchRoot {
public:
    ScratchRoot();
    ~ScratchRoot();
    ScratchRoot(const ScratchRoot&) = delete;
    ScratchRoot& operator=(const ScratchRoot&) = delete;
    // Ends in a separator.
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// The real file system with the faults of the world around the program, noting every path the
// program changes: the explorer re-reads only those, and checks where they are.
class WatchedFileSystem : public test::FaultyFileSystem {
public:
    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to, bool replace) override;

    // Paths written, created, removed or renamed since the last TakeChanges; folders that were
    // renamed or removed as a whole are among them.
    std::set<std::string> TakeChanges() { return std::exchange(m_changed, {}); }
    void Touched(const std::string& path) {
        m_changed.insert(path);
        ++touches;
    }
    // How many changes were noted since the world began.
    long long touches = 0;

    // After writesBeforeFull more writes, the next this many fail with a full disk (the user
    // frees space afterwards).
    int writesBeforeFull = 0;
    int failingWrites = 0;
    // How many writes or opens failed by a fault of the world since this was last cleared.
    int worldFaults = 0;

private:
    std::set<std::string> m_changed;
};

// The files under the root as the program left them after the last step, by their path relative
// to the root with '/' as separator.
class Snapshot {
public:
    explicit Snapshot(std::string root) : m_root(std::move(root)) {}

    // Reads the changed paths again (a folder: everything under it); returns the relative paths
    // whose content changed, with their content before.
    std::map<std::string, std::optional<files::Bytes>> Update(const std::set<std::string>& paths);
    // Reads everything under the root again.
    void ReadAll();

    const files::Bytes* Find(const std::string& relative) const;
    const std::map<std::string, files::Bytes>& Files() const { return m_files; }
    std::string Relative(const std::string& path) const;
    const std::string& Root() const { return m_root; }

private:
    void ReadInto(const std::string& relative,
                  std::map<std::string, std::optional<files::Bytes>>& before);

    std::string m_root;
    std::map<std::string, files::Bytes> m_files;
};

}  // namespace mirvo::explore
