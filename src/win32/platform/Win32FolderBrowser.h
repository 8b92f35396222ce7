#pragma once

#include "forms/FolderBrowser.h"

namespace mirvo::win32 {

// Drives, folders and files of the machine for the file browser lists.
class Win32FolderBrowser : public forms::FolderBrowser {
public:
    char Separator() const override { return '\\'; }
    std::vector<std::string> Drives() override;
    std::vector<std::string> Folders(const std::string& folder) override;
    std::vector<std::string> Files(const std::string& folder, const std::string& patterns) override;
};

}  // namespace mirvo::win32
