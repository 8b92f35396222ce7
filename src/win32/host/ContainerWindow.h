#pragma once

#include "forms/Controls.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// Frames and picture boxes: real parent windows of their controls, painted with the model's
// BackColor. A frame draws its caption on an etched border (none with BorderStyle None); a
// picture box has a sunken border and can take the focus. Notifications of the children are
// reflected to the children's objects, as the form does.
class ContainerWindow final : public ControlWindow {
public:
    ContainerWindow(FormWindow& form, forms::Control& container) : ControlWindow(form, container) {}

private:
    Look Describe() const override;
    void ApplyKindProperty(forms::Property p) override;
    bool HandleKindMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    bool Bordered() const;
    void PaintFrame(HDC dc) const;
};

}  // namespace mirvo::win32
