#pragma once

#include <string>

#include "forms/Color.h"
#include "forms/Event.h"
#include "forms/Types.h"

namespace mirvo::forms {

class Form;

// What changed on a control, so that a host can update its native window.
enum class Property {
    Caption,
    Bounds,
    Visible,
    Enabled,
    BackColor,
    ForeColor,
    Font,
    ToolTip,
    Value,
    Appearance,  // alignment, border, style
    TextLimits,  // max length, locked
    Selection,
    Picture,
    Timer,
    Items,
    ListIndex,
    MousePointer,
    ZOrder,
};

// Base of every control of the retained model: the properties all kinds share and their events.
// Positions are in twips, relative to the container (a frame or picture box) or the form.
class Control {
public:
    Control(Form& owner, ControlKind kind, std::string name, int index, Control* container);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind Kind() const { return m_kind; }
    const std::string& Name() const { return m_name; }
    int Index() const { return m_index; }  // -1 when not part of a control array
    Form& Owner() const { return m_owner; }
    Control* Container() const { return m_container; }
    bool IsContainer() const;
    bool CanTakeFocus() const;
    // Visible itself and inside visible containers.
    bool VisibleInTree() const;

    // The caption of labels, buttons and frames; the text of a text box.
    const std::string& Caption() const { return m_caption; }
    virtual void SetCaption(std::string caption);
    const std::string& Text() const { return m_caption; }
    void SetText(std::string text) { SetCaption(std::move(text)); }

    int Left() const { return m_left; }
    int Top() const { return m_top; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    void SetLeft(int v) { Move(v, m_top, m_width, m_height); }
    void SetTop(int v) { Move(m_left, v, m_width, m_height); }
    void SetWidth(int v) { Move(m_left, m_top, v, m_height); }
    void SetHeight(int v) { Move(m_left, m_top, m_width, v); }
    void Move(int left, int top, int width, int height);

    bool Visible() const { return m_visible; }
    void SetVisible(bool v);
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool v);
    Color BackColor() const { return m_backColor; }
    void SetBackColor(Color c);
    Color ForeColor() const { return m_foreColor; }
    void SetForeColor(Color c);
    bool FontBold() const { return m_fontBold; }
    void SetFontBold(bool bold);
    bool HasFont() const;
    const std::string& ToolTip() const { return m_toolTip; }
    void SetToolTip(std::string text);
    MousePointer Pointer() const { return m_pointer; }
    void SetPointer(MousePointer p);

    // Program data carried by the control; never shown.
    const std::string& Tag() const { return m_tag; }
    void SetTag(std::string tag) { m_tag = std::move(tag); }
    int TabIndex() const { return m_tabIndex; }
    void SetTabIndex(int index);
    bool TabStop() const { return m_tabStop; }
    void SetTabStop(bool v) { m_tabStop = v; }

    void SetFocus();
    // Moves the focus here when the control can take it now; false when it cannot (hidden,
    // disabled, or on a hidden or minimized form).
    bool TrySetFocus();
    void Refresh();
    void BringToFront();
    // Starts a manual drag of this control; the host reports DragOver / DragDrop to the targets.
    void Drag();

    // Events; each takes one handler.
    Event<> OnClick{this, "Click"};
    Event<> OnDblClick{this, "DblClick"};
    Event<> OnChange{this, "Change"};
    Event<> OnGotFocus{this, "GotFocus"};
    Event<> OnLostFocus{this, "LostFocus"};
    Event<MouseButton, int, int, int> OnMouseDown{this, "MouseDown"};  // button, shift, x, y
    Event<MouseButton, int, int, int> OnMouseMove{this, "MouseMove"};
    Event<MouseButton, int, int, int> OnMouseUp{this, "MouseUp"};
    Event<int&, int> OnKeyDown{this, "KeyDown"};  // key code, shift
    Event<int&, int> OnKeyUp{this, "KeyUp"};
    Event<int&> OnKeyPress{this, "KeyPress"};                // character code
    Event<Control&, int, int> OnDragDrop{this, "DragDrop"};  // source, x, y
    Event<Control&, int, int, DragState> OnDragOver{this, "DragOver"};

    // Raising events; each runs inside the host's error boundary.
    void RaiseClick();
    void RaiseDblClick();
    void RaiseChange();
    void RaiseGotFocus();
    void RaiseLostFocus();
    void RaiseMouseDown(MouseButton button, int shift, int x, int y);
    void RaiseMouseMove(MouseButton button, int shift, int x, int y);
    void RaiseMouseUp(MouseButton button, int shift, int x, int y);
    void RaiseKeyDown(int& keyCode, int shift);
    void RaiseKeyUp(int& keyCode, int shift);
    void RaiseKeyPress(int& keyAscii);
    void RaiseDragDrop(Control& source, int x, int y);
    void RaiseDragOver(Control& source, int x, int y, DragState state);

    // Called by a host when the user changed the native control; no echo back to the host.
    void SyncCaption(std::string caption);

protected:
    void Changed(Property p);

private:
    Form& m_owner;
    ControlKind m_kind;
    std::string m_name;
    int m_index;
    Control* m_container;
    std::string m_caption;
    int m_left = 0;
    int m_top = 0;
    int m_width = 0;
    int m_height = 0;
    bool m_visible = true;
    bool m_enabled = true;
    Color m_backColor = kButtonFace;
    Color m_foreColor = kButtonText;
    bool m_fontBold = false;
    std::string m_toolTip;
    MousePointer m_pointer = MousePointer::Default;
    std::string m_tag;
    int m_tabIndex = 0;
    bool m_tabStop = true;
};

}  // namespace mirvo::forms
