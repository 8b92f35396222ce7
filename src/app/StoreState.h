#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Modes.h"
#include "forms/Color.h"

namespace mirvo {

// The in-memory state of the clip store beside the main window's panels. Titles and colours
// live in the panels' labels; the paste modes, transfer-slot sources and the keyboard highlight
// live here.
struct StoreState {
    StoreState() {
        ClipPasteMode.fill(PasteMode::NotSet);
        TransSource.fill(-1);
        TransPasteMode.fill(PasteMode::NotSet);
    }

    // Paste modes (PasteMode) of the current group's 96 slots.
    std::array<std::uint8_t, 96> ClipPasteMode{};
    // Per transfer slot: -1 when the slot holds its own clip, else the group it refers to.
    std::array<std::int16_t, 8> TransSource{};
    // The library folder of a referred group; never stored.
    std::array<std::string, 8> TransSourceFolder;
    std::array<std::uint8_t, 8> TransPasteMode{};
    // Folder of the current group & "group" & g & "."; a slot number completes a data file path.
    std::string GroupDataPrefix;
    // The keyboard highlight over all panels: 0..8 clipboard clips, 9..104 group clips,
    // 105..112 transfer slots, 113..144 group names.
    int HighlightPos = 0;
    // The true colour of the label under the highlight, which shows the highlight colour.
    forms::Color HighlightColor = 0;
};

}  // namespace mirvo
