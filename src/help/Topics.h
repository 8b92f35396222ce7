#pragma once

// The topics of the quick-help file that the program's controls open, by number.

namespace mirvo {

struct Topic {
    enum Id : int {
        // The main window.
        ClipboardClipsFrame = 2,
        ClearButton = 3,
        ClipModeButtons = 4,
        HotKeysOffButton = 6,
        ClipboardColumnButton = 7,
        TransferSlotsFrame = 8,
        GroupClipsFrame = 9,
        GroupNamesFrame = 10,
        HotKeyClips = 11,
        DisplayOptionButtons = 23,
        Libraries = 24,
        CaptureOffButton = 28,
        BulkButton = 29,
        LaunchPadButton = 36,
        GroupColumnButtons = 37,
        TextOnlyButton = 40,
        SearchBox = 47,
        HelpButton = 49,
        TutorialButton = 50,
        AboutButton = 51,
        // The clip dialogs.
        ClipTitle = 12,
        PasteModeButtons = 13,
        ColorButtons = 14,
        // The options window: its "?" buttons and option groups.
        OptionsDataLocation = 1,
        OptionsBulkKeys = 15,
        OptionsFonts = 16,
        OptionsWindowSize = 17,
        OptionsActivationKeys = 18,
        OptionsColors = 19,
        OptionsPopupHelp = 20,
        OptionsClearance = 21,
        OptionsHighlight = 22,
        OptionsEdges = 38,
        OptionsRestore = 39,
        OptionsWebPage = 48,
        // The main help window's topic labels.
        BackupBasics = 25,
        KeyboardBasics = 26,
        DuplicationBasics = 27,
        BookmarkAndEmailBasics = 30,
        BulkBasics = 31,
        ClipLibraryBasics = 32,
        MultiClipboardBasics = 34,
        NewUserEssentials = 35,
        // The shortcut editor.
        FolderBookmarks = 41,
        FileTypeFilters = 42,
        FirstDragLabel = 43,
        OtherDragLabels = 44,
        ShortcutTrash = 45,
        ShortcutHelp = 46,
    };
};

}  // namespace mirvo
