#pragma once

#include <string>

#include "files/ByteOrder.h"

namespace mirvo {

class App;

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
// Rewrites "clip.dat" from the panel.
void SaveClipboardHistory(App& app);

}  // namespace mirvo
