#include "panels/GroupPanels.h"

#include <string>

namespace mirvo {

namespace {
constexpr int kRowPitch = 252;
constexpr int kFirstRowTop = 216;
constexpr int kRows = 32;
constexpr int kColumnLefts[3] = {396, 2628, 4860};
constexpr int kTopBtnLefts[4] = {2232, 2232, 4464, 6720};
constexpr int kLargeFrameHeight = 8376;
constexpr int kLargeGroupNamesLeft = 10008;

int RowTop(int row) {
    return kFirstRowTop + kRowPitch * row;
}
}  // namespace

GroupPanels::GroupPanels(forms::Form& edit)
    : CtrlFrame1(edit.Add<forms::Frame>("CtrlFrame", 1)),
      Frame1(edit.Add<forms::Frame>("Frame1")),
      Frame2(edit.Add<forms::Frame>("Frame2")) {
    CtrlFrame1.SetCaption("Group Clips");
    CtrlFrame1.Move(2808, 0, 7128, kLargeFrameHeight);
    for (int r = 0; r < kRows; ++r) {
        forms::Label& key = edit.Add<forms::Label>("hotkey", r, &CtrlFrame1);
        key.Move(108, RowTop(r), 252, 276);
        key.SetAlignment(forms::Alignment::Center);
        hotkey[static_cast<size_t>(r)] = &key;
    }
    for (int c = 1; c <= 3; ++c) {
        forms::CommandButton& column = edit.Add<forms::CommandButton>("TopBtn", c, &CtrlFrame1);
        column.SetCaption(std::to_string(c));
        column.Move(kTopBtnLefts[c], 240, 336, 228);
        TopBtn[static_cast<size_t>(c)] = &column;
    }
    for (int c = 0; c < 3; ++c) {
        for (int r = 0; r < kRows; ++r) {
            const int index = r + kRows * c;
            forms::Label& clip = edit.Add<forms::Label>("item", index, &CtrlFrame1);
            clip.Move(kColumnLefts[c], RowTop(r), 2200, 276);
            clip.SetBorder(forms::BorderStyle::FixedSingle);
            clip.SetTag("alt");
            item[static_cast<size_t>(index)] = &clip;
        }
    }

    // The large window's place; the small window moves the frame left.
    Frame1.SetCaption("Group Names");
    Frame1.Move(kLargeGroupNamesLeft, 0, 2172, kLargeFrameHeight);
    for (int g = 0; g < kRows; ++g) {
        forms::Label& name = edit.Add<forms::Label>("Group", g, &Frame1);
        name.Move(72, RowTop(g), 2004, 276);
        name.SetBorder(forms::BorderStyle::FixedSingle);
        name.SetTag("group");
        Group[static_cast<size_t>(g)] = &name;
    }

    Frame2.SetCaption("Transfer Slots");
    Frame2.Move(36, 6096, 2676, 2280);
    for (int t = 0; t < 8; ++t) {
        forms::Label& slot = edit.Add<forms::Label>("Trans", t, &Frame2);
        slot.Move(108, kFirstRowTop + kRowPitch * t, 2460, 264);
        slot.SetBorder(forms::BorderStyle::FixedSingle);
        slot.SetTag("trans");
        Trans[static_cast<size_t>(t)] = &slot;
    }
}

}  // namespace mirvo
