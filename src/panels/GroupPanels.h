#pragma once

#include <array>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

// The clip store's panels of the main window: the "Group Clips" frame with the 96 clips of the
// current group in three columns of 32 and the key labels beside the rows, the "Group Names"
// frame with the 32 groups of the library, and the "Transfer Slots" frame.
struct GroupPanels {
    explicit GroupPanels(forms::Form& edit);

    forms::Frame& CtrlFrame1;
    // Column c, row r is item(r + 32c).
    std::array<forms::Label*, 96> item{};
    // Row r's key label, shared by the three columns.
    std::array<forms::Label*, 32> hotkey{};
    // The column display buttons above the three columns (TopBtn(1..3); index 0 is unused).
    std::array<forms::CommandButton*, 4> TopBtn{};
    forms::Frame& Frame1;
    std::array<forms::Label*, 32> Group{};
    forms::Frame& Frame2;
    std::array<forms::Label*, 8> Trans{};
};

}  // namespace mirvo
