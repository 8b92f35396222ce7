#pragma once

#include "platform/Shell.h"

namespace mirvo::win32 {

class Win32Shell : public platform::Shell {
public:
    int StartProgram(const std::string& commandLine, int showStyle) override;
    int OpenWithShell(const std::string& file, const std::string& folder) override;
    platform::ExecutableLookup FindExecutable(const std::string& document,
                                              const std::string& folder) override;
    std::string ShortPath(const std::string& path) override;
    std::string CurrentFolder() override;
    bool SetCurrentFolder(const std::string& folder) override;
    bool PathSearchFails(const std::string& path) override;
};

}  // namespace mirvo::win32
