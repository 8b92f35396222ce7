#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "app/Modes.h"
#include "files/RecordMerge.h"
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
    // A slot that shows empty while its files hold another running instance's reference to a
    // group (it appeared while this one ran): that instance alone can follow it, so it stays
    // in the files until a slot of this one's takes its place. One found at the start is left
    // over from an earlier run and goes with the next save, as it always did.
    std::array<bool, 8> TransReferenceOfOther{};
    // The library, and its shown name, this instance last opened the Launch Pad from, in the
    // data folder named. "Last.Lib" holds it too, but other instances over the same data folder
    // rewrite that file.
    int ReturnLibrary = 0;
    std::string ReturnLibraryName;
    std::string ReturnLibraryDataFolder;
    // Folder of the current group & "group" & g & "."; a slot number completes a data file path.
    std::string GroupDataPrefix;
    // The keyboard highlight over all panels: 0..8 clipboard clips, 9..104 group clips,
    // 105..112 transfer slots, 113..144 group names.
    int HighlightPos = 0;
    // The true colour of the label under the highlight, which shows the highlight colour.
    forms::Color HighlightColor = 0;

    // The record files the panels show as this instance last read or wrote them (files shared
    // with other instances merge, files/RecordMerge.h): the current group's titles, paste modes
    // and colours; the group names; their colours ("shown" unused: they are written one at a
    // time); the transfer slots; the library list behind the library label; the titles of
    // "Hot Key Clips" behind the watched hot keys.
    files::RecordBaseline GroupRecords;
    files::RecordBaseline GroupNames;
    files::RecordBaseline GroupNameColors;
    files::RecordBaseline TransferSlots;
    files::RecordBaseline LibraryList;
    files::RecordBaseline HotKeyTitles;
};

}  // namespace mirvo
