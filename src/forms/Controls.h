#pragma once

// The simple control kinds: labels, buttons, frames and picture boxes.

#include "forms/Control.h"

namespace mirvo::forms {

class Label : public Control {
public:
    Label(Form& owner, std::string name, int index, Control* container);

    forms::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(forms::Alignment a);
    forms::BorderStyle Border() const { return m_border; }
    void SetBorder(forms::BorderStyle b);

private:
    forms::Alignment m_alignment = forms::Alignment::Left;
    forms::BorderStyle m_border = forms::BorderStyle::None;
};

// A push button; Value is its pressed (down) look, which the program sets and clears itself.
class CommandButton : public Control {
public:
    CommandButton(Form& owner, std::string name, int index, Control* container);

    bool Value() const { return m_value; }
    void SetValue(bool down);

private:
    bool m_value = false;
};

// Option buttons of one container are mutually exclusive.
class OptionButton : public Control {
public:
    OptionButton(Form& owner, std::string name, int index, Control* container);

    bool Value() const { return m_value; }
    // Selecting clears the other option buttons of the container and raises Click.
    void SetValue(bool selected);
    ButtonStyle Style() const { return m_style; }
    void SetStyle(ButtonStyle s);

private:
    bool m_value = false;
    ButtonStyle m_style = ButtonStyle::Standard;
};

class CheckBox : public Control {
public:
    CheckBox(Form& owner, std::string name, int index, Control* container);

    // 0 unchecked, 1 checked; a change raises Click.
    int Value() const { return m_value; }
    void SetValue(int value);
    ButtonStyle Style() const { return m_style; }
    void SetStyle(ButtonStyle s);

private:
    int m_value = 0;
    ButtonStyle m_style = ButtonStyle::Standard;
};

// A captioned container.
class Frame : public Control {
public:
    Frame(Form& owner, std::string name, int index, Control* container);

    forms::BorderStyle Border() const { return m_border; }
    void SetBorder(forms::BorderStyle b);

private:
    forms::BorderStyle m_border = forms::BorderStyle::FixedSingle;
};

// A plain container that can also take the keyboard focus (the program's focus holders).
class PictureBox : public Control {
public:
    PictureBox(Form& owner, std::string name, int index, Control* container);

    forms::BorderStyle Border() const { return m_border; }
    void SetBorder(forms::BorderStyle b);

private:
    forms::BorderStyle m_border = forms::BorderStyle::FixedSingle;
};

// What a button does when the user chooses it, with the mouse or with Space: an option button
// is selected, a check box turns over, a command button raises Click. Other kinds do nothing.
void ChooseButton(Control& button);

}  // namespace mirvo::forms
