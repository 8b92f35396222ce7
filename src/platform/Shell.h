#pragma once

#include <string>

namespace mirvo::platform {

struct ExecutableLookup {
    int code = 0;            // the Win32 result: above 32 is success
    std::string executable;  // the program that opens the document
};

// Starting programs and asking the shell about documents.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts a command line with a window style (1 normal); false when it could not start.
    virtual bool StartProgram(const std::string& commandLine, int showStyle) = 0;
    virtual ExecutableLookup FindExecutable(const std::string& document,
                                            const std::string& folder) = 0;
    // The short (8.3) form of a path, or the path itself when there is none.
    virtual std::string ShortPath(const std::string& path) = 0;
};

}  // namespace mirvo::platform
