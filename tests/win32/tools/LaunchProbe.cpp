// Stands in for lnch2.exe where a test must see that the program started its launcher: it
// appends what "lnch.dat" of the private data folder holds at that moment, one line per run, to
// "launched.txt" beside itself, and opens nothing.

#include <windows.h>

#include <shlobj.h>

#include <fstream>
#include <iterator>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char appData[MAX_PATH] = {};
    SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData);
    std::ifstream handOver(std::string(appData) + "\\Talbrook Software\\Mirvo_Data\\lnch.dat",
                           std::ios::binary);
    const std::string target((std::istreambuf_iterator<char>(handOver)),
                             std::istreambuf_iterator<char>());

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string log(self);
    log = log.substr(0, log.find_last_of('\\') + 1) + "launched.txt";
    std::ofstream(log, std::ios::binary | std::ios::app) << target << "\n";
    return 0;
}
