#include "forms/Image.h"

#include <cstdlib>

namespace mirvo::forms {

Image::Image(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::Image, std::move(name), index, container) {
    SetTabStop(false);
}

void Image::SetPicture(std::vector<std::uint8_t> packedDib) {
    m_dib = std::move(packedDib);
    Changed(Property::Picture);
}

void Image::SetStretch(bool v) {
    if (v != m_stretch) {
        m_stretch = v;
        Changed(Property::Picture);
    }
}

void Image::SetBorder(forms::BorderStyle b) {
    if (b != m_border) {
        m_border = b;
        Changed(Property::Appearance);
    }
}

DibSize PackedDibSize(const std::vector<std::uint8_t>& dib) {
    // BITMAPINFOHEADER: biSize (4), biWidth (4), biHeight (4, negative for top-down).
    if (dib.size() < 40) {
        return {};
    }
    auto le32 = [&](size_t at) {
        return static_cast<std::int32_t>(dib[at] | (dib[at + 1] << 8) | (dib[at + 2] << 16) |
                                         (static_cast<std::uint32_t>(dib[at + 3]) << 24));
    };
    const std::int32_t headerSize = le32(0);
    if (headerSize < 40 || static_cast<size_t>(headerSize) > dib.size()) {
        return {};
    }
    return {std::abs(le32(4)), std::abs(le32(8))};
}

}  // namespace mirvo::forms
