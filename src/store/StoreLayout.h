#pragma once

#include <cstddef>

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

// Positions of the keyboard highlight, by panel.
inline constexpr int kFirstGroupClipPos = 9;
inline constexpr int kFirstTransferSlotPos = 105;
inline constexpr int kFirstGroupNamePos = 113;

// Paste mode of a slot that has none.
inline constexpr unsigned char kPasteModeNotSet = 3;
inline constexpr unsigned char kHighestPasteMode = 4;

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
