#pragma once

#include <windows.h>

#include "forms/Types.h"

namespace mirvo::win32 {

// The model's Shift argument from the keyboard state of the message being handled.
inline int ShiftNow() {
    int shift = forms::Shift::None;
    if (GetKeyState(VK_SHIFT) < 0) {
        shift |= forms::Shift::ShiftKey;
    }
    if (GetKeyState(VK_CONTROL) < 0) {
        shift |= forms::Shift::Ctrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= forms::Shift::Alt;
    }
    return shift;
}

// The buttons held during a mouse message, as the model's bit set (1 left, 2 right, 4 middle).
inline forms::MouseButton HeldButtons(WPARAM wp) {
    int buttons = 0;
    if (wp & MK_LBUTTON) {
        buttons |= static_cast<int>(forms::MouseButton::Left);
    }
    if (wp & MK_RBUTTON) {
        buttons |= static_cast<int>(forms::MouseButton::Right);
    }
    if (wp & MK_MBUTTON) {
        buttons |= static_cast<int>(forms::MouseButton::Middle);
    }
    return static_cast<forms::MouseButton>(buttons);
}

// What a mouse message is, for the model's events.
struct MouseMessage {
    enum class Kind { Other, Move, Down, Up, DoubleClick };
    Kind kind = Kind::Other;
    forms::MouseButton button = forms::MouseButton::None;
};

inline MouseMessage ClassifyMouse(UINT msg) {
    using forms::MouseButton;
    using Kind = MouseMessage::Kind;
    switch (msg) {
        case WM_MOUSEMOVE:
            return {Kind::Move, MouseButton::None};
        case WM_LBUTTONDOWN:
            return {Kind::Down, MouseButton::Left};
        case WM_RBUTTONDOWN:
            return {Kind::Down, MouseButton::Right};
        case WM_MBUTTONDOWN:
            return {Kind::Down, MouseButton::Middle};
        case WM_LBUTTONUP:
            return {Kind::Up, MouseButton::Left};
        case WM_RBUTTONUP:
            return {Kind::Up, MouseButton::Right};
        case WM_MBUTTONUP:
            return {Kind::Up, MouseButton::Middle};
        case WM_LBUTTONDBLCLK:
            return {Kind::DoubleClick, MouseButton::Left};
        case WM_RBUTTONDBLCLK:
            return {Kind::DoubleClick, MouseButton::Right};
        case WM_MBUTTONDBLCLK:
            return {Kind::DoubleClick, MouseButton::Middle};
        default:
            return {};
    }
}

// The model's Shift argument of a mouse message.
inline int MouseShift(WPARAM wp) {
    int shift = forms::Shift::None;
    if (wp & MK_SHIFT) {
        shift |= forms::Shift::ShiftKey;
    }
    if (wp & MK_CONTROL) {
        shift |= forms::Shift::Ctrl;
    }
    if (GetKeyState(VK_MENU) < 0) {
        shift |= forms::Shift::Alt;
    }
    return shift;
}

}  // namespace mirvo::win32
