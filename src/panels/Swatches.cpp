#include "panels/Swatches.h"

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

namespace {
constexpr forms::Color kColors[kClipSwatchColors] = {
    forms::Rgb(0xFF, 0xFF, 0xFF), forms::Rgb(0xFF, 0xC0, 0xC0), forms::Rgb(0xFF, 0xE0, 0xC0),
    forms::Rgb(0xFF, 0xFF, 0xC0), forms::Rgb(0x00, 0xFF, 0x00), forms::Rgb(0xFF, 0xFF, 0x00),
    forms::Rgb(0xC0, 0xFF, 0xC0), forms::Rgb(0xC0, 0xFF, 0xFF), forms::Rgb(0xC0, 0xC0, 0xFF),
    forms::Rgb(0xFF, 0xC0, 0xFF), forms::Rgb(0x00, 0xFF, 0xFF), forms::Rgb(0xC0, 0xC0, 0xC0),
    forms::Rgb(0xFF, 0x00, 0x00)};

constexpr int kSwatchWidth = 330;
constexpr int kSwatchHeight = 300;
constexpr int kSwatchPitch = 360;
constexpr int kGroupColorWidth = 1080;
}  // namespace

forms::Color SwatchColor(int index) {
    return index >= 0 && index < kClipSwatchColors ? kColors[index] : forms::kButtonFace;
}

std::vector<forms::OptionButton*> AddSwatches(forms::Form& form, forms::Control& frame, int colors,
                                              int left, int top) {
    std::vector<forms::OptionButton*> swatches;
    for (int i = 0; i <= colors; ++i) {
        auto& swatch = form.Add<forms::OptionButton>("Colr", i, &frame);
        swatch.SetStyle(forms::ButtonStyle::Graphical);
        const bool groupColor = i == colors;
        swatch.Move(left + kSwatchPitch * i, top, groupColor ? kGroupColorWidth : kSwatchWidth,
                    kSwatchHeight);
        swatch.SetBackColor(groupColor ? forms::kButtonFace : SwatchColor(i));
        swatch.SetCaption(groupColor ? "Group Clr" : "");
        swatches.push_back(&swatch);
    }
    return swatches;
}

void SelectSwatch(const std::vector<forms::OptionButton*>& swatches, std::int32_t color,
                  std::int32_t defaultColor) {
    for (forms::OptionButton* swatch : swatches) {
        swatch->SetValue(false);
    }
    if (swatches.empty()) {
        return;
    }
    if (color == 0 || color == defaultColor) {
        swatches.back()->SetValue(true);
        return;
    }
    for (size_t i = 0; i + 1 < swatches.size(); ++i) {
        if (swatches[i]->BackColor() == static_cast<forms::Color>(color)) {
            swatches[i]->SetValue(true);
            return;
        }
    }
}

bool GroupColorSelected(const std::vector<forms::OptionButton*>& swatches) {
    return !swatches.empty() && swatches.back()->Value();
}

}  // namespace mirvo
