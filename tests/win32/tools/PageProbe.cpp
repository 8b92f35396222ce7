// Stands in for the web browser where a test must see which page the real launcher opened: the
// test makes it the handler of ".htm" pages, and it appends the page it was asked to open, one
// line per run, to "pages.txt" beside itself.

#include <windows.h>

#include <fstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // The page is the command line after the program's own name, as the handler's command
    // ("probe" "%1") quotes it.
    std::string page = GetCommandLineA();
    const size_t nameEnd = page[0] == '"' ? page.find('"', 1) : page.find(' ');
    page = nameEnd == std::string::npos ? std::string() : page.substr(nameEnd + 1);
    const size_t first = page.find_first_not_of(" \"");
    const size_t last = page.find_last_not_of(" \"");
    page = first == std::string::npos ? std::string() : page.substr(first, last - first + 1);

    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string log(self);
    log = log.substr(0, log.find_last_of('\\') + 1) + "pages.txt";
    std::ofstream(log, std::ios::binary | std::ios::app) << page << "\n";
    return 0;
}
