#include "forms/Controls.h"

#include "forms/Form.h"

namespace mirvo::forms {

Label::Label(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::Label, std::move(name), index, container) {
    SetForeColor(kWindowText);
}

void Label::SetAlignment(forms::Alignment a) {
    if (a != m_alignment) {
        m_alignment = a;
        Changed(Property::Appearance);
    }
}

void Label::SetBorder(forms::BorderStyle b) {
    if (b != m_border) {
        m_border = b;
        Changed(Property::Appearance);
    }
}

CommandButton::CommandButton(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::CommandButton, std::move(name), index, container) {}

void CommandButton::SetValue(bool down) {
    if (down != m_value) {
        m_value = down;
        Changed(Property::Value);
    }
}

OptionButton::OptionButton(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::OptionButton, std::move(name), index, container) {}

void OptionButton::SetValue(bool selected) {
    if (selected == m_value) {
        return;
    }
    m_value = selected;
    if (selected) {
        for (const auto& other : Owner().Controls()) {
            if (other.get() != this && other->Kind() == ControlKind::OptionButton &&
                other->Container() == Container()) {
                static_cast<OptionButton&>(*other).SetValue(false);
            }
        }
    }
    Changed(Property::Value);
    if (selected) {
        RaiseClick();
    }
}

void OptionButton::SetStyle(ButtonStyle s) {
    if (s != m_style) {
        m_style = s;
        Changed(Property::Appearance);
    }
}

CheckBox::CheckBox(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::CheckBox, std::move(name), index, container) {}

void CheckBox::SetValue(int value) {
    if (value == m_value) {
        return;
    }
    m_value = value;
    Changed(Property::Value);
    RaiseClick();
}

void CheckBox::SetStyle(ButtonStyle s) {
    if (s != m_style) {
        m_style = s;
        Changed(Property::Appearance);
    }
}

Frame::Frame(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::Frame, std::move(name), index, container) {
    SetTabStop(false);
}

void Frame::SetBorder(forms::BorderStyle b) {
    if (b != m_border) {
        m_border = b;
        Changed(Property::Appearance);
    }
}

PictureBox::PictureBox(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::PictureBox, std::move(name), index, container) {}

void PictureBox::SetBorder(forms::BorderStyle b) {
    if (b != m_border) {
        m_border = b;
        Changed(Property::Appearance);
    }
}

void ChooseButton(Control& button) {
    switch (button.Kind()) {
        case ControlKind::OptionButton:
            static_cast<OptionButton&>(button).SetValue(true);
            break;
        case ControlKind::CheckBox: {
            auto& box = static_cast<CheckBox&>(button);
            box.SetValue(box.Value() == 1 ? 0 : 1);
            break;
        }
        case ControlKind::CommandButton:
            button.RaiseClick();
            break;
        default:
            break;
    }
}

}  // namespace mirvo::forms
