#include "forms/Form.h"

#include "forms/FormsHost.h"
#include "forms/Menu.h"

namespace mirvo::forms {

Form::Form(FormsHost& host, std::string name) : m_host(host), m_name(std::move(name)) {}

Form::~Form() {
    if (m_loaded) {
        // A form destroyed while loaded takes its window with it; no events run any more.
        m_host.Release(*this);
    }
}

Menu& Form::AddMenu(std::string name, int index, Menu* parent) {
    auto menu = std::make_unique<Menu>(*this, std::move(name), index, parent);
    Menu& ref = *menu;
    AddControl(std::move(menu));
    return ref;
}

void Form::AddControl(std::unique_ptr<Control> control) {
    control->SetTabIndex(static_cast<int>(m_controls.size()));
    m_controls.push_back(std::move(control));
    if (m_peer) {
        m_peer->ControlAdded(*m_controls.back());
    }
}

Control* Form::Find(const std::string& name, int index) const {
    for (const auto& c : m_controls) {
        if (c->Name() == name && c->Index() == index) {
            return c.get();
        }
    }
    return nullptr;
}

void Form::SetCaption(std::string caption) {
    if (caption != m_caption) {
        m_caption = std::move(caption);
        Changed(FormProperty::Caption);
    }
}

void Form::Move(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) {
        return;
    }
    m_left = left;
    m_top = top;
    m_width = width < 0 ? 0 : width;
    m_height = height < 0 ? 0 : height;
    Changed(FormProperty::Bounds);
}

int Form::ScaleWidth() const {
    const int w = m_width - m_host.NonClientWidth(*this);
    return w < 0 ? 0 : w;
}

int Form::ScaleHeight() const {
    const int h = m_height - m_host.NonClientHeight(*this);
    return h < 0 ? 0 : h;
}

void Form::SetBackColor(Color c) {
    if (c != m_backColor) {
        m_backColor = c;
        Changed(FormProperty::BackColor);
    }
}

void Form::SetWindowState(forms::WindowState s) {
    if (s == m_windowState) {
        return;
    }
    m_windowState = s;
    Changed(FormProperty::WindowState);
}

void Form::SetBorder(forms::BorderStyle b) {
    m_border = b;
    Changed(FormProperty::Style);
}

void Form::SetShowInTaskbar(bool v) {
    m_showInTaskbar = v;
    Changed(FormProperty::Style);
}

void Form::SetControlBox(bool v) {
    m_controlBox = v;
    Changed(FormProperty::Style);
}

void Form::SetMinButton(bool v) {
    m_minButton = v;
    Changed(FormProperty::Style);
}

void Form::SetMaxButton(bool v) {
    m_maxButton = v;
    Changed(FormProperty::Style);
}

void Form::SetPointer(MousePointer p) {
    if (p != m_pointer) {
        m_pointer = p;
        Changed(FormProperty::MousePointer);
    }
}

void Form::SetEnabled(bool v) {
    if (v != m_enabled) {
        m_enabled = v;
        Changed(FormProperty::Enabled);
    }
}

void Form::SetVisible(bool v) {
    if (v) {
        Show();
    } else {
        Hide();
    }
}

void Form::Load() { m_host.Load(*this); }
void Form::Show(ShowMode mode) { m_host.Show(*this, mode); }
void Form::Hide() { m_host.Hide(*this); }
bool Form::Unload() { return m_host.Unload(*this, UnloadMode::Code); }
void Form::Refresh() { m_host.Refresh(*this); }
WindowHandle Form::hWnd() const { return m_host.Handle(*this); }

Control* Form::ActiveControl() const {
    Control* focused = m_host.FocusedControl();
    return focused && &focused->Owner() == this ? focused : nullptr;
}

int Form::DispatchKeyDown(Control* target, int keyCode, int shift) {
    if (m_keyPreview) {
        m_host.RunGuarded([&] { Form_KeyDown(keyCode, shift); });
    }
    if (keyCode != 0 && target) {
        target->RaiseKeyDown(keyCode, shift);
    }
    return keyCode;
}

int Form::DispatchKeyUp(Control* target, int keyCode, int shift) {
    if (m_keyPreview) {
        m_host.RunGuarded([&] { Form_KeyUp(keyCode, shift); });
    }
    if (keyCode != 0 && target) {
        target->RaiseKeyUp(keyCode, shift);
    }
    return keyCode;
}

int Form::DispatchKeyPress(Control* target, int keyAscii) {
    if (m_keyPreview) {
        m_host.RunGuarded([&] { Form_KeyPress(keyAscii); });
    }
    if (keyAscii != 0 && target) {
        target->RaiseKeyPress(keyAscii);
    }
    return keyAscii;
}

Menu* Form::FindShortcut(int keyCode, int shift) const {
    const bool ctrl = (shift & Shift::Ctrl) != 0;
    for (const auto& c : m_controls) {
        if (c->Kind() != ControlKind::Menu || !c->Enabled()) {
            continue;
        }
        auto& menu = static_cast<Menu&>(*c);
        const Menu::Accelerator key = menu.ShortcutKey();
        if (key.keyCode != 0 && key.keyCode == keyCode && key.ctrl == ctrl) {
            return &menu;
        }
    }
    return nullptr;
}

void Form::RaiseLoad() {
    m_host.RunGuarded([&] { Form_Load(); });
}
void Form::RaiseActivate() {
    m_host.RunGuarded([&] { Form_Activate(); });
}
void Form::RaiseDeactivate() {
    m_host.RunGuarded([&] { Form_Deactivate(); });
}
void Form::RaiseResize() {
    m_host.RunGuarded([&] { Form_Resize(); });
}

bool Form::RaiseUnload(UnloadMode mode) {
    int cancel = 0;
    m_host.RunGuarded([&] { Form_QueryUnload(cancel, mode); });
    if (cancel != 0) {
        return false;
    }
    m_host.RunGuarded([&] { Form_Unload(cancel); });
    return cancel == 0;
}

void Form::RaiseMouseDown(MouseButton button, int shift, int x, int y) {
    m_host.RunGuarded([&] { Form_MouseDown(button, shift, x, y); });
}
void Form::RaiseMouseMove(MouseButton button, int shift, int x, int y) {
    m_host.RunGuarded([&] { Form_MouseMove(button, shift, x, y); });
}
void Form::RaiseMouseUp(MouseButton button, int shift, int x, int y) {
    m_host.RunGuarded([&] { Form_MouseUp(button, shift, x, y); });
}
void Form::RaiseClick() {
    m_host.RunGuarded([&] { Form_Click(); });
}
void Form::RaiseDragDrop(Control& source, int x, int y) {
    m_host.RunGuarded([&] { Form_DragDrop(source, x, y); });
}
void Form::RaiseDragOver(Control& source, int x, int y, DragState state) {
    m_host.RunGuarded([&] { Form_DragOver(source, x, y, state); });
}

void Form::SyncState(bool loaded, bool visible, bool modal) {
    m_loaded = loaded;
    m_visible = visible;
    m_modal = modal;
}

void Form::SyncBounds(int left, int top, int width, int height) {
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
}

void Form::SyncWindowState(forms::WindowState s) { m_windowState = s; }

void Form::NotifyControlChanged(Control& control, Property p) {
    if (m_peer) {
        m_peer->ControlChanged(control, p);
    }
}

void Form::Changed(FormProperty p) {
    if (m_peer) {
        m_peer->FormChanged(p);
    }
}

void Form::SetBold(bool bold) {
    for (const auto& c : m_controls) {
        c->SetFontBold(bold);
    }
}

}  // namespace mirvo::forms
