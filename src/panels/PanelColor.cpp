#include "panels/PanelColor.h"

#include "app/App.h"
#include "app/StoreState.h"
#include "forms/Controls.h"
#include "panels/PanelDisplay.h"

namespace mirvo {

void ShowTrueColor(App& app, int pos, forms::Color color) {
    if (app.store.HighlightPos == pos) {
        app.store.HighlightColor = color;
        return;
    }
    if (forms::Label* label = PanelLabel(app, pos)) {
        label->SetBackColor(color);
        label->SetForeColor(forms::QBColor(0));
    }
}

forms::Color TrueColor(App& app, int pos) {
    if (app.store.HighlightPos == pos) {
        return app.store.HighlightColor;
    }
    const forms::Label* label = PanelLabel(app, pos);
    return label ? label->BackColor() : 0;
}

std::int32_t StoredColor(forms::Color color, std::int32_t defaultColor) {
    return color == static_cast<forms::Color>(defaultColor) ? 0 : static_cast<std::int32_t>(color);
}

}  // namespace mirvo
