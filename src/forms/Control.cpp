#include "forms/Control.h"

#include "forms/Form.h"
#include "forms/FormsHost.h"

namespace mirvo::forms {

Control::Control(Form& owner, ControlKind kind, std::string name, int index, Control* container)
    : m_owner(owner),
      m_kind(kind),
      m_name(std::move(name)),
      m_index(index),
      m_container(container) {}

bool Control::IsContainer() const {
    return m_kind == ControlKind::Frame || m_kind == ControlKind::PictureBox;
}

bool Control::CanTakeFocus() const {
    switch (m_kind) {
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
        case ControlKind::TextBox:
        case ControlKind::PictureBox:
        case ControlKind::DriveList:
        case ControlKind::DirList:
        case ControlKind::FileList:
            return true;
        default:
            return false;
    }
}

bool Control::VisibleInTree() const {
    for (const Control* c = this; c; c = c->Container()) {
        if (!c->Visible()) {
            return false;
        }
    }
    return true;
}

bool Control::HasFont() const {
    switch (m_kind) {
        case ControlKind::Image:
        case ControlKind::Timer:
        case ControlKind::PictureBox:
        case ControlKind::Menu:
            return false;
        default:
            return true;
    }
}

void Control::SetCaption(std::string caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = std::move(caption);
    Changed(Property::Caption);
    if (m_kind == ControlKind::TextBox) {
        RaiseChange();
    }
}

void Control::SyncCaption(std::string caption) {
    if (caption == m_caption) {
        return;
    }
    m_caption = std::move(caption);
    if (m_kind == ControlKind::TextBox) {
        RaiseChange();
    }
}

void Control::Move(int left, int top, int width, int height) {
    if (left == m_left && top == m_top && width == m_width && height == m_height) {
        return;
    }
    m_left = left;
    m_top = top;
    m_width = width < 0 ? 0 : width;
    m_height = height < 0 ? 0 : height;
    Changed(Property::Bounds);
}

void Control::SetVisible(bool v) {
    if (v == m_visible) {
        return;
    }
    m_visible = v;
    Changed(Property::Visible);
}

void Control::SetEnabled(bool v) {
    if (v == m_enabled) {
        return;
    }
    m_enabled = v;
    Changed(m_kind == ControlKind::Timer ? Property::Timer : Property::Enabled);
}

void Control::SetBackColor(Color c) {
    if (c == m_backColor) {
        return;
    }
    m_backColor = c;
    Changed(Property::BackColor);
}

void Control::SetForeColor(Color c) {
    if (c == m_foreColor) {
        return;
    }
    m_foreColor = c;
    Changed(Property::ForeColor);
}

void Control::SetFontBold(bool bold) {
    if (bold == m_fontBold || !HasFont()) {
        return;
    }
    m_fontBold = bold;
    Changed(Property::Font);
}

void Control::SetToolTip(std::string text) {
    if (text == m_toolTip) {
        return;
    }
    m_toolTip = std::move(text);
    Changed(Property::ToolTip);
}

void Control::SetPointer(MousePointer p) {
    if (p == m_pointer) {
        return;
    }
    m_pointer = p;
    Changed(Property::MousePointer);
}

void Control::SetTabIndex(int index) {
    m_tabIndex = index;
}

void Control::SetFocus() {
    m_owner.Host().SetFocus(*this);
}

bool Control::TrySetFocus() {
    try {
        SetFocus();
        return true;
    } catch (const InvalidFocus&) {
        return false;
    }
}

void Control::Refresh() {
    Changed(Property::Caption);
}

void Control::BringToFront() {
    Changed(Property::ZOrder);
}

void Control::Drag() {
    m_owner.Host().BeginDrag(*this);
}

void Control::Changed(Property p) {
    m_owner.NotifyControlChanged(*this, p);
}

void ThrowHandlerConflict(const Control* control, const char* event) {
    std::string where = "a control";
    if (control) {
        where = control->Owner().Name() + "." + control->Name();
        if (control->Index() >= 0) {
            where += "(" + std::to_string(control->Index()) + ")";
        }
    }
    throw HandlerConflict(where + " has a " + event + " handler already");
}

namespace {
template <class F, class... Args>
void Raise(const Control& control, const F& handler, Args&&... args) {
    if (handler) {
        FormsHost& host = control.Owner().Host();
        host.EventRaised(control, handler.Name());
        host.RunGuarded([&] { handler(std::forward<Args>(args)...); });
    }
}
}  // namespace

void Control::RaiseClick() {
    Raise(*this, OnClick);
}
void Control::RaiseDblClick() {
    Raise(*this, OnDblClick);
}
void Control::RaiseChange() {
    Raise(*this, OnChange);
}
void Control::RaiseGotFocus() {
    Raise(*this, OnGotFocus);
}
void Control::RaiseLostFocus() {
    Raise(*this, OnLostFocus);
}

void Control::RaiseMouseDown(MouseButton button, int shift, int x, int y) {
    Raise(*this, OnMouseDown, button, shift, x, y);
}
void Control::RaiseMouseMove(MouseButton button, int shift, int x, int y) {
    Raise(*this, OnMouseMove, button, shift, x, y);
}
void Control::RaiseMouseUp(MouseButton button, int shift, int x, int y) {
    Raise(*this, OnMouseUp, button, shift, x, y);
}
void Control::RaiseKeyDown(int& keyCode, int shift) {
    Raise(*this, OnKeyDown, keyCode, shift);
}
void Control::RaiseKeyUp(int& keyCode, int shift) {
    Raise(*this, OnKeyUp, keyCode, shift);
}
void Control::RaiseKeyPress(int& keyAscii) {
    Raise(*this, OnKeyPress, keyAscii);
}
void Control::RaiseDragDrop(Control& source, int x, int y) {
    Raise(*this, OnDragDrop, source, x, y);
}
void Control::RaiseDragOver(Control& source, int x, int y, DragState state) {
    Raise(*this, OnDragOver, source, x, y, state);
}

}  // namespace mirvo::forms
