#pragma once

// Helpers for driving real windows under Wine (or Windows): input injected with SendInput,
// polling with a deadline while messages are served, pixels and screenshots, and a temporary
// folder.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "forms/FormsHost.h"

namespace mirvo::wintest {

// Serves messages until the condition holds or the time is up; true when it held.
bool PumpUntil(forms::FormsHost& host, const std::function<bool()>& condition,
               int timeoutMs = 3000);
// Serves messages for a short while (for checking that something does NOT happen).
void PumpFor(forms::FormsHost& host, int ms);
// Brings the window to the foreground and waits until it is there.
bool MakeForeground(forms::FormsHost& host, HWND window);

// Real input.
void MoveMouseTo(POINT screen);
void SetMouseButton(bool right, bool down);
void ClickAt(POINT screen, bool right = false);
void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Presses and releases a key, with modifiers (VK_SHIFT, VK_CONTROL, VK_MENU) held around it.
void PressKey(WORD vk, std::initializer_list<WORD> modifiers = {});
// Types printable ASCII text.
void TypeText(const std::string& text);

// Geometry of native windows.
RECT RectInParent(HWND child);
POINT ScreenPointOf(HWND window, int clientX, int clientY);
POINT CenterOf(HWND window);
std::string TextOf(HWND window);

// The colour of a client pixel after the window has painted.
COLORREF PixelAt(HWND window, int clientX, int clientY);
// Saves what the screen shows of the window (its whole rectangle) as a 24-bit .bmp file.
bool SaveScreenshot(HWND window, const std::string& path);
// The folder named by MIRVO_SCREENSHOT_DIR, or the current folder.
std::string ScreenshotFolder();

// A temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::string& Path() const { return m_path; }
    std::string MakeFolder(const std::string& relative) const;
    void MakeFile(const std::string& relative, const std::string& content = "x") const;

private:
    std::string m_path;
};

}  // namespace mirvo::wintest
