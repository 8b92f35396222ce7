#include "win32/host/ImageWindow.h"

#include <cstdlib>
#include <cstring>

#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

size_t PackedDibPixelOffset(const std::vector<std::uint8_t>& dib) {
    if (dib.size() < sizeof(BITMAPINFOHEADER)) {
        return 0;
    }
    BITMAPINFOHEADER header{};
    std::memcpy(&header, dib.data(), sizeof header);
    if (header.biSize < sizeof(BITMAPINFOHEADER) || header.biSize > dib.size() ||
        header.biWidth <= 0 || header.biHeight == 0 || header.biPlanes != 1) {
        return 0;
    }
    const unsigned bits = header.biBitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) {
        return 0;
    }
    std::uint64_t colors = 0;
    if (bits <= 8) {
        colors = header.biClrUsed != 0 ? header.biClrUsed : (1u << bits);
        if (colors > (1u << bits)) {
            return 0;
        }
    } else {
        colors = header.biClrUsed;
    }
    std::uint64_t masks = 0;
    if (header.biCompression == BI_BITFIELDS) {
        if (bits != 16 && bits != 32) {
            return 0;
        }
        // Three masks follow a plain BITMAPINFOHEADER; the larger headers hold them.
        masks = header.biSize == sizeof(BITMAPINFOHEADER) ? 3 * sizeof(DWORD) : 0;
    } else if (header.biCompression != BI_RGB) {
        return 0;
    }
    const std::uint64_t offset = header.biSize + masks + colors * sizeof(RGBQUAD);
    const std::uint64_t stride =
        ((static_cast<std::uint64_t>(header.biWidth) * bits + 31) / 32) * 4;
    const std::uint64_t rows = static_cast<std::uint64_t>(std::llabs(header.biHeight));
    if (offset + stride * rows > dib.size()) {
        return 0;
    }
    return static_cast<size_t>(offset);
}

ControlWindow::Look ImageWindow::Describe() const {
    const DWORD border = m_image.Border() == forms::BorderStyle::None ? 0u : WS_BORDER;
    return {kImageClass, border, 0, false};
}

void ImageWindow::ApplyKindProperty(forms::Property p) {
    if (p == forms::Property::Picture) {
        Repaint();
    } else if (p == forms::Property::Appearance) {
        Restyle(WS_BORDER, Describe().style & WS_BORDER, 0, 0);
    }
}

bool ImageWindow::HandleKindMessage(UINT msg, WPARAM, LPARAM, LRESULT& result) {
    switch (msg) {
        case WM_ERASEBKGND:
            result = 1;  // the paint covers everything
            return true;
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(Hwnd(), &ps);
            Paint(dc);
            EndPaint(Hwnd(), &ps);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void ImageWindow::Paint(HDC dc) const {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    // An image has no background of its own: it shows its container's.
    const forms::Control* container = m_image.Container();
    const forms::Color back = container ? container->BackColor() : m_image.Owner().BackColor();
    FillRect(dc, &client, Host().gdi.BrushFor(back));

    const std::vector<std::uint8_t>& dib = m_image.Picture();
    const size_t pixels = PackedDibPixelOffset(dib);
    if (pixels == 0) {
        return;
    }
    const forms::DibSize size = forms::PackedDibSize(dib);
    int width = size.width;
    int height = size.height;
    if (m_image.Stretch()) {
        width = client.right - client.left;
        height = client.bottom - client.top;
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchDIBits(dc, 0, 0, width, height, 0, 0, size.width, size.height, dib.data() + pixels,
                  reinterpret_cast<const BITMAPINFO*>(dib.data()), DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace mirvo::win32
