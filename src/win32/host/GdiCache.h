#pragma once

#include <windows.h>

#include <map>

#include "forms/Color.h"
#include "forms/Types.h"
#include "win32/Handles.h"
#include "win32/host/Twips.h"

namespace mirvo::win32 {

// The GDI objects every form shares: the normal and the bold font, one solid brush per colour in
// use, and the mouse pointers.
class GdiCache {
public:
    explicit GdiCache(const TwipsScale& scale);
    GdiCache(const GdiCache&) = delete;
    GdiCache& operator=(const GdiCache&) = delete;

    // The RGB value of a model colour; system colours (&H800000xx) are looked up now.
    static COLORREF Resolve(forms::Color color);
    HBRUSH BrushFor(forms::Color color);
    HFONT FontFor(bool bold) const { return bold ? m_bold.Get() : m_normal.Get(); }
    // The cursor of a mouse pointer, or nullptr for the window's own (Default).
    static HCURSOR CursorFor(forms::MousePointer pointer);

private:
    Font m_normal;
    Font m_bold;
    std::map<COLORREF, Brush> m_brushes;
};

}  // namespace mirvo::win32
