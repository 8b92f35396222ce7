#pragma once

#include <string>

namespace mirvo::platform {

struct ExecutableLookup {
    int code = 0;            // the Win32 result: above 32 is success
    std::string executable;  // the program that opens the document
};

// Starting programs, opening documents and folders, and asking the shell about them.
class Shell {
public:
    virtual ~Shell() = default;

    // Starts a command line with a window style (1 normal), as WinExec does: its result, above
    // 31 on success, else a Win32 error (2 file not found, 3 path not found, 5 access denied...).
    virtual int StartProgram(const std::string& commandLine, int showStyle) = 0;
    // Opens a document or folder with the shell's "open" verb, in a folder (may be ""): the
    // result as ShellExecute gives it, above 32 on success, else the same error codes as
    // StartProgram and 31 for a document type without an associated program.
    virtual int OpenWithShell(const std::string& file, const std::string& folder) = 0;
    virtual ExecutableLookup FindExecutable(const std::string& document,
                                            const std::string& folder) = 0;
    // The short (8.3) form of a path, or the path itself when there is none.
    virtual std::string ShortPath(const std::string& path) = 0;

    // The process's current folder, in which a started program starts.
    virtual std::string CurrentFolder() = 0;
    // False when the folder cannot be made current (missing, no such drive).
    virtual bool SetCurrentFolder(const std::string& folder) = 0;
    // Whether a directory search for the path (any attribute) fails with an error: a drive that
    // is not ready, a name that is no valid path. A path that merely does not exist is no error.
    virtual bool PathSearchFails(const std::string& path) = 0;
};

}  // namespace mirvo::platform
