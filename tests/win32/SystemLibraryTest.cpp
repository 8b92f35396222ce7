// The shell's services that the program reaches without importing the shell give the answers
// of the shell's own functions; a missing library or function gives none.

#include <windows.h>

#include <gtest/gtest.h>

#include <shlobj.h>

#include <string>

#include "platform/Desktop.h"
#include "win32/platform/SystemLibrary.h"
#include "win32/platform/Win32Desktop.h"

namespace mirvo::win32 {
namespace {

std::string ShellFolder(int csidl) {
    char path[MAX_PATH + 1] = {};
    return SHGetFolderPathA(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) == S_OK
               ? std::string(path)
               : std::string();
}

std::string WithoutSeparator(std::string path) {
    if (!path.empty() && path.back() == '\\') {
        path.pop_back();
    }
    return path;
}

TEST(SystemLibraryTest, SpecialFoldersMatchTheShellAndMissingFunctionsAreNull) {
    Win32Desktop desktop;
    const std::string appData = ShellFolder(CSIDL_APPDATA);
    ASSERT_FALSE(appData.empty());
    EXPECT_EQ(desktop.SpecialFolder(CSIDL_APPDATA).value_or(""), appData)
        << "read where the shell keeps it";
    // The item-list route of the shell may end the path with a separator.
    EXPECT_EQ(WithoutSeparator(desktop.SpecialFolder(CSIDL_PERSONAL).value_or("")),
              ShellFolder(CSIDL_PERSONAL))
        << "through the shell library";

    EXPECT_NE(SystemFunctionAddress("version.dll", "GetFileVersionInfoSizeA"), nullptr);
    EXPECT_EQ(SystemFunctionAddress("version.dll", "NoSuchFunction"), nullptr);
    EXPECT_EQ(SystemFunctionAddress("no-such-library.dll", "Anything"), nullptr);
}

}  // namespace
}  // namespace mirvo::win32
