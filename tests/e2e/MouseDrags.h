#pragma once

// Drags on the main window with the real mouse, as a hand makes them, and the places of its
// labels in the large window.

#include <windows.h>

#include <functional>
#include <string>

namespace mirvo::e2e {

// A point of the main window's client area given in twips.
POINT AtTwips(HWND window, int x, int y);
// Where the layout puts the middle of group clip n (first column), transfer slot k and group
// name g in the large window.
POINT ItemAt(HWND window, int n);
POINT SlotAt(HWND window, int k);
POINT GroupAt(HWND window, int g);

// Presses, moves in steps and stops over the target, the button still down: the drag goes on.
// The target may be found only once the drag shows it.
void PressAndDragTo(POINT from, const std::function<POINT()>& target, bool right = false);
// Lets go of the button: the drop.
void ReleaseDrag(bool right = false);
// A whole drag: press, move, release.
void DragTo(POINT from, const std::function<POINT()>& target, bool right = false);

// Text on the clipboard, as another program puts it there.
void PutTextOnClipboard(const std::string& text);
// A visible top-level window of that title, or nullptr.
HWND VisibleWindow(const char* title);

}  // namespace mirvo::e2e
