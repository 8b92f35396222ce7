#pragma once

#include "forms/Controls.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// A label: a STATIC control with the model's colours (answered to WM_CTLCOLORSTATIC), its
// alignment and border, word-wrapped. It notifies, so that it receives the mouse like the rest.
class LabelWindow final : public ControlWindow {
public:
    LabelWindow(FormWindow& form, forms::Label& label)
        : ControlWindow(form, label), m_label(label) {}

private:
    Look Describe() const override;
    void ApplyKindProperty(forms::Property p) override;

    forms::Label& m_label;
};

}  // namespace mirvo::win32
