#pragma once

#include <cstdint>
#include <vector>

#include "forms/Control.h"

namespace mirvo::forms {

// Shows a device-independent bitmap: a packed DIB (BITMAPINFOHEADER, colour table, pixels),
// the layout of the clipboard's CF_DIB format.
class Image : public Control {
public:
    Image(Form& owner, std::string name, int index, Control* container);

    const std::vector<std::uint8_t>& Picture() const { return m_dib; }
    void SetPicture(std::vector<std::uint8_t> packedDib);
    // Stretched to the control's size, or drawn at its own size from the top-left corner.
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool v);
    forms::BorderStyle Border() const { return m_border; }
    void SetBorder(forms::BorderStyle b);

private:
    std::vector<std::uint8_t> m_dib;
    bool m_stretch = false;
    forms::BorderStyle m_border = forms::BorderStyle::None;
};

// Width and height in pixels of a packed DIB, or {0, 0} when it is not one.
struct DibSize {
    int width = 0;
    int height = 0;
};
DibSize PackedDibSize(const std::vector<std::uint8_t>& dib);

}  // namespace mirvo::forms
