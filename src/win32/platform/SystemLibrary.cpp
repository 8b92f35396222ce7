#include "win32/platform/SystemLibrary.h"

#include <string>

namespace mirvo::win32 {

FARPROC SystemFunctionAddress(const char* library, const char* function) {
    HMODULE module = GetModuleHandleA(library);
    if (!module) {
        // By its full path: a library of the same name beside the program is never taken.
        char folder[MAX_PATH + 1] = {};
        const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        // Loaded once and kept for the rest of the run, as an imported library would be.
        module = LoadLibraryA((std::string(folder, length) + "\\" + library).c_str());
    }
    return module ? GetProcAddress(module, function) : nullptr;
}

}  // namespace mirvo::win32
