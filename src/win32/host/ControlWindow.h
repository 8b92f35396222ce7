#pragma once

#include <windows.h>

#include <string>

#include "forms/Control.h"
#include "win32/host/ClickTracker.h"
#include "win32/host/Win32FormsHost.h"
#include "win32/host/WindowBase.h"

namespace mirvo::win32 {

class FormWindow;
class TwipsScale;

// The native window of one model control. The base creates the window, applies the properties
// all kinds share, and turns mouse, key and focus messages into the model's events; each kind
// derives to describe its window and handle what is its own.
class ControlWindow : public WindowBase {
public:
    ControlWindow(FormWindow& form, forms::Control& control);
    ~ControlWindow() override = default;

    forms::Control& Model() const { return m_control; }
    FormWindow& Owner() const { return m_form; }

    // Creates the window in parent with every property applied.
    void Create(HWND parent);
    // Applies one changed property of the model.
    void Apply(forms::Property p);
    // A screen point in twips relative to the control: to the window's corner, or to the client
    // area for containers (where their children are placed).
    POINT TwipsFromScreen(POINT screen) const;
    // Labels and images count as drawn on their container's surface: they stay below the
    // windowed controls of the same container.
    bool Lightweight() const { return IsLightweight(m_control.Kind()); }
    static bool IsLightweight(forms::ControlKind kind) {
        return kind == forms::ControlKind::Label || kind == forms::ControlKind::Image;
    }

protected:
    struct Look {
        const char* className = nullptr;
        DWORD style = 0;
        DWORD exStyle = 0;
        bool native = false;  // a system control class, subclassed
    };
    // The class and styles of the window for the model's current state.
    virtual Look Describe() const = 0;
    // Kind state that creation does not set (checks, limits, items...).
    virtual void ApplyKindState() {}
    // A property the base does not handle.
    virtual void ApplyKindProperty(forms::Property) {}
    virtual void ApplyCaption();
    virtual RECT PixelBounds() const;

    // Notifications the parent reflects to the control.
    virtual bool OnCommand(WORD /*code*/) { return false; }
    virtual bool OnDrawItem(const DRAWITEMSTRUCT&) { return false; }
    // The colours of the control's text and background: the model's by default.
    virtual HBRUSH OnCtlColor(HDC dc);
    // Messages of the kind, before the shared handling; true when handled.
    virtual bool HandleKindMessage(UINT, WPARAM, LPARAM, LRESULT&) { return false; }

    // How a click of the left button becomes the model's Click.
    enum class ClickFrom { MouseUp, Notification, Nothing };
    virtual ClickFrom ClickSource() const { return ClickFrom::MouseUp; }

    bool Live() const;
    Win32FormsHost::Impl& Host() const;
    const TwipsScale& Scale() const;
    HINSTANCE Instance() const;
    // Recreates the window when a style that only creation sets has changed.
    void RecreateIfStyleChanged();
    // Changes style bits in place, for styles a window takes after creation.
    void Restyle(DWORD styleMask, DWORD style, DWORD exStyleMask, DWORD exStyle);
    // Invalidates and repaints at once.
    void Repaint() const;
    std::string WindowText() const;

private:
    LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) final;
    bool OnReflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) final;
    LRESULT HandleMouse(UINT msg, WPARAM wp, LPARAM lp);
    LRESULT HandleKey(UINT msg, WPARAM wp, LPARAM lp);
    bool HandleSetCursor(LPARAM lp);
    void ApplyBounds();
    void ApplyFont(bool redraw);
    void PlaceInZOrder();
    void RefreshCursor() const;
    void Recreate();

    FormWindow& m_form;
    forms::Control& m_control;
    Look m_created;
    ClickTracker m_clicks;
};

}  // namespace mirvo::win32
