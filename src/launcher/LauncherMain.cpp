// lnch2.exe: opens the target that Mirvo hands over in "lnch.dat" with the system's default
// handler: a web address in the browser, a "mailto:" address in the mail program, a local page
// or document in its program. Mirvo starts it and does not wait for it; it runs unattended, so
// it shows nothing and tells the outcome only by its exit code.

#include <windows.h>

#include <objbase.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

namespace {

enum ExitCode : int {
    kOpened = 0,
    kNoTarget = 1,   // "lnch.dat" missing, unreadable or without a target
    kNotOpened = 2,  // the system could not open the target
};

// The user's private data folder, where Mirvo writes "lnch.dat" whichever data folder holds
// the clips. Without an application data folder Mirvo builds the path by hand; so does this.
std::string PrivateDataFolder() {
    char appData[MAX_PATH] = {};
    std::string folder;
    if (SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData) == S_OK &&
        appData[0] != '\0') {
        folder = appData;
    } else {
        char user[256] = {};
        DWORD size = sizeof user;
        const bool named = GetUserNameA(user, &size) && user[0] != '\0';
        folder = std::string("C:\\Documents and Settings\\") + (named ? user : "All Users") +
                 "\\Application Data";
    }
    if (folder.back() != '\\') {
        folder += '\\';
    }
    return folder + "Talbrook Software\\Mirvo_Data\\";
}

// The whole file, or "" when it cannot be read. Mirvo rewrites the file whole for every
// hand-over, so its length is the target's length.
std::string ReadWhole(const std::string& path) {
    const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        return {};
    }
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) {
        content.append(buffer, read);
    }
    CloseHandle(file);
    return content;
}

// The file holds the target alone; it ends at the first NUL or line break, blanks around it
// are not part of it.
std::string TargetOf(const std::string& content) {
    const std::string line = content.substr(0, content.find_first_of(std::string("\0\r\n", 3)));
    const char* const blanks = " \t";
    const size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos) {
        return {};
    }
    return line.substr(first, line.find_last_not_of(blanks) - first + 1);
}

bool OpenWithDefaultHandler(const std::string& target) {
    // Some handlers are reached through COM; the shell wants an apartment on the calling thread.
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    SHELLEXECUTEINFOA info{};
    info.cbSize = sizeof info;
    // This process ends right after the call, so the shell must finish its work before it
    // returns; nobody watches, so it must not show an error box either.
    info.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    info.lpVerb = "open";
    info.lpFile = target.c_str();
    info.nShow = SW_SHOWNORMAL;
    const bool opened = ShellExecuteExA(&info) != FALSE;
    if (SUCCEEDED(com)) {
        CoUninitialize();
    }
    return opened;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // No "drive not ready" box for a target on an empty drive.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
    const std::string target = TargetOf(ReadWhole(PrivateDataFolder() + "lnch.dat"));
    if (target.empty()) {
        return kNoTarget;
    }
    return OpenWithDefaultHandler(target) ? kOpened : kNotOpened;
}
