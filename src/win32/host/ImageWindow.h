#pragma once

#include <cstdint>
#include <vector>

#include "forms/Image.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// An image: draws the model's packed DIB with StretchDIBits, fitted to the control or at its
// own size from the top-left corner, on the container's background.
class ImageWindow final : public ControlWindow {
public:
    ImageWindow(FormWindow& form, forms::Image& image)
        : ControlWindow(form, image), m_image(image) {}

private:
    Look Describe() const override;
    void ApplyKindProperty(forms::Property p) override;
    bool HandleKindMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

    void Paint(HDC dc) const;

    forms::Image& m_image;
};

// Where the pixels of a packed DIB start, or 0 when the bytes are not a DIB that can be drawn
// safely (a header, colour table or pixel array larger than the bytes).
size_t PackedDibPixelOffset(const std::vector<std::uint8_t>& dib);

}  // namespace mirvo::win32
