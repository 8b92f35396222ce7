// The headless host's user input: the mouse, the keyboard, drags and the title bar, delivered
// only where a hand could give them on the screen and in the order a window system does.

#include <algorithm>
#include <utility>

#include "forms/Controls.h"
#include "forms/HeadlessHost.h"
#include "forms/Lists.h"
#include "forms/Menu.h"
#include "forms/TextBox.h"

namespace mirvo::forms {

namespace {

std::string Named(const Control& control) {
    std::string name = control.Owner().Name() + "." + control.Name();
    if (control.Index() >= 0) {
        name += "(" + std::to_string(control.Index()) + ")";
    }
    return name;
}

// Native buttons act on the release of the left button (or of Space) themselves.
bool IsNativeButton(const Control& control) {
    const ControlKind kind = control.Kind();
    return kind == ControlKind::CommandButton || kind == ControlKind::OptionButton ||
           kind == ControlKind::CheckBox;
}

constexpr int kEnterAscii = 13;
constexpr int kBackspaceAscii = 8;

}  // namespace

std::string HeadlessHost::WhyUnreachable(const Form& form) const {
    if (!form.Loaded()) {
        return form.Name() + " is not loaded";
    }
    if (!form.Visible()) {
        return form.Name() + " is hidden";
    }
    if (!form.Enabled()) {
        return form.Name() + " is disabled";
    }
    for (const ModalShow& show : m_modal) {
        if (std::find(show.waiting.begin(), show.waiting.end(), &form) != show.waiting.end()) {
            return form.Name() + " waits for the modal form " + show.form->Name();
        }
    }
    return "";
}

std::string HeadlessHost::WhyNotLive(const Control& control) const {
    const Form& form = control.Owner();
    std::string why = WhyUnreachable(form);
    if (!why.empty()) {
        return why;
    }
    if (form.WindowState() == WindowState::Minimized) {
        return form.Name() + " is minimized";
    }
    for (const Control* c = &control; c; c = c->Container()) {
        if (!c->Visible()) {
            return Named(*c) + " is hidden";
        }
        if (!c->Enabled()) {
            return Named(*c) + " is disabled";
        }
    }
    return "";
}

std::string HeadlessHost::WhyUnreachable(const Control& control) const {
    std::string why = WhyNotLive(control);
    if (!why.empty() || control.Kind() == ControlKind::Menu) {
        return why;
    }
    // The part of the control that its containers and the window leave in sight.
    int left = control.Left();
    int top = control.Top();
    int right = left + control.Width();
    int bottom = top + control.Height();
    for (const Control* c = &control;; c = c->Container()) {
        const Control* container = c->Container();
        const int width = container ? container->Width() : control.Owner().ScaleWidth();
        const int height = container ? container->Height() : control.Owner().ScaleHeight();
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, width);
        bottom = std::min(bottom, height);
        if (right <= left || bottom <= top) {
            return Named(control) + " is out of sight";
        }
        if (!container) {
            return "";
        }
        left += container->Left();
        right += container->Left();
        top += container->Top();
        bottom += container->Top();
    }
}

std::vector<Form*> HeadlessHost::ModalForms() const {
    std::vector<Form*> forms;
    for (const ModalShow& show : m_modal) {
        forms.push_back(show.form);
    }
    return forms;
}

void HeadlessHost::Require(const Form& form, const char* input) const {
    const std::string why = WhyUnreachable(form);
    if (!why.empty()) {
        throw UnreachableInput(std::string(input) + " on " + form.Name() + ": " + why);
    }
}

void HeadlessHost::Require(const Control& control, const char* input) const {
    const std::string why = WhyUnreachable(control);
    if (!why.empty()) {
        throw UnreachableInput(std::string(input) + " on " + Named(control) + ": " + why);
    }
}

void HeadlessHost::MouseDown(Control& control, MouseButton button, int x, int y) {
    Require(control, "a mouse press");
    Form& form = control.Owner();
    Activate(form);
    if (!Reachable(control)) {
        return;  // the activation changed the form
    }
    const bool left = button == MouseButton::Left;
    const ControlKind kind = control.Kind();
    if ((left && (IsNativeButton(control) || kind == ControlKind::TextBox)) ||
        kind == ControlKind::PictureBox) {
        if (m_focus != &control && control.CanTakeFocus()) {
            SetFocus(control);
            if (!Reachable(control)) {
                return;
            }
        }
    }
    control.RaiseMouseDown(button, 0, x, y);
}

void HeadlessHost::MouseUp(Control& control, MouseButton button, int x, int y, bool over) {
    // The press captured the mouse: the release comes here wherever it happens, unless the
    // press made the control go away.
    if (!control.Owner().Loaded()) {
        return;
    }
    const bool click = button == MouseButton::Left && over;
    if (click && IsNativeButton(control) && control.Enabled()) {
        ChooseButton(control);
        if (!control.Owner().Loaded()) {
            return;
        }
    }
    control.RaiseMouseUp(button, 0, x, y);
    if (click && !IsNativeButton(control) && control.Owner().Loaded()) {
        control.RaiseClick();
    }
}

void HeadlessHost::Click(Control& control, MouseButton button, int x, int y) {
    MouseDown(control, button, x, y);
    MouseUp(control, button, x, y);
}

void HeadlessHost::DoubleClick(Control& control) {
    Click(control);
    if (IsNativeButton(control)) {
        Click(control);  // buttons take a quick second click as a second press
        return;
    }
    if (!Reachable(control)) {
        return;
    }
    control.RaiseDblClick();
    control.RaiseMouseUp(MouseButton::Left, 0, 0, 0);
}

void HeadlessHost::MouseMove(Control& control, int x, int y, MouseButton button) {
    Require(control, "a mouse move");
    control.RaiseMouseMove(button, 0, x, y);
}

void HeadlessHost::ChooseMenu(Menu& entry) {
    Require(entry.Owner(), "a menu");
    std::vector<Menu*> chain;
    for (Menu* m = &entry; m; m = m->Parent()) {
        chain.insert(chain.begin(), m);
    }
    Require(*chain.front(), "a menu");
    for (Menu* m : chain) {
        // An entry that opening its menu greyed out cannot be chosen: the menu closes again.
        if (!entry.Owner().Loaded() || !WhyNotLive(*m).empty()) {
            return;
        }
        m->RaiseClick();
    }
}

void HeadlessHost::PickListItem(ListControl& list, int index, bool doubleClick) {
    Require(list, "a list entry");
    Activate(list.Owner());
    if (m_focus != &list && Reachable(list)) {
        SetFocus(list);  // a click in a list gives it the focus
    }
    if (!Reachable(list)) {
        return;
    }
    if (list.Kind() == ControlKind::DriveList) {
        auto& drives = static_cast<DriveList&>(list);
        const std::string drive = drives.List(index);
        RunGuarded([&] { drives.SetDrive(drive); });
        return;
    }
    RunGuarded([&] { list.SetListIndex(index); });
    if (doubleClick && list.Kind() == ControlKind::DirList && list.Owner().Loaded()) {
        auto& folders = static_cast<DirList&>(list);
        const std::string path = folders.FolderPath(index);
        RunGuarded([&] { folders.SetPath(path); });
    }
}

std::string HeadlessHost::WhyNoKeys() const {
    const Form* form = KeyForm();
    if (!form) {
        return "no window is active";
    }
    std::string why = WhyUnreachable(*form);
    if (why.empty() && m_focus) {
        why = WhyNotLive(*m_focus);
    }
    return why;
}

Form* HeadlessHost::KeyForm() const {
    return m_focus ? &m_focus->Owner() : m_active;
}

void HeadlessHost::KeyDown(int keyCode, int shift, int keyAscii) {
    Form* form = KeyForm();
    if (!form) {
        throw UnreachableInput("a key with no window active");
    }
    Require(*form, "a key");
    if (m_focus && !WhyNotLive(*m_focus).empty()) {
        throw UnreachableInput("a key on " + Named(*m_focus) + ": " + WhyNotLive(*m_focus));
    }
    if (keyCode == Key::Tab && (shift & (Shift::Ctrl | Shift::Alt)) == 0) {
        // Tab moves the focus along the tab order; its character reaches nobody.
        std::vector<Control*> order;
        for (const auto& c : form->Controls()) {
            if (c->CanTakeFocus() && c->TabStop() && WhyNotLive(*c).empty()) {
                order.push_back(c.get());
            }
        }
        std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
            return a->TabIndex() < b->TabIndex();
        });
        if (order.empty()) {
            return;
        }
        const auto n = static_cast<long>(order.size());
        const bool back = (shift & Shift::ShiftKey) != 0;
        long next = back ? n - 1 : 0;
        const auto at = std::find(order.begin(), order.end(), m_focus);
        if (at != order.end()) {
            next = ((at - order.begin()) + (back ? n - 1 : 1)) % n;
        }
        SetFocus(*order[static_cast<size_t>(next)]);
        return;
    }
    if ((shift & Shift::Alt) == 0) {
        if (Menu* entry = form->FindShortcut(keyCode, shift)) {
            ChooseMenu(*entry);
            return;
        }
    }
    if (!KeyGoingDown(keyCode, false)) {
        return;  // a repeat of the key whose press closed a form
    }
    // A form that goes while it handles the press leaves the key's release to nobody.
    const PressScope press(*this, *form);
    Control* target = m_focus;
    const int down = form->DispatchKeyDown(target, keyCode, shift);
    if (down == 0 || !form->Loaded() || KeyForm() != form) {
        return;
    }
    if (down == Key::Space && m_focus && IsNativeButton(*m_focus)) {
        m_spaceArmed = m_focus;
    }
    if (keyAscii != 0) {
        Typed(form->DispatchKeyPress(m_focus, keyAscii));
    }
}

// What the focused window does with a character nobody swallowed.
void HeadlessHost::Typed(int keyAscii) {
    Control* target = m_focus;
    if (keyAscii == 0 || !target) {
        return;
    }
    if (target->Kind() == ControlKind::CommandButton && keyAscii == kEnterAscii) {
        target->RaiseClick();
        return;
    }
    if (target->Kind() != ControlKind::TextBox) {
        return;
    }
    auto& box = static_cast<TextBox&>(*target);
    if (box.Locked()) {
        return;
    }
    if (keyAscii == kBackspaceAscii) {
        if (box.SelLength() == 0 && box.SelStart() > 0) {
            box.SetSelStart(box.SelStart() - 1);
            box.SetSelLength(1);
        }
        box.SetSelText("");
        return;
    }
    std::string text;
    if (keyAscii == kEnterAscii) {
        if (!box.MultiLine()) {
            return;
        }
        text = "\r\n";
    } else if (keyAscii >= 32 && keyAscii <= 255) {
        text = std::string(1, static_cast<char>(keyAscii));
    } else {
        return;
    }
    const int limit = box.MaxLength();
    if (limit > 0 && box.Text().size() - static_cast<size_t>(box.SelLength()) + text.size() >
                         static_cast<size_t>(limit)) {
        return;  // the box takes no more
    }
    box.SetSelText(text);
}

void HeadlessHost::KeyUp(int keyCode, int shift) {
    // The release goes wherever the focus is now.
    Control* armed = std::exchange(m_spaceArmed, nullptr);
    Form* form = KeyForm();
    if (!KeyComingUp(keyCode) || !form || !Reachable(*form)) {
        return;
    }
    Control* target = m_focus;
    const int up = form->DispatchKeyUp(target, keyCode, shift);
    if (up == Key::Space && armed && armed == m_focus && WhyNotLive(*armed).empty()) {
        ChooseButton(*armed);
    }
}

void HeadlessHost::PressKey(int keyCode, int shift, int keyAscii) {
    KeyDown(keyCode, shift, keyAscii);
    KeyUp(keyCode, shift);
}

void HeadlessHost::Type(const std::string& text) {
    const Form* form = KeyForm();
    for (const char c : text) {
        if (!WhyNoKeys().empty() || KeyForm() != form) {
            return;  // a key took the window away: the hand stops typing
        }
        const auto ascii = static_cast<unsigned char>(c);
        int code = ascii;
        if (c >= 'a' && c <= 'z') {
            code = c - 'a' + Key::A;
        }
        PressKey(code, 0, ascii);
    }
}

void HeadlessHost::BeginDrag(Control& source) {
    m_dragSource = &source;
}

void HeadlessHost::DragOver(Control& target, int x, int y) {
    if (!m_dragSource) {
        throw UnreachableInput("a drag over " + Named(target) + " with no drag in progress");
    }
    Require(target, "a drag");
    target.RaiseDragOver(*m_dragSource, x, y, DragState::Over);
}

void HeadlessHost::Drop(Control& target, int x, int y) {
    Control* source = m_dragSource;
    m_dragSource = nullptr;
    if (source) {
        Require(target, "a drop");
        target.RaiseDragDrop(*source, x, y);
    }
}

void HeadlessHost::Drop(Form& target, int x, int y) {
    Control* source = m_dragSource;
    m_dragSource = nullptr;
    if (source) {
        Require(target, "a drop");
        target.RaiseDragDrop(*source, x, y);
    }
}

bool HeadlessHost::CloseByUser(Form& form) {
    Require(form, "the close box");
    if (!form.ControlBox() || form.Border() == BorderStyle::None) {
        throw UnreachableInput("the close box on " + form.Name() + ": it has none");
    }
    return Unload(form, UnloadMode::FormControlMenu);
}

void HeadlessHost::RestoreByUser(Form& form) {
    Require(form, "the taskbar button");
    if (!form.ShowInTaskbar()) {
        throw UnreachableInput("the taskbar button of " + form.Name() + ": it has none");
    }
    form.SetWindowState(WindowState::Normal);
    Activate(form);
    FocusInto(form);
}

}  // namespace mirvo::forms
