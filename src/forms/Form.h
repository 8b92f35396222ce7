#pragma once

#include <memory>
#include <string>
#include <vector>

#include "forms/Color.h"
#include "forms/Control.h"
#include "forms/Types.h"

namespace mirvo::forms {

class FormsHost;
class Menu;
class TextBox;

enum class FormProperty { Caption, Bounds, BackColor, WindowState, Style, MousePointer, Enabled };

// A host's native side of one loaded form: it hears every model change and answers what only
// the native window knows.
class FormPeer {
public:
    virtual ~FormPeer() = default;
    virtual void FormChanged(FormProperty p) = 0;
    virtual void ControlChanged(Control& control, Property p) = 0;
    virtual void ControlAdded(Control& control) = 0;
    // The native selection of a text box; false when the host does not know it.
    virtual bool QuerySelection(const TextBox& box, int& start, int& length) = 0;
};

// One window of the program with its controls. Program forms derive from it, create their
// controls in their constructor and override the Form_ events they handle.
class Form {
public:
    Form(FormsHost& host, std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    FormsHost& Host() const { return m_host; }
    const std::string& Name() const { return m_name; }

    // Controls, kept in creation order (the default tab and z order).
    template <class T>
    T& Add(std::string name, int index = -1, Control* container = nullptr) {
        auto control = std::make_unique<T>(*this, std::move(name), index, container);
        T& ref = *control;
        AddControl(std::move(control));
        return ref;
    }
    Menu& AddMenu(std::string name, int index = -1, Menu* parent = nullptr);
    const std::vector<std::unique_ptr<Control>>& Controls() const { return m_controls; }
    Control* Find(const std::string& name, int index = -1) const;

    const std::string& Caption() const { return m_caption; }
    void SetCaption(std::string caption);
    // Outer window rectangle in twips, title bar and borders included.
    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { Move(v, m_top, m_width, m_height); }
    void SetTop(int v) { Move(m_left, v, m_width, m_height); }
    void SetWidth(int v) { Move(m_left, m_top, v, m_height); }
    void SetHeight(int v) { Move(m_left, m_top, m_width, v); }
    void Move(int left, int top, int width, int height);
    // The client area in twips.
    int ScaleWidth() const;
    int ScaleHeight() const;

    Color BackColor() const { return m_backColor; }
    void SetBackColor(Color c);
    forms::WindowState WindowState() const { return m_windowState; }
    void SetWindowState(forms::WindowState s);
    bool KeyPreview() const { return m_keyPreview; }
    void SetKeyPreview(bool v) { m_keyPreview = v; }
    forms::BorderStyle Border() const { return m_border; }
    void SetBorder(forms::BorderStyle b);
    bool ShowInTaskbar() const { return m_showInTaskbar; }
    void SetShowInTaskbar(bool v);
    bool ControlBox() const { return m_controlBox; }
    void SetControlBox(bool v);
    bool MinButton() const { return m_minButton; }
    void SetMinButton(bool v);
    bool MaxButton() const { return m_maxButton; }
    void SetMaxButton(bool v);
    MousePointer Pointer() const { return m_pointer; }
    void SetPointer(MousePointer p);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v);

    bool Loaded() const { return m_loaded; }
    bool Visible() const { return m_visible; }
    bool Modal() const { return m_modal; }
    // Shows or hides through the host.
    void SetVisible(bool v);

    void Load();
    void Show(ShowMode mode = ShowMode::Modeless);
    void Hide();
    bool Unload();
    void Refresh();
    WindowHandle hWnd() const;
    Control* ActiveControl() const;

    // Keys go to the form first when KeyPreview is set, then to the control unless the form
    // cleared the code. Each returns the final code: 0 means the key was swallowed.
    int DispatchKeyDown(Control* target, int keyCode, int shift);
    int DispatchKeyUp(Control* target, int keyCode, int shift);
    int DispatchKeyPress(Control* target, int keyAscii);
    // The menu entry whose shortcut is this key, or nullptr.
    Menu* FindShortcut(int keyCode, int shift) const;
    // Sets FontBold on every control that has a font.
    void SetBold(bool bold);

    // Form events, each run inside the host's error boundary.
    void RaiseLoad();
    void RaiseActivate();
    void RaiseDeactivate();
    void RaiseResize();
    // QueryUnload then Unload; false when either cancelled.
    bool RaiseUnload(UnloadMode mode);
    void RaiseMouseDown(MouseButton button, int shift, int x, int y);
    void RaiseMouseMove(MouseButton button, int shift, int x, int y);
    void RaiseMouseUp(MouseButton button, int shift, int x, int y);
    void RaiseClick();
    void RaiseDragDrop(Control& source, int x, int y);
    void RaiseDragOver(Control& source, int x, int y, DragState state);

    // Host side.
    FormPeer* Peer() const { return m_peer; }
    void AttachPeer(FormPeer* peer) { m_peer = peer; }
    void SyncState(bool loaded, bool visible, bool modal);
    void SyncBounds(int left, int top, int width, int height);
    void SyncWindowState(forms::WindowState s);
    void NotifyControlChanged(Control& control, Property p);

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Deactivate() {}
    virtual void Form_Resize() {}
    virtual void Form_QueryUnload(int& /*cancel*/, UnloadMode /*mode*/) {}
    virtual void Form_Unload(int& /*cancel*/) {}
    virtual void Form_KeyDown(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyUp(int& /*keyCode*/, int /*shift*/) {}
    virtual void Form_KeyPress(int& /*keyAscii*/) {}
    virtual void Form_MouseDown(MouseButton, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void Form_MouseMove(MouseButton, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void Form_MouseUp(MouseButton, int /*shift*/, int /*x*/, int /*y*/) {}
    virtual void Form_Click() {}
    virtual void Form_DragDrop(Control& /*source*/, int /*x*/, int /*y*/) {}
    virtual void Form_DragOver(Control& /*source*/, int /*x*/, int /*y*/, DragState) {}

private:
    void AddControl(std::unique_ptr<Control> control);
    void Changed(FormProperty p);

    FormsHost& m_host;
    std::string m_name;
    std::vector<std::unique_ptr<Control>> m_controls;
    FormPeer* m_peer = nullptr;

    std::string m_caption;
    int m_left = 0;
    int m_top = 0;
    int m_width = 4800;
    int m_height = 3600;
    Color m_backColor = kButtonFace;
    forms::WindowState m_windowState = forms::WindowState::Normal;
    bool m_keyPreview = false;
    forms::BorderStyle m_border = forms::BorderStyle::Sizable;
    bool m_showInTaskbar = true;
    bool m_controlBox = true;
    bool m_minButton = true;
    bool m_maxButton = true;
    MousePointer m_pointer = MousePointer::Default;
    bool m_enabled = true;
    bool m_loaded = false;
    bool m_visible = false;
    bool m_modal = false;
};

}  // namespace mirvo::forms
