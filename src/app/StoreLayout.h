#pragma once

#include <cstddef>
#include <cstdint>

#include "app/Modes.h"

// Sizes and numbers of the clip store: groups, slots, transfer slots and libraries.

namespace mirvo::store {

inline constexpr int kGroupCount = 32;
inline constexpr int kSlotCount = 96;
inline constexpr int kKeySlotCount = 26;   // slots with a letter key (A..Z)
inline constexpr int kKeyLabelCount = 32;  // key labels beside the rows of group clips
inline constexpr int kHotKeyGroup = 22;    // "Hot Key Clips", shared by all libraries
inline constexpr int kTransferSlotCount = 8;
inline constexpr size_t kTitleWidth = 50;

inline constexpr int kUserLibraryCount = 26;
inline constexpr int kDiaryLibrary = 27;
inline constexpr int kAddressBookLibrary = 28;
inline constexpr int kLaunchPadLibrary = 29;
inline constexpr int kLibraryCount = 29;
inline constexpr size_t kLibraryNameWidth = 20;

// Whether a library shows a group: the launch pad has no "Hot Key Clips" of its own (its
// shortcuts would land in the files all libraries share).
inline constexpr bool GroupShownIn(int library, int group) {
    return !(library == kLaunchPadLibrary && group == kHotKeyGroup);
}

// The paste-mode byte of a slot that has none, and the highest a record may hold.
inline constexpr std::uint8_t kPasteModeNotSet = PasteMode::NotSet;
inline constexpr std::uint8_t kHighestPasteMode = PasteMode::kHighest;

// File names.
inline constexpr const char* kGroupNamesFile = "Groups.dat";
inline constexpr const char* kGroupColorsFile = "groups.clr";
inline constexpr const char* kLastGroupFile = "Last.grp";
inline constexpr const char* kLibraryListFile = "Lib.dat";
inline constexpr const char* kLastLibraryFile = "Last.Lib";
inline constexpr const char* kTransTitlesFile = "trans.dat";
inline constexpr const char* kTransModesFile = "trans.mod";
inline constexpr const char* kTransColorsFile = "trans.clr";

}  // namespace mirvo::store
