#pragma once

#include <windows.h>

#include <string>

#include "forms/Form.h"

namespace mirvo::win32 {

// The window styles of a form's top-level window.
struct FormStyles {
    DWORD style = 0;
    DWORD exStyle = 0;
};

// From the border style, the title bar buttons and the caption. A bordered form with no caption,
// no control box and no buttons has no title bar.
FormStyles StylesFor(const forms::Form& form);

// Whether the form shows a menu bar (any visible top-level menu).
bool HasMenuBar(const forms::Form& form);

// The pixels that the title bar, borders and menu bar add around the client area.
SIZE NonClientPixels(const forms::Form& form);

}  // namespace mirvo::win32
