#pragma once

#include <cstdint>

namespace mirvo::forms {

// A native window handle as a plain number; 0 is "no window".
using WindowHandle = std::uintptr_t;

enum class ControlKind {
    Label,
    CommandButton,
    OptionButton,
    CheckBox,
    TextBox,
    Frame,
    PictureBox,
    Image,
    Timer,
    DriveList,
    DirList,
    FileList,
    Menu,
};

// Mouse buttons as event arguments: 1 left, 2 right, 4 middle (0 for "no button").
enum class MouseButton : int { None = 0, Left = 1, Right = 2, Middle = 4 };

// Modifier state as event arguments: bit 1 Shift, 2 Ctrl, 4 Alt.
namespace Shift {
inline constexpr int None = 0;
inline constexpr int ShiftKey = 1;
inline constexpr int Ctrl = 2;
inline constexpr int Alt = 4;
}  // namespace Shift

enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

enum class ShowMode { Modeless, Modal };

enum class Alignment { Left = 0, Right = 1, Center = 2 };

enum class BorderStyle {
    None = 0,
    FixedSingle = 1,
    // Form-only styles.
    Sizable = 2,
    FixedDialog = 3,
    FixedToolWindow = 4,
};

enum class ScrollBars { None = 0, Horizontal = 1, Vertical = 2, Both = 3 };

// Look of option buttons and check boxes: a round/square mark or a push button that stays down.
enum class ButtonStyle { Standard = 0, Graphical = 1 };

enum class MousePointer { Default = 0, Arrow = 1, Hourglass = 11, ArrowHourglass = 13, Custom = 99 };

// Why a form is asked to unload.
enum class UnloadMode { FormControlMenu = 0, Code = 1, AppWindows = 2, TaskManager = 3 };

// DragOver state: the source entered, left or moved over the target.
enum class DragState { Enter = 0, Leave = 1, Over = 2 };

// Message box styles and answers, as the Win32 MessageBox numbers.
namespace MsgStyle {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;
}  // namespace MsgStyle

enum class MsgResult { Ok = 1, Cancel = 2, Yes = 6, No = 7 };

// Virtual key codes the program refers to (the Win32 values).
namespace Key {
inline constexpr int Back = 0x08;
inline constexpr int Tab = 0x09;
inline constexpr int Return = 0x0D;
inline constexpr int ShiftKey = 0x10;
inline constexpr int Control = 0x11;
inline constexpr int Menu = 0x12;
inline constexpr int Escape = 0x1B;
inline constexpr int Space = 0x20;
inline constexpr int PageUp = 0x21;
inline constexpr int PageDown = 0x22;
inline constexpr int End = 0x23;
inline constexpr int Home = 0x24;
inline constexpr int Left = 0x25;
inline constexpr int Up = 0x26;
inline constexpr int Right = 0x27;
inline constexpr int Down = 0x28;
inline constexpr int Insert = 0x2D;
inline constexpr int Delete = 0x2E;
inline constexpr int D0 = 0x30;
inline constexpr int A = 0x41;
inline constexpr int C = 0x43;
inline constexpr int Numpad0 = 0x60;
inline constexpr int F1 = 0x70;
}  // namespace Key

struct ScreenMetrics {
    int widthTwips = 0;
    int heightTwips = 0;
    int twipsPerPixelX = 15;
    int twipsPerPixelY = 15;
};

}  // namespace mirvo::forms
