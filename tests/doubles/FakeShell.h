#pragma once

#include <string>
#include <vector>

#include "platform/Shell.h"

namespace mirvo::test {

// Records the programs it was asked to start.
class FakeShell : public platform::Shell {
public:
    bool StartProgram(const std::string& commandLine, int showStyle) override {
        started.push_back({commandLine, showStyle});
        return startSucceeds;
    }
    platform::ExecutableLookup FindExecutable(const std::string&, const std::string&) override {
        return lookup;
    }
    std::string ShortPath(const std::string& path) override {
        return shortPathsExist ? path : std::string();
    }

    struct Start {
        std::string commandLine;
        int showStyle;
    };
    std::vector<Start> started;
    bool startSucceeds = true;
    bool shortPathsExist = true;
    platform::ExecutableLookup lookup;
};

}  // namespace mirvo::test
