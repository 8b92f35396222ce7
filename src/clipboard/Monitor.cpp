#include "clipboard/Monitor.h"

#include <algorithm>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/Modes.h"
#include "clipboard/BulkCache.h"
#include "clipboard/Capture.h"
#include "clipboard/ClipboardSession.h"
#include "clipboard/History.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "panels/MainForm.h"
#include "panels/PanelDisplay.h"
#include "platform/Clipboard.h"

namespace mirvo {

namespace {

constexpr size_t kTitleWidth = 50;
constexpr int kHistorySize = 9;
constexpr const char* kNonTextTitle = "Non Text Clip.";

std::string ClipPath(const App& app, int slot) {
    return app.DataFolder + "clip." + std::to_string(slot);
}

void RecordWindowPosition(App& app, MainForm& edit) {
    AppSettings& s = app.settings;
    if (s.CompactLayout == 0) {
        s.WindowTop = edit.Top();
        s.WindowLeft = edit.Left();
    } else if (s.ClipboardOnlyMode == ClipboardOnly::Vertical) {
        s.VerticalOnlyTop = edit.Top();
        s.VerticalOnlyLeft = edit.Left();
    } else if (s.ClipboardOnlyMode == ClipboardOnly::Horizontal) {
        s.HorizontalOnlyTop = edit.Top();
        s.HorizontalOnlyLeft = edit.Left();
    } else {
        s.CompactTop = static_cast<float>(edit.Top());
        s.CompactLeft = static_cast<float>(edit.Left());
    }
}

// Puts the captured clip into the history under title and saves "clip.dat"; returns the new
// clip's file. The caller holds the folder's lock: the history is the file's, which other
// instances' captures move on too, so the titles always describe the files beside them. When
// it fails, the files and the panel stay as they were.
std::string PlaceInHistory(App& app, const std::string& title) {
    platform::FileSystem& fs = app.os.files;
    const std::string captured = CaptureFilePath(app);
    FollowHistoryDrops(app, app.folder.held);
    int slot = 0;
    try {
        ShowHistoryChanges(app);
        slot = app.clip.ClipboardClipCount;
        if (slot >= kHistorySize) {
            // Full: every clip moves down one slot and the oldest is dropped. The titles are
            // written first: a full disk refuses them before any clip moved, and the moves
            // need no room.
            slot = kHistorySize - 1;
            DropOldestClipboardTitle(app);
            ShowTitle(app, slot, title);
            SaveClipboardHistory(app);
            for (int s = 0; s + 1 < kHistorySize; ++s) {
                files::MoveDataFile(fs, ClipPath(app, s + 1), ClipPath(app, s));
            }
            files::MoveDataFile(fs, captured, ClipPath(app, slot));
            // A dialog editing a clipboard clip follows it.
            CountHistoryDrops(app, 1);
        } else {
            // A file beyond the count is no clip of the history: the titles come last.
            files::MoveDataFile(fs, captured, ClipPath(app, slot));
            ++app.clip.ClipboardClipCount;
            ShowTitle(app, slot, title);
            SaveClipboardHistory(app);
        }
    } catch (...) {
        // The history could not take the capture (another program holds one of its files, the
        // disk is full, the program ends): the capture file goes, and the panel shows the
        // history as the file holds it.
        fs.Remove(captured);
        app.clip.HistorySeen.clear();
        try {
            ShowHistoryChanges(app);
        } catch (...) {
        }
        throw;
    }
    return ClipPath(app, slot);
}

// The title of the content just captured: the pending title when the captured text is the
// text it was given for, else the title from the text. A pending title is used once at most.
std::string TitleOfCapture(App& app) {
    const bool pending = app.clip.TitlePending && app.clip.ClipText == app.clip.PendingText;
    app.clip.TitlePending = false;
    if (pending) {
        return app.ansi.Fixed(app.clip.PendingTitle, kTitleWidth);
    }
    return MakeClipTitle(app, app.clip.ClipText);
}

void CaptureNewContent(App& app, ClipboardSession& session) {
    if (ContentAsksNotToBeRecorded(app)) {
        session.Mark(0);
        return;
    }
    if (app.clip.ClearOnNextCapture) {
        app.clip.ClearOnNextCapture = false;
        ClearClipboardClips(app);
    }
    CaptureClipboard(app);
    session.Mark(0);
    if (!app.clip.ClipHasText) {
        app.clip.ClipText = kNonTextTitle;
    }
    bool bulkAdded = false;
    {
        FolderLock lock(app);
        const std::string newClip = PlaceInHistory(app, TitleOfCapture(app));
        if (app.settings.CaptureMode == Capture::Bulk) {
            bulkAdded = AppendToBulkCache(app, newClip, MakeClipTitle(app, app.clip.ClipText));
        }
    }
    RefreshBulkDisplay(app);
    if (bulkAdded) {
        AnnounceFullBulkCache(app);
    }
}

// A clipboard clip is being dragged: until the drop its number must keep naming it.
bool ClipboardClipDragged(App& app) {
    const forms::Control* dragged = app.os.forms.DragSource();
    const auto& clips = app.MainWindow().clipboardPanel.ClipboardClip;
    return dragged && std::find(clips.begin(), clips.end(), dragged) != clips.end();
}

void CaptureIfNew(App& app) {
    if (app.settings.CaptureMode == Capture::Off) {
        return;
    }
    if (ClipboardClipDragged(app)) {
        return;  // new content waits for the drop: the history must not move under the drag
    }
    platform::Clipboard& clipboard = app.os.clipboard;
    const std::uint32_t sequence = clipboard.SequenceNumber();
    if (sequence != 0 && sequence == app.clip.SeenSequence) {
        return;  // unchanged since it was seen: opening it could only get in another's way
    }
    ClipboardSession session(app);
    if (!session.Open()) {
        return;  // another program holds it: the next tick tries again
    }
    if (app.MarkerFormats[0] != 0 && clipboard.IsFormatAvailable(app.MarkerFormats[0])) {
        app.clip.SeenSequence = clipboard.SequenceNumber();
        return;  // seen before
    }
    CaptureNewContent(app, session);
}

}  // namespace

std::string MakeClipTitle(const App& app, const std::string& text) {
    std::string rest = text.substr(0, text.find('\0'));
    size_t start = 0;
    while (start < rest.size() && static_cast<unsigned char>(rest[start]) <= 32) {
        ++start;
    }
    return app.ansi.Fixed(std::string_view(rest).substr(start), kTitleWidth);
}

void TrackForeignWindow(App& app, platform::WindowHandle window) {
    if (window != 0 && !app.os.forms.IsFormWindow(window)) {
        app.clip.LastForeignWindow = window;
    }
}

void PollClipboard(App& app) {
    MainForm& edit = app.MainWindow();
    forms::TimerPause rearm(edit.Timer1);
    edit.UpdateCaptionClock();
    TrackForeignWindow(app, app.os.desktop.ForegroundWindow());
    if (edit.WindowState() == forms::WindowState::Normal) {
        RecordWindowPosition(app, edit);
    }
    if (edit.WindowState() == forms::WindowState::Minimized && app.settings.TaskbarIcon == 0) {
        edit.Hide();
    }
    CaptureIfNew(app);
}

void ClipboardChanged(App& app) {
    // A paused timer means a restore or a paste of this program is under way; the poll after it
    // looks again.
    if (app.MainWindow().Timer1.Enabled()) {
        forms::TimerPause rearm(app.MainWindow().Timer1);
        // The program that copied is the one a paste goes back to.
        TrackForeignWindow(app, app.os.desktop.ForegroundWindow());
        CaptureIfNew(app);
    }
}

void ClearClipboardClips(App& app) {
    {
        FolderLock lock(app);
        FollowHistoryDrops(app, app.folder.held);
        ShowHistoryChanges(app);
        if (app.clip.ClipboardClipCount >= 1) {
            // The file first: a clear it cannot store (a full disk) changes nothing, here or in
            // the eyes of other instances, which follow the counted drops.
            SaveEmptyHistory(app);
            ClearClipboardTitles(app);
            app.clip.ClipboardClipCount = 0;
            app.editing.HistoryCleared();
            CountHistoryDrops(app, kHistorySize);
            for (int slot = 0; slot < kHistorySize; ++slot) {
                files::DeleteDataFile(app.os.files, ClipPath(app, slot));
            }
        }
        ClearBulkCache(app);
    }
    RefreshBulkDisplay(app);
}

}  // namespace mirvo
