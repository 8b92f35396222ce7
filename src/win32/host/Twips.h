#pragma once

#include <windows.h>

#include "win32/Handles.h"

namespace mirvo::win32 {

// Converts between the model's twips and pixels at the screen's DPI. Rectangles convert edge by
// edge, so controls that touch in twips touch in pixels too, whatever the rounding.
class TwipsScale {
public:
    static constexpr int kTwipsPerInch = 1440;

    TwipsScale() = default;
    TwipsScale(int dpiX, int dpiY) : m_dpiX(dpiX > 0 ? dpiX : 96), m_dpiY(dpiY > 0 ? dpiY : 96) {}

    // The system DPI of the screen.
    static TwipsScale FromScreen() {
        WindowDc screen(nullptr);
        return TwipsScale(GetDeviceCaps(screen.Get(), LOGPIXELSX),
                          GetDeviceCaps(screen.Get(), LOGPIXELSY));
    }

    int DpiX() const { return m_dpiX; }
    int DpiY() const { return m_dpiY; }

    int XPixels(int twips) const { return MulDiv(twips, m_dpiX, kTwipsPerInch); }
    int YPixels(int twips) const { return MulDiv(twips, m_dpiY, kTwipsPerInch); }
    int XTwips(int pixels) const { return MulDiv(pixels, kTwipsPerInch, m_dpiX); }
    int YTwips(int pixels) const { return MulDiv(pixels, kTwipsPerInch, m_dpiY); }

    // A rectangle given as left, top, width and height in twips, in pixels.
    RECT Pixels(int left, int top, int width, int height) const {
        return {XPixels(left), YPixels(top), XPixels(left + width), YPixels(top + height)};
    }

    // A start and a length in twips.
    struct Span {
        int start = 0;
        int length = 0;
    };

    // A window's pixel span read back into twips. Whatever still lands on the same pixels keeps
    // its previous twips (the start edge, the length when the window only moved, the end edge
    // when only the start moved), so reading a window back never drifts the model by rounding.
    Span XSpan(int startPixels, int endPixels, Span previous) const {
        return ReadSpan(startPixels, endPixels, previous, m_dpiX);
    }
    Span YSpan(int startPixels, int endPixels, Span previous) const {
        return ReadSpan(startPixels, endPixels, previous, m_dpiY);
    }

private:
    static Span ReadSpan(int startPixels, int endPixels, Span previous, int dpi) {
        auto pixels = [dpi](int twips) { return MulDiv(twips, dpi, kTwipsPerInch); };
        auto twips = [dpi](int px) { return MulDiv(px, kTwipsPerInch, dpi); };
        const int start =
            pixels(previous.start) == startPixels ? previous.start : twips(startPixels);
        const int previousEnd = previous.start + previous.length;
        int end = twips(endPixels);
        if (pixels(start + previous.length) == endPixels) {
            end = start + previous.length;
        } else if (pixels(previousEnd) == endPixels) {
            end = previousEnd;
        }
        return {start, end - start};
    }

    int m_dpiX = 96;
    int m_dpiY = 96;
};

}  // namespace mirvo::win32
