#pragma once

#include <string>

#include "forms/Control.h"

namespace mirvo::forms {

class TextBox : public Control {
public:
    TextBox(Form& owner, std::string name, int index, Control* container);

    // Design-time properties: set them before the form is shown.
    bool MultiLine() const { return m_multiLine; }
    void SetMultiLine(bool v);
    forms::ScrollBars ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(forms::ScrollBars s);

    // 0 means no limit; the limit counts bytes of the ANSI text.
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int n);
    // Read-only for the user (the program can still set the text).
    bool Locked() const { return m_locked; }
    void SetLocked(bool v);
    forms::Alignment Alignment() const { return m_alignment; }
    void SetAlignment(forms::Alignment a);
    // Whether a right click shows the system's edit menu; without it the right button is the
    // program's (a help topic).
    bool ContextMenu() const { return m_contextMenu; }
    void SetContextMenu(bool v) { m_contextMenu = v; }

    // Selection, in bytes of the text; a shown text box answers from the native control.
    int SelStart() const;
    int SelLength() const;
    std::string SelText() const;
    void SetSelStart(int start);
    void SetSelLength(int length);
    // Replaces the selection and puts the caret after the new text.
    void SetSelText(const std::string& text);

    void SetCaption(std::string caption) override;

    // Called by a host with the native selection.
    void SyncSelection(int start, int length);

private:
    void ClampSelection();

    bool m_multiLine = false;
    forms::ScrollBars m_scrollBars = forms::ScrollBars::None;
    int m_maxLength = 0;
    bool m_locked = false;
    bool m_contextMenu = true;
    forms::Alignment m_alignment = forms::Alignment::Left;
    int m_selStart = 0;
    int m_selLength = 0;
};

}  // namespace mirvo::forms
