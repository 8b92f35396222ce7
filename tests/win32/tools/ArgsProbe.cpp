// Stands in for a program that a launch-pad shortcut starts, where a test must see the arguments
// it received: it splits its command line as programs do (CommandLineToArgvW) and appends each
// argument on a line of its own, then a line "--", to "args.txt" beside itself.

#include <windows.h>

#include <shellapi.h>

#include <fstream>
#include <string>

namespace {
std::string Narrow(const wchar_t* text) {
    const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<size_t>(size > 0 ? size : 1), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, -1, bytes.data(), size, nullptr, nullptr);
    bytes.resize(bytes.size() - 1);
    return bytes;
}
}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string log(self);
    log = log.substr(0, log.find_last_of('\\') + 1) + "args.txt";
    std::ofstream out(log, std::ios::binary | std::ios::app);
    for (int i = 1; i < count; ++i) {
        out << Narrow(arguments[i]) << "\n";
    }
    out << "--\n";
    LocalFree(arguments);
    return 0;
}
