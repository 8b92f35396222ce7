#pragma once

#include <set>
#include <string>
#include <vector>

#include "platform/Shell.h"

namespace mirvo::test {

// Records the programs it was asked to start and the documents to open, with the folder that
// was current then, and answers with the codes a test chose.
class FakeShell : public platform::Shell {
public:
    int StartProgram(const std::string& commandLine, int showStyle) override {
        started.push_back({commandLine, showStyle, current});
        return startCode;
    }
    int OpenWithShell(const std::string& file, const std::string& folder) override {
        opened.push_back({file, folder});
        return openCode;
    }
    platform::ExecutableLookup FindExecutable(const std::string&, const std::string&) override {
        return lookup;
    }
    std::string ShortPath(const std::string& path) override {
        return shortPathsExist ? path : std::string();
    }
    std::string CurrentFolder() override { return current; }
    bool SetCurrentFolder(const std::string& folder) override {
        if (missingFolders.count(folder) != 0) {
            return false;
        }
        current = folder;
        return true;
    }
    bool PathSearchFails(const std::string& path) override { return unsearchable.count(path) != 0; }

    struct Start {
        std::string commandLine;
        int showStyle;
        std::string currentFolder;
    };
    struct Open {
        std::string file;
        std::string folder;
    };
    std::vector<Start> started;
    std::vector<Open> opened;
    int startCode = 33;
    int openCode = 42;
    bool shortPathsExist = true;
    platform::ExecutableLookup lookup;
    std::string current = "C:\\Mirvo";
    std::set<std::string> missingFolders;
    std::set<std::string> unsearchable;
};

}  // namespace mirvo::test
