#pragma once

#include <windows.h>

namespace mirvo::win32 {

// A function of a system library that the program needs only now and then (the shell, COM,
// version resources), loaded from the system folder at its first call: start-up does without
// loading the library and all it pulls in. Null when the library or the function is missing.
FARPROC SystemFunctionAddress(const char* library, const char* function);

template <typename Function>
Function SystemFunction(const char* library, const char* function) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(SystemFunctionAddress(library, function)));
}

}  // namespace mirvo::win32
