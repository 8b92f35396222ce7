#include "store/PanelColor.h"

#include "app/App.h"
#include "forms/Controls.h"

namespace mirvo {

void ShowTrueColor(App& app, int pos, forms::Label& label, forms::Color color) {
    if (app.store.HighlightPos == pos) {
        app.store.HighlightColor = color;
        return;
    }
    label.SetBackColor(color);
    label.SetForeColor(forms::QBColor(0));
}

forms::Color TrueColor(const App& app, int pos, const forms::Label& label) {
    return app.store.HighlightPos == pos ? app.store.HighlightColor : label.BackColor();
}

std::int32_t StoredColor(forms::Color color, std::int32_t defaultColor) {
    return color == static_cast<forms::Color>(defaultColor) ? 0 : static_cast<std::int32_t>(color);
}

}  // namespace mirvo
