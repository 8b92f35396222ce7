#pragma once

#include "platform/Shell.h"

namespace mirvo::win32 {

class Win32Shell : public platform::Shell {
public:
    bool StartProgram(const std::string& commandLine, int showStyle) override;
    platform::ExecutableLookup FindExecutable(const std::string& document,
                                              const std::string& folder) override;
    std::string ShortPath(const std::string& path) override;
};

}  // namespace mirvo::win32
