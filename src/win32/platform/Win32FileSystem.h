#pragma once

#include "platform/FileSystem.h"

namespace mirvo::win32 {

// Files through the ANSI Win32 calls; opened files share read, write and delete access.
class Win32FileSystem : public platform::FileSystem {
public:
    std::unique_ptr<platform::File> Open(const std::string& path, platform::OpenMode mode) override;
    bool Exists(const std::string& path) override;
    bool IsFolder(const std::string& path) override;
    bool CreateFolder(const std::string& path) override;
    bool RemoveFolder(const std::string& path) override;
    bool Remove(const std::string& path) override;
    bool Rename(const std::string& from, const std::string& to, bool replace) override;
    bool ClearAttributes(const std::string& path) override;
    std::vector<std::string> ListFiles(const std::string& folder) override;
    std::vector<std::string> ListFolders(const std::string& folder) override;
    // A byte-range lock (LockFileEx) beyond the file's content: file servers keep such locks
    // for all their clients, and the system drops them with the handle when the process ends.
    std::unique_ptr<platform::File> OpenLocked(const std::string& path) override;
};

}  // namespace mirvo::win32
