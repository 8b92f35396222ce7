#pragma once

#include "forms/TextBox.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// A text box: an EDIT control. What the user types flows back with SyncCaption (which raises
// Change); the program's text, limit, read-only state and selection go to the control. The
// selection is read from the control whenever the model asks for it.
class TextBoxWindow final : public ControlWindow {
public:
    TextBoxWindow(FormWindow& form, forms::TextBox& box) : ControlWindow(form, box), m_box(box) {}

    // The native selection; false while the model's own selection is being applied.
    bool QuerySelection(int& start, int& length) const;

private:
    Look Describe() const override;
    void ApplyKindState() override;
    void ApplyKindProperty(forms::Property p) override;
    void ApplyCaption() override;
    bool OnCommand(WORD code) override;
    bool HandleKindMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    void ApplyLimits();
    void ApplySelection();

    forms::TextBox& m_box;
    bool m_settingText = false;
    bool m_readingModelSelection = false;
};

}  // namespace mirvo::win32
