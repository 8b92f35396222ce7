// A second process for the tests of the data folder's lock: it takes the lock of a lock file
// the way the program does, tells so by a file beside it, and keeps it until it is killed (an
// instance that hangs, or dies, while it holds the lock).
//   locktool <lock file>   creates <lock file>.held once the lock is taken

#include <windows.h>

#include <string>

#include "win32/platform/Win32FileSystem.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    mirvo::win32::Win32FileSystem fs;
    const std::string path = argv[1];
    auto lock = fs.OpenLocked(path);
    if (!lock) {
        return 1;
    }
    HANDLE held = CreateFileA((path + ".held").c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    CloseHandle(held);
    Sleep(INFINITE);
    return 0;
}
