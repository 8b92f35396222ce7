#pragma once

#include <windows.h>

#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "forms/Form.h"
#include "forms/Menu.h"
#include "forms/Timer.h"
#include "win32/Handles.h"
#include "win32/host/ClickTracker.h"
#include "win32/host/KeyRouter.h"
#include "win32/host/MenuBar.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/host/WindowBase.h"

namespace mirvo::win32 {

class ControlWindow;

// The top-level window of one loaded form and the native windows of its controls. It is the
// form's peer: every change of the model is applied at once, and the window's messages become
// the form's events (activation, resizing, closing, timers, menus, keys with key preview and
// Tab, the mouse on the client area).
//
// When the form unloads, Detach() cuts it off the model; the host destroys the object once none
// of its windows is handling a message any more.
class FormWindow final : public WindowBase, public forms::FormPeer {
public:
    FormWindow(Win32FormsHost::Impl& host, forms::Form& form);
    ~FormWindow() override;

    // Creates the hidden window and its controls, menus, tooltips and timers; attaches the peer.
    void Create();
    forms::Form& Model() const { return m_form; }
    Win32FormsHost::Impl& Host() const { return m_host; }
    bool Live() const { return m_live; }
    // True while Create makes the windows of the form's controls in their stacking order.
    bool Creating() const { return m_creating; }
    // No more events or model changes reach this window; it stays until destroyed.
    void Detach();
    // Whether any of its windows is handling a message now.
    bool Busy() const;

    // Shows the hidden window in the model's window state. An activation meanwhile
    // is held until FinishShow, so that the form's Resize comes before its Activate.
    void ShowFromHidden();
    void FinishShow();
    void BringToFront();

    // The control window that gets the focus when the form is activated next.
    void RememberFocus(HWND control) { m_savedFocus = control; }
    ControlWindow* WindowOf(const forms::Control& control) const;
    HWND ControlHandle(const forms::Control& control) const;
    UINT NextChildId() { return m_nextChildId++; }
    // A screen point in twips relative to the client area.
    POINT TwipsFromScreen(POINT screen) const;

    // Routes a key message of the focused control (target, or nullptr for the form itself).
    KeyRouter& Keys() { return m_keys; }

    // Tips are set up when the form first shows: before, none can be seen.
    void SetToolTip(HWND control, const std::string& text);
    void RemoveToolTip(HWND control);

    // forms::FormPeer.
    void FormChanged(forms::FormProperty p) override;
    void ControlChanged(forms::Control& control, forms::Property p) override;
    void ControlAdded(forms::Control& control) override;
    bool QuerySelection(const forms::TextBox& box, int& start, int& length) override;

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
    void OnActivate(WPARAM wp, LPARAM lp);
    void OnActivated(bool minimized);
    void OnSize(WPARAM wp, LPARAM lp);
    void OnTimer(WPARAM id);

    void AddControlWindow(forms::Control& control);
    void AddControlWindows(const forms::Control* container);
    HWND ParentFor(const forms::Control& control) const;
    void ScheduleTimer(const forms::Timer& timer);
    UINT_PTR TimerId(const forms::Control& timer) const;

    void ApplyBounds();
    void ApplyStyle();
    void ApplyWindowState();
    void RefreshCursor() const;
    struct Bounds {
        int left = 0;
        int top = 0;
        int width = 0;
        int height = 0;
    };
    Bounds CurrentBounds() const;
    void SyncBoundsFromWindow();
    void RecordSize();

    void SaveFocus();
    void RestoreFocus();
    // The tooltip window and the tips of every control.
    void SetUpToolTips();

    Win32FormsHost::Impl& m_host;
    forms::Form& m_form;
    bool m_live = true;
    std::vector<std::unique_ptr<ControlWindow>> m_controls;
    std::unordered_map<const forms::Control*, ControlWindow*> m_byControl;
    MenuBar m_menu;
    KeyRouter m_keys;
    // Owned by the host's hidden window, not by the form: a topmost popup owned by the form would
    // keep the form itself from becoming topmost under Wine.
    win32::OwnedWindow m_tooltip;
    std::set<HWND> m_tools;
    bool m_toolTipsSetUp = false;
    UINT m_nextChildId = 100;

    bool m_creating = false;
    bool m_inShow = false;
    bool m_pendingActivate = false;
    bool m_applyingBounds = false;
    ClickTracker m_clicks;
    HWND m_savedFocus = nullptr;
    // The model's bounds in the normal (not maximized) state, to come back to without drift.
    Bounds m_normalBounds;
    SIZE m_lastClient{};
    forms::WindowState m_lastState = forms::WindowState::Normal;
};

}  // namespace mirvo::win32
