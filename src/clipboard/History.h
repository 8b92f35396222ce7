#pragma once

#include <optional>
#include <string>

#include "files/ByteOrder.h"

namespace mirvo {

class App;
struct FolderCounters;

inline constexpr const char* kHistoryFileName = "clip.dat";
inline constexpr size_t kHistoryFileSize = 452;

// "clip.dat": the count of the history (Integer, repaired to 0..9 on reading) and nine titles
// of 50 characters.
struct HistoryFile {
    int count = 0;
    std::string titles[9];
};
HistoryFile DecodeHistory(const files::Bytes& bytes);
files::Bytes EncodeHistory(const App& app, int count, const std::string (&titles)[9]);

// Loads the history into the clipboard clip panel at start, or starts it empty (the "Batch"
// clearance mode, or no file yet) and writes the empty file; then the capture-mode buttons
// show their state.
void LoadClipboardHistory(App& app);
// Rewrites "clip.dat" from the panel. The history is shared with other instances: a change first
// shows the file's history (ShowHistoryChanges, under the folder's lock), then changes the panel
// and saves it.
void SaveClipboardHistory(App& app);
// Writes "clip.dat" empty, leaving the panel as it is.
void SaveEmptyHistory(App& app);

// "clip.dat" as it is now (a missing file is empty).
HistoryFile ReadHistoryFile(App& app);
// Another instance's change of the history since this one last read or wrote "clip.dat" shows
// in the panel: its titles and count. True when there was one.
bool ShowHistoryChanges(App& app);

// The clips that left the history at its oldest end since this instance last looked, as the
// folder's counters tell (another instance's captures moved the history on, or cleared it):
// the dialogs that edit clipboard clips follow their clips. Under the lock, pass the counters it
// holds.
void FollowHistoryDrops(App& app, const FolderCounters& now);
// Clips this instance drops from the history at its oldest end (its lock is held): counted for
// the other instances, and the dialogs that edit clipboard clips follow theirs.
void CountHistoryDrops(App& app, int clips);
// The slot that holds now the clip that this instance shows at shownSlot: another instance's
// captures may have moved it since the panel last showed the file. Nothing when it has left
// the history.
std::optional<int> HistorySlotNow(App& app, int shownSlot);

}  // namespace mirvo
