#pragma once

#include "platform/FileSystem.h"

namespace mirvo::files {

// The file system through the C and C++ standard libraries: the native build's real files.
class StdFileSystem : public platform::FileSystem {
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
    // An advisory lock of the whole file (flock): the file opened anew never shares it, in this
    // process or another.
    std::unique_ptr<platform::File> OpenLocked(const std::string& path) override;
};

}  // namespace mirvo::files
