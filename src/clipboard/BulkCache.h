#pragma once

#include <string>
#include <vector>

namespace mirvo {

class App;

inline constexpr int kBulkCacheSize = 96;

// The cache is shared with the other instances of the data folder: its items are what its
// files hold ("bulk.dat" has a record per item), BulkCount of the settings follows them.

// Appends a clip data file and its title to the bulk cache ("bulk." n and record n of
// "bulk.dat"); announces a full cache when it reaches 96 items. Nothing when it is full, nor for
// a launch-pad shortcut, which no clipboard can take: then false.
bool AddToBulkCache(App& app, const std::string& clipFile, const std::string& title);
// The same without a window (a change under the folder's lock shows none): the caller refreshes
// the display and announces a full cache when it is done.
bool AppendToBulkCache(App& app, const std::string& clipFile, const std::string& title);
// "The bulk cache is now full !" when it holds 96 items.
void AnnounceFullBulkCache(App& app);
// Starts an empty cache with the whole clipboard history, oldest first.
void SeedBulkCacheFromHistory(App& app);
// Deletes the cache's files and empties it.
void ClearBulkCache(App& app);
// The titles of the cache's BulkCount items (ShowBulkChanges first brings the count up to date)
// from "bulk.dat", trailing spaces removed; an item the file lacks has a blank title. Reads no more
// than the cache's records and never creates the file.
std::vector<std::string> ReadBulkTitles(App& app);
// The count of items as the files hold it now, when another instance changed it: shown; true when
// it changed.
bool ShowBulkChanges(App& app);
// The count of the data folder's bulk cache: as many items as its "bulk.dat" holds titles for,
// up to the cache's size. The count lives in the settings, which every data folder shares; the
// items live in the folder.
void LoadBulkCount(App& app);
// The "Bulk" button shows the number of items while the cache holds any or bulk mode is on.
void RefreshBulkDisplay(App& app);

}  // namespace mirvo
