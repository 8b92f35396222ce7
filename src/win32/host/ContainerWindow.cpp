#include "win32/host/ContainerWindow.h"

#include <algorithm>

#include "win32/host/GdiCache.h"
#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

namespace {
constexpr int kCaptionIndent = 6;
constexpr int kCaptionPadding = 2;
}  // namespace

bool ContainerWindow::Bordered() const {
    if (Model().Kind() == forms::ControlKind::Frame) {
        return static_cast<forms::Frame&>(Model()).Border() != forms::BorderStyle::None;
    }
    return static_cast<forms::PictureBox&>(Model()).Border() != forms::BorderStyle::None;
}

ControlWindow::Look ContainerWindow::Describe() const {
    // A frame draws its own border inside the window: its children are placed from its corner.
    const bool sunken = Model().Kind() == forms::ControlKind::PictureBox && Bordered();
    return {kContainerClass, WS_CLIPCHILDREN, sunken ? static_cast<DWORD>(WS_EX_CLIENTEDGE) : 0u,
            false};
}

void ContainerWindow::ApplyKindProperty(forms::Property p) {
    if (p == forms::Property::Appearance) {
        Restyle(0, 0, WS_EX_CLIENTEDGE, Describe().exStyle);
        Repaint();
    }
}

bool ContainerWindow::HandleKindMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    if (ReflectToChild(msg, wp, lp, result)) {
        return true;
    }
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(Hwnd(), &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, Host().gdi.BrushFor(Model().BackColor()));
            result = 1;
            return true;
        }
        case WM_PAINT: {
            PAINTSTRUCT ps{};
            HDC dc = BeginPaint(Hwnd(), &ps);
            if (Model().Kind() == forms::ControlKind::Frame && Bordered()) {
                PaintFrame(dc);
            }
            EndPaint(Hwnd(), &ps);
            result = 0;
            return true;
        }
        default:
            return false;
    }
}

void ContainerWindow::PaintFrame(HDC dc) const {
    RECT client{};
    GetClientRect(Hwnd(), &client);
    SelectGuard font(dc, Host().gdi.FontFor(Model().FontBold()));
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    // The border runs through the middle of the caption line.
    RECT border = client;
    border.top += metrics.tmHeight / 2;
    DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);

    const std::string& caption = Model().Caption();
    if (caption.empty()) {
        return;
    }
    RECT text{client.left + kCaptionIndent, client.top, client.right - kCaptionIndent,
              client.top + metrics.tmHeight};
    RECT measured = text;
    DrawTextA(dc, caption.c_str(), -1, &measured, DT_SINGLELINE | DT_CALCRECT);
    RECT gap{text.left, text.top, std::min(text.right, measured.right + 2 * kCaptionPadding),
             text.bottom};
    FillRect(dc, &gap, Host().gdi.BrushFor(Model().BackColor()));
    text.left += kCaptionPadding;
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, Model().Enabled() ? GdiCache::Resolve(Model().ForeColor())
                                       : GetSysColor(COLOR_GRAYTEXT));
    DrawTextA(dc, caption.c_str(), -1, &text, DT_SINGLELINE | DT_LEFT | DT_END_ELLIPSIS);
}

}  // namespace mirvo::win32
