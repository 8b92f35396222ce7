#include "win32/host/KeyRouter.h"

#include <algorithm>

#include "forms/Form.h"
#include "win32/host/FormWindow.h"
#include "win32/host/HostImpl.h"
#include "win32/host/InputState.h"

namespace mirvo::win32 {

namespace {
// A WM_CHAR code as the model's single-byte KeyAscii; false for characters outside the code page.
bool ToAnsi(WPARAM code, bool unicode, int& ascii) {
    if (!unicode) {
        ascii = static_cast<int>(code & 0xFF);
        return true;
    }
    const auto wide = static_cast<wchar_t>(code);
    char bytes[4] = {};
    BOOL usedDefault = FALSE;
    const int n =
        WideCharToMultiByte(CP_ACP, 0, &wide, 1, bytes, sizeof bytes, nullptr, &usedDefault);
    if (n != 1 || usedDefault) {
        return false;
    }
    ascii = static_cast<unsigned char>(bytes[0]);
    return true;
}

WPARAM FromAnsi(int ascii, bool unicode) {
    if (!unicode) {
        return static_cast<WPARAM>(ascii & 0xFF);
    }
    const char byte = static_cast<char>(ascii);
    wchar_t wide = 0;
    MultiByteToWideChar(CP_ACP, 0, &byte, 1, &wide, 1);
    return static_cast<WPARAM>(wide);
}
}  // namespace

std::vector<forms::Control*> KeyRouter::TabOrder() const {
    std::vector<forms::Control*> order;
    for (const auto& c : m_window.Model().Controls()) {
        if (!c->CanTakeFocus() || !c->TabStop() || !c->VisibleInTree() || !c->Enabled() ||
            !m_window.ControlHandle(*c)) {
            continue;
        }
        bool containersEnabled = true;
        for (const forms::Control* p = c->Container(); p; p = p->Container()) {
            containersEnabled = containersEnabled && p->Enabled();
        }
        if (containersEnabled) {
            order.push_back(c.get());
        }
    }
    std::stable_sort(order.begin(), order.end(),
                     [](const forms::Control* a, const forms::Control* b) {
                         return a->TabIndex() < b->TabIndex();
                     });
    return order;
}

void KeyRouter::MoveFocusByTab(forms::Control* from, bool backwards) {
    const std::vector<forms::Control*> order = TabOrder();
    if (order.empty()) {
        return;
    }
    const auto n = static_cast<int>(order.size());
    int next = backwards ? n - 1 : 0;
    const auto at = std::find(order.begin(), order.end(), from);
    if (at != order.end()) {
        const auto i = static_cast<int>(at - order.begin());
        next = backwards ? (i + n - 1) % n : (i + 1) % n;
    } else if (from) {
        // Not a tab stop itself: go on from its place in the tab order.
        const int index = from->TabIndex();
        if (backwards) {
            for (int i = n - 1; i >= 0; --i) {
                if (order[static_cast<size_t>(i)]->TabIndex() < index) {
                    next = i;
                    break;
                }
            }
        } else {
            for (int i = 0; i < n; ++i) {
                if (order[static_cast<size_t>(i)]->TabIndex() > index) {
                    next = i;
                    break;
                }
            }
        }
    }
    ::SetFocus(m_window.ControlHandle(*order[static_cast<size_t>(next)]));
}

void KeyRouter::RunShortcut(forms::Menu& item) {
    // As when the user opens the menus that hold the entry: each raises its Click first, which
    // is where the program updates its entries.
    std::vector<forms::Menu*> chain;
    for (forms::Menu* parent = item.Parent(); parent; parent = parent->Parent()) {
        chain.insert(chain.begin(), parent);
    }
    for (forms::Menu* menu : chain) {
        menu->RaiseClick();
        if (!m_window.Live()) {
            return;
        }
    }
    if (item.Enabled()) {
        item.RaiseClick();
    }
}

bool KeyRouter::Route(forms::Control* target, UINT msg, WPARAM& code, LPARAM lp, bool unicode) {
    using forms::Shift::Alt;
    using forms::Shift::Ctrl;
    forms::FormsHost& host = m_window.Host().api;
    const int shift = ShiftNow();
    switch (msg) {
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN: {
            m_swallowChar = false;
            const int key = static_cast<int>(code);
            const bool repeat = (lp & (LPARAM{1} << 30)) != 0;
            if (!host.KeyGoingDown(key, repeat)) {
                m_swallowChar = true;
                return false;
            }
            const forms::FormsHost::PressScope press(host, m_window.Model());
            if (key == VK_TAB && (shift & (Ctrl | Alt)) == 0) {
                // The character of the Tab key must not reach the control either.
                m_swallowChar = true;
                MoveFocusByTab(target, (shift & forms::Shift::ShiftKey) != 0);
                return false;
            }
            if ((shift & Alt) == 0) {
                if (forms::Menu* item = m_window.Model().FindShortcut(key, shift)) {
                    m_swallowChar = true;
                    RunShortcut(*item);
                    return false;
                }
            }
            const int result = m_window.Model().DispatchKeyDown(target, key, shift);
            if (!m_window.Live()) {
                return false;
            }
            if (result == 0) {
                m_swallowChar = true;
                return false;
            }
            code = static_cast<WPARAM>(result);
            return true;
        }
        case WM_KEYUP:
        case WM_SYSKEYUP: {
            if (!host.KeyComingUp(static_cast<int>(code))) {
                return false;
            }
            const int result =
                m_window.Model().DispatchKeyUp(target, static_cast<int>(code), shift);
            if (!m_window.Live() || result == 0) {
                return false;
            }
            code = static_cast<WPARAM>(result);
            return true;
        }
        case WM_CHAR: {
            if (m_swallowChar) {
                m_swallowChar = false;
                return false;
            }
            int ascii = 0;
            if (!ToAnsi(code, unicode, ascii)) {
                return true;  // outside the code page: passes as typed
            }
            const forms::FormsHost::PressScope press(host, m_window.Model());
            const int result = m_window.Model().DispatchKeyPress(target, ascii);
            if (!m_window.Live() || result == 0) {
                return false;
            }
            if (result == '\r' && target && target->Kind() == forms::ControlKind::CommandButton) {
                // Enter on a focused command button chooses it.
                target->RaiseClick();
                return false;
            }
            if (result != ascii) {
                code = FromAnsi(result, unicode);
            }
            return true;
        }
        default:
            return true;
    }
}

}  // namespace mirvo::win32
