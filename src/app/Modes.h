#pragma once

#include <cstdint>

// The program's modes and choices by name. Most are kept in integer fields of the settings
// record, whose bytes on disk never change: each is therefore an unscoped enumeration inside a
// struct that scopes its names (Capture::Bulk), so that its values still compare with and
// store into those fields.

namespace mirvo {

// The capture mode (CaptureMode); its value is also the index of its option button.
struct Capture {
    enum Mode : std::int16_t { Normal = 0, Off = 1, Bulk = 2 };
};

// How much of the main window shows (ClipboardOnlyMode); its value is also the index of its
// display option button.
struct ClipboardOnly {
    enum Mode : std::int16_t { Off = 0, Vertical = 1, Horizontal = 2, Column = 3 };
};

// The column a column display shows alone (DisplayMode): the left-hand column of clipboard
// clips and transfer slots, or one of the three columns of group clips.
struct Column {
    enum Shown : std::int16_t { Left = 0, First = 1, Second = 2, Third = 3, None = 5 };
};

// Where the main window returns to after a paste or launch from the full window (LastDisplay):
// a column display (the Column values), minimized, or a clipboard-only display.
struct Display {
    enum Kind : int { Minimized = 5, VerticalClipboard = 10, HorizontalClipboard = 20 };
};

// A clip's paste mode byte, also the paste-mode override (PasteModeOverride, where NotSet means
// no override). Its value is the index of its override button.
struct PasteMode {
    enum Value : std::uint8_t { Clip = 0, Email = 1, WebPage = 2, NotSet = 3, FormClip = 4 };
    static constexpr std::uint8_t kHighest = FormClip;
};

// What the paste keys do around Ctrl+V (PasteAction).
struct FieldAction {
    enum Kind : int { None = 0, ClearThenEnter = 1, ClearThenTab = 2 };
};

// The work the paste timer does at its next tick (PendingPasteJob).
struct PasteJob {
    enum Kind : int { None = 0, Keys = 1, Bulk = 2 };
};

// Which panel the clip being edited comes from (EditSource).
struct ClipSource {
    enum Kind : int { None = 0, ClipboardClip = 1, GroupClip = 2, TransferSlot = 3 };
};

// How a web-page clip opens (BrowserOption).
struct Browser {
    enum Option : std::int16_t { NewWindow = 0, WaitForClick = 1 };
};

// Where the data lives (DataOption).
struct DataLocation {
    enum Option : std::int16_t { Private = 0, Common = 1 };
};

// The key that brings the minimized main window up (PasteKeys).
struct ActivationKeys {
    enum Option : std::int16_t { ShiftInsert = 0, CtrlV = 1, Both = 2 };
};

// The bulk paste key (BulkKeys).
struct BulkPasteKey {
    enum Option : std::int16_t { CtrlInsert = 0, CtrlB = 1 };
};

// What a bulk paste puts between two clips (BulkSpacing); its value is also the index of its
// option button.
struct BulkSeparator {
    enum Choice : std::int16_t {
        None = 0,
        NewLine = 1,
        BlankLine = 2,
        UserText = 3,
        FirstLibraryClip = 4,
        Tab = 5,
        Down = 6,
    };
    static constexpr int kCount = 7;
};

}  // namespace mirvo
