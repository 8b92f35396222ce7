#pragma once

#include "forms/Controls.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// Command buttons, option buttons and check boxes: BUTTON controls. Command buttons and the
// graphical style are owner-drawn, so that BackColor shows and a set Value keeps them down; the
// standard option and check boxes are plain (non-automatic) radio and check buttons whose state
// follows the model. A user's click goes to the model (Click, SetValue), which raises the events.
class ButtonWindow final : public ControlWindow {
public:
    ButtonWindow(FormWindow& form, forms::Control& button) : ControlWindow(form, button) {}

private:
    Look Describe() const override;
    void ApplyKindState() override;
    void ApplyKindProperty(forms::Property p) override;
    bool OnCommand(WORD code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    ClickFrom ClickSource() const override { return ClickFrom::Notification; }

    bool OwnerDrawn() const;
    // Down because of the model: a pressed command button, a set graphical option or check.
    bool ValueDown() const;
    void ApplyCheck();
};

}  // namespace mirvo::win32
