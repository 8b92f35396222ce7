// The release as a Windows user gets it: the installer, run silently into a fresh folder, puts
// the program folder there with a Start-menu shortcut and an entry in "Programs and Features";
// the installed program starts, shows its window and has its first-start tutorial page opened
// by the installed launcher; the uninstaller refuses while the program runs, and afterwards
// removes exactly what was installed, keeping the data files the run made. The portable zip,
// unpacked by the test command, starts in place the same way. The test command passes the
// installer and the unpacked folder in MIRVO_RELEASE_SETUP and MIRVO_RELEASE_PORTABLE.

#include <gtest/gtest.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ProductVersion.h"
#include "e2e/ProgramRun.h"

namespace mirvo::e2e {
namespace {

constexpr const char* kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Mirvo";

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// Every file under a folder, by its path relative to it, with its bytes.
void ListInto(const std::string& folder, const std::string& prefix,
              std::map<std::string, std::vector<std::uint8_t>>& files) {
    WIN32_FIND_DATAA data{};
    HANDLE find = FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        const std::string name = data.cFileName;
        if (name == "." || name == "..") {
            continue;
        }
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            ListInto(folder + "\\" + name, prefix + name + "\\", files);
        } else {
            files[prefix + name] = ReadBytes(folder + "\\" + name);
        }
    } while (FindNextFileA(find, &data));
    FindClose(find);
}
std::map<std::string, std::vector<std::uint8_t>> FilesUnder(const std::string& folder) {
    std::map<std::string, std::vector<std::uint8_t>> files;
    ListInto(folder, "", files);
    return files;
}
std::set<std::string> NamesOf(const std::map<std::string, std::vector<std::uint8_t>>& files) {
    std::set<std::string> names;
    for (const auto& [name, bytes] : files) {
        names.insert(name);
    }
    return names;
}

// The files under a folder that are not among those installed there.
std::map<std::string, std::vector<std::uint8_t>> DataFiles(
    const std::string& folder, const std::map<std::string, std::vector<std::uint8_t>>& installed) {
    auto files = FilesUnder(folder);
    for (const auto& [name, bytes] : installed) {
        files.erase(name);
    }
    return files;
}

// Runs a command line and waits for its end: the exit code, or -1 when it did not end in time.
int RunToEnd(std::string commandLine, DWORD timeoutMs = 120000) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &info)) {
        ADD_FAILURE() << "cannot start " << commandLine;
        return -1;
    }
    CloseHandle(info.hThread);
    DWORD code = static_cast<DWORD>(-1);
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0) {
        GetExitCodeProcess(info.hProcess, &code);
    } else {
        TerminateProcess(info.hProcess, 99);
    }
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

std::string RegistryText(HKEY root, const std::string& key, const char* value) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return {};
    }
    char text[1024] = {};
    DWORD size = sizeof text - 1;
    DWORD type = 0;
    const LONG result =
        RegQueryValueExA(opened, value, nullptr, &type, reinterpret_cast<BYTE*>(text), &size);
    RegCloseKey(opened);
    return result == ERROR_SUCCESS && type == REG_SZ ? std::string(text) : std::string();
}
bool KeyExists(HKEY root, const std::string& key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &opened) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(opened);
    return true;
}
void SetRegistryText(HKEY root, const std::string& key, const std::string& text) {
    HKEY created = nullptr;
    ASSERT_EQ(
        RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &created, nullptr),
        ERROR_SUCCESS)
        << key;
    RegSetValueExA(created, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                   static_cast<DWORD>(text.size() + 1));
    RegCloseKey(created);
}

// A string of the version resource of an executable, "" when it has none.
std::string VersionText(const std::string& file, const std::string& name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(file.c_str(), &ignored);
    std::vector<char> block(size);
    char* text = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(file.c_str(), 0, size, block.data()) ||
        !VerQueryValueA(block.data(), ("\\StringFileInfo\\040904E4\\" + name).c_str(),
                        reinterpret_cast<void**>(&text), &length)) {
        return {};
    }
    return text;
}

void ExpectVersionAndIcon(const std::string& file) {
    SCOPED_TRACE(file);
    EXPECT_EQ(VersionText(file, "ProductName"), MIRVO_PRODUCT_NAME);
    EXPECT_EQ(VersionText(file, "ProductVersion"), MIRVO_VERSION_TEXT);
    EXPECT_FALSE(VersionText(file, "FileDescription").empty());
    EXPECT_GE(ExtractIconExA(file.c_str(), -1, nullptr, nullptr, 0), 1u) << "no icon";
}

// Where a shortcut points, "" when it is no shortcut.
std::string ShortcutTarget(const std::string& link) {
    std::string target;
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            wchar_t wide[MAX_PATH] = {};
            MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
            char path[MAX_PATH] = {};
            if (SUCCEEDED(file->Load(wide, STGM_READ)) &&
                SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) {
                target = path;
            }
            file->Release();
        }
        shellLink->Release();
    }
    return target;
}

std::string FolderOf(int csidl) {
    char path[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, csidl, nullptr, 0, path);
    return path;
}

class Release : public ::testing::Test {
protected:
    // The page probe opens ".htm" pages meanwhile; a fresh private data folder makes every start
    // a first start.
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        m_vendor = FolderOf(CSIDL_APPDATA) + "\\Talbrook Software";
        RemoveTree(m_vendor);
        m_pages = TestProgramFolder() + "pages.txt";
        DeleteFileA(m_pages.c_str());
        m_oldHtm = RegistryText(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm", nullptr);
        SetRegistryText(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm", "MirvoTest.Page");
        SetRegistryText(HKEY_LOCAL_MACHINE,
                        "Software\\Classes\\MirvoTest.Page\\shell\\open\\command",
                        "\"" + TestProgramFolder() + "pageprobe.exe\" \"%1\"");
    }
    void TearDown() override {
        if (m_oldHtm.empty()) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm");
        } else {
            SetRegistryText(HKEY_LOCAL_MACHINE, "Software\\Classes\\.htm", m_oldHtm);
        }
        for (const char* key :
             {"Software\\Classes\\MirvoTest.Page\\shell\\open\\command",
              "Software\\Classes\\MirvoTest.Page\\shell\\open",
              "Software\\Classes\\MirvoTest.Page\\shell", "Software\\Classes\\MirvoTest.Page"}) {
            RegDeleteKeyA(HKEY_LOCAL_MACHINE, key);
        }
        RemoveTree(m_vendor);
        CoUninitialize();
    }

    std::string PagesOpened() const {
        const std::vector<std::uint8_t> bytes = ReadBytes(m_pages);
        return std::string(bytes.begin(), bytes.end());
    }

    // Starts the program of a folder (ending in a backslash) on a first start and ends it: its
    // window shows and the launcher beside it opens the first-start page.
    void StartAndEnd(const std::string& folder) {
        ProgramProcess program(folder + "mirvo.exe");
        HWND window = program.WaitForMainWindow();
        ASSERT_NE(window, nullptr) << "no main window";
        EXPECT_TRUE(IsWindowVisible(window));
        const std::string page = Lower(folder + "tutorial\\Firstoptions.htm\n");
        EXPECT_TRUE(WaitFor([&] { return Lower(PagesOpened()) == page; }, 15000))
            << "opened: \"" << PagesOpened() << "\", expected " << page;
        PostMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0);
    }

    std::string m_vendor;
    std::string m_pages;
    std::string m_oldHtm;
};

const char* const kShipped[] = {"mirvo.exe", "lnch2.exe", "mirvo.qhp", "tutorial\\Tutorial.htm",
                                "tutorial\\Firstoptions.htm"};

TEST_F(Release, TheInstallerInstallsTheProgramThatStartsAndItsUninstallerKeepsTheUsersData) {
    const std::string setup = EnvOr("MIRVO_RELEASE_SETUP", "");
    const std::string portable = EnvOr("MIRVO_RELEASE_PORTABLE", "");
    ASSERT_TRUE(Exists(setup)) << "MIRVO_RELEASE_SETUP names no installer: \"" << setup << "\"";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string base =
        std::string(temp) + "mirvo release " + std::to_string(GetCurrentProcessId());
    RemoveTree(base);
    const std::string folder = base + "\\Program Files\\Mirvo";  // not there yet
    const std::string dir = folder + "\\";

    // Silent, into the chosen folder (/D= comes last and is never quoted).
    ASSERT_EQ(RunToEnd("\"" + setup + "\" /S /D=" + folder), 0);
    const auto installed = FilesUnder(folder);
    // The unpacked zip still holds only what it shipped: its own test runs after this one.
    std::set<std::string> expected = NamesOf(FilesUnder(portable));
    expected.insert("uninstall.exe");
    EXPECT_EQ(NamesOf(installed), expected) << "the zip's program folder and the uninstaller";
    for (const char* file : kShipped) {
        EXPECT_TRUE(installed.count(file)) << file;
    }
    ExpectVersionAndIcon(dir + "mirvo.exe");
    ExpectVersionAndIcon(dir + "lnch2.exe");

    // "Programs and Features" and the Start menu.
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName"), "Mirvo");
    EXPECT_EQ(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion"),
              MIRVO_VERSION_TEXT);
    EXPECT_EQ(Lower(RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "InstallLocation")),
              Lower(folder));
    const std::string quiet =
        RegistryText(HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString");
    EXPECT_EQ(Lower(quiet), Lower("\"" + dir + "uninstall.exe\" /S"));
    const std::string shortcut = FolderOf(CSIDL_COMMON_PROGRAMS) + "\\Mirvo.lnk";
    EXPECT_EQ(Lower(ShortcutTarget(shortcut)), Lower(dir + "mirvo.exe"));

    StartAndEnd(dir);
    // The data the run made lives beside the program; the user keeps a file of his own there.
    WriteBytes(dir + "tutorial\\My notes.htm", Text("<p>mine</p>"));
    const std::set<std::string> made = NamesOf(DataFiles(folder, installed));
    EXPECT_TRUE(made.count("Lib.dat")) << "the run made no data in the program folder";
    EXPECT_TRUE(made.count("tutorial\\My notes.htm"));

    {
        SCOPED_TRACE("while the program runs");
        ProgramProcess program(dir + "mirvo.exe");
        ASSERT_NE(program.WaitForMainWindow(), nullptr);
        const std::set<std::string> before = NamesOf(FilesUnder(folder));
        // In place ("_?="), so that its exit code is the uninstaller's own.
        EXPECT_NE(RunToEnd("\"" + dir + "uninstall.exe\" /S _?=" + folder), 0);
        EXPECT_EQ(NamesOf(FilesUnder(folder)), before) << "nothing is removed";
        EXPECT_TRUE(KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey));
        PostMessageA(program.WaitForMainWindow(), WM_CLOSE, 0, 0);
        EXPECT_EQ(program.WaitForExit(), 0);
    }
    // The data as it is now: the second run may have rewritten some of it.
    const auto kept = DataFiles(folder, installed);
    EXPECT_EQ(NamesOf(kept), made);

    // As "Programs and Features" runs it: the uninstaller hands over to a copy of itself and
    // returns at once, so its work is waited for.
    ASSERT_FALSE(quiet.empty());
    EXPECT_EQ(RunToEnd(quiet), 0);
    EXPECT_TRUE(WaitFor(
        [&] {
            return !Exists(dir + "uninstall.exe") && !KeyExists(HKEY_LOCAL_MACHINE, kUninstallKey);
        },
        60000));
    EXPECT_TRUE(WaitFor([&] { return FilesUnder(folder) == kept; }, 10000))
        << "left: " << ::testing::PrintToString(NamesOf(FilesUnder(folder)))
        << ", the data: " << ::testing::PrintToString(made);
    EXPECT_FALSE(Exists(shortcut));
    RemoveTree(base);
}

TEST_F(Release, ThePortableZipStartsWhereItIsUnpacked) {
    const std::string portable = EnvOr("MIRVO_RELEASE_PORTABLE", "");
    ASSERT_TRUE(Exists(portable + "\\mirvo.exe"))
        << "MIRVO_RELEASE_PORTABLE names no unpacked zip: \"" << portable << "\"";
    for (const char* file : kShipped) {
        EXPECT_TRUE(Exists(portable + "\\" + file)) << file;
    }
    ExpectVersionAndIcon(portable + "\\mirvo.exe");
    ExpectVersionAndIcon(portable + "\\lnch2.exe");
    StartAndEnd(portable + "\\");
    EXPECT_TRUE(Exists(portable + "\\Lib.dat")) << "the clips live in the program folder";
}

}  // namespace
}  // namespace mirvo::e2e
