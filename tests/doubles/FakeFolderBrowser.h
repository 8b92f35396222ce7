#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "forms/FolderBrowser.h"

namespace mirvo::test {

// Folders and files in memory under Windows paths ("c:\Program Files\tool.exe"), compared
// without case. Drive c: holds them; drive d: is a drive without a disk.
class FakeFolderBrowser : public forms::FolderBrowser {
public:
    char Separator() const override { return '\\'; }
    std::vector<std::string> Drives() override { return {"c:", "d:"}; }
    std::vector<std::string> Folders(const std::string& folder) override;
    std::vector<std::string> Files(const std::string& folder, const std::string& patterns) override;

    // Adds a file and the folders on its way.
    void AddFile(const std::string& path);
    void AddFolder(const std::string& path);
    void RemoveFolder(const std::string& path);

private:
    struct Folder {
        std::set<std::string> folders;
        std::set<std::string> files;
    };
    // Folders by their path in lower case, without a separator at the end but for a root.
    const Folder& Find(const std::string& path) const;
    std::map<std::string, Folder> m_folders{{"c:\\", {}}};
};

}  // namespace mirvo::test
