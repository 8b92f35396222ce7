#include "win32/host/GdiCache.h"

#include <stdexcept>

namespace mirvo::win32 {

namespace {
constexpr int kFontPoints = 8;
constexpr int kPointsPerInch = 72;

Font MakeFont(const TwipsScale& scale, int weight) {
    // The face of the default GUI font, at the program's size for the screen's DPI.
    LOGFONTA face{};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfHeight = -MulDiv(kFontPoints, scale.DpiY(), kPointsPerInch);
    face.lfWidth = 0;
    face.lfWeight = weight;
    Font font(CreateFontIndirectA(&face));
    if (!font) {
        throw std::runtime_error("CreateFontIndirect failed");
    }
    return font;
}
}  // namespace

GdiCache::GdiCache(const TwipsScale& scale)
    : m_normal(MakeFont(scale, FW_NORMAL)), m_bold(MakeFont(scale, FW_BOLD)) {}

COLORREF GdiCache::Resolve(forms::Color color) {
    if (forms::IsSystemColor(color)) {
        return GetSysColor(forms::SystemColorIndex(color));
    }
    return static_cast<COLORREF>(color & 0x00FFFFFFu);
}

HBRUSH GdiCache::BrushFor(forms::Color color) {
    const COLORREF rgb = Resolve(color);
    auto it = m_brushes.find(rgb);
    if (it == m_brushes.end()) {
        it = m_brushes.emplace(rgb, Brush(CreateSolidBrush(rgb))).first;
    }
    return it->second.Get();
}

HCURSOR GdiCache::CursorFor(forms::MousePointer pointer) {
    switch (pointer) {
        case forms::MousePointer::Default:
            return nullptr;
        case forms::MousePointer::Hourglass:
            return LoadCursor(nullptr, IDC_WAIT);
        case forms::MousePointer::ArrowHourglass:
            return LoadCursor(nullptr, IDC_APPSTARTING);
        case forms::MousePointer::Arrow:
        case forms::MousePointer::Custom:
            break;
    }
    return LoadCursor(nullptr, IDC_ARROW);
}

}  // namespace mirvo::win32
