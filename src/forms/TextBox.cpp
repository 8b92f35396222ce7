#include "forms/TextBox.h"

#include <algorithm>

#include "forms/Form.h"

namespace mirvo::forms {

TextBox::TextBox(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::TextBox, std::move(name), index, container) {
    SetBackColor(kWindowBackground);
    SetForeColor(kWindowText);
}

void TextBox::SetMultiLine(bool v) {
    if (v != m_multiLine) {
        m_multiLine = v;
        Changed(Property::Appearance);
    }
}

void TextBox::SetScrollBars(forms::ScrollBars s) {
    if (s != m_scrollBars) {
        m_scrollBars = s;
        Changed(Property::Appearance);
    }
}

void TextBox::SetMaxLength(int n) {
    m_maxLength = std::max(0, n);
    Changed(Property::TextLimits);
}

void TextBox::SetLocked(bool v) {
    if (v != m_locked) {
        m_locked = v;
        Changed(Property::TextLimits);
    }
}

void TextBox::SetAlignment(forms::Alignment a) {
    if (a != m_alignment) {
        m_alignment = a;
        Changed(Property::Appearance);
    }
}

int TextBox::SelStart() const {
    int start = m_selStart;
    int length = m_selLength;
    if (FormPeer* peer = Owner().Peer()) {
        peer->QuerySelection(*this, start, length);
    }
    return start;
}

int TextBox::SelLength() const {
    int start = m_selStart;
    int length = m_selLength;
    if (FormPeer* peer = Owner().Peer()) {
        peer->QuerySelection(*this, start, length);
    }
    return length;
}

std::string TextBox::SelText() const {
    const int start = SelStart();
    const int length = SelLength();
    return Text().substr(static_cast<size_t>(start), static_cast<size_t>(length));
}

void TextBox::SetSelStart(int start) {
    m_selStart = start;
    m_selLength = 0;
    ClampSelection();
    Changed(Property::Selection);
}

void TextBox::SetSelLength(int length) {
    m_selStart = SelStart();
    m_selLength = length;
    ClampSelection();
    Changed(Property::Selection);
}

void TextBox::SetSelText(const std::string& text) {
    const int start = SelStart();
    const int length = SelLength();
    std::string whole = Text();
    whole.replace(static_cast<size_t>(start), static_cast<size_t>(length), text);
    SetCaption(std::move(whole));
    m_selStart = start + static_cast<int>(text.size());
    m_selLength = 0;
    ClampSelection();
    Changed(Property::Selection);
}

void TextBox::SetCaption(std::string caption) {
    if (m_maxLength > 0 && caption.size() > static_cast<size_t>(m_maxLength)) {
        caption.resize(static_cast<size_t>(m_maxLength));
    }
    // A new text puts the caret at its start, as the native box does.
    m_selStart = 0;
    m_selLength = 0;
    Control::SetCaption(std::move(caption));
}

void TextBox::SyncSelection(int start, int length) {
    m_selStart = start;
    m_selLength = length;
    ClampSelection();
}

void TextBox::ClampSelection() {
    const int size = static_cast<int>(Text().size());
    m_selStart = std::clamp(m_selStart, 0, size);
    m_selLength = std::clamp(m_selLength, 0, size - m_selStart);
}

}  // namespace mirvo::forms
