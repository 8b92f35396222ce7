#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "explore/Sandbox.h"
#include "files/ByteOrder.h"

namespace mirvo::explore {

// A clip slot in the files: a group clip (folder, group, slot) or a transfer slot (folder,
// group -1, slot). Folders are relative to the world's root and end in '/'.
struct SlotKey {
    std::string folder;
    int group = 0;
    int slot = 0;

    bool IsTransfer() const { return group < 0; }
    auto operator<=>(const SlotKey&) const = default;
    std::string Describe() const;
};

// What a slot holds, as the files give it.
struct Slot {
    bool filled = false;  // a title that is not blank
    std::string title;    // without trailing blanks
    int mode = 3;
    std::int32_t color = 0;            // as stored: 0 is the panel's default
    std::int16_t source = -1;          // transfer slots: -1 or the group a reference points to
    std::optional<files::Bytes> data;  // the data file, when there is one

    // The same clip: title, paste mode ("not set" pastes as "Clip"), colour as shown with this
    // default, and data.
    bool SameClip(const Slot& other, std::int32_t defaultColor) const;
    std::string Describe() const;
};

// The files of a folder tree as the store reads them, at one moment: the snapshot now, or as it
// was before the last update (for the paths that changed).
class StoreView {
public:
    StoreView(const Snapshot& snapshot,
              const std::map<std::string, std::optional<files::Bytes>>* before = nullptr)
        : m_snapshot(snapshot), m_before(before) {}

    const files::Bytes* File(const std::string& relative) const;
    Slot Read(const SlotKey& key) const;
    // The group names of a library folder (32, trimmed) and their stored colours.
    std::vector<std::string> GroupNames(const std::string& folder) const;
    std::vector<std::int32_t> GroupNameColors(const std::string& folder) const;
    // The history: its count and titles ("clip.dat").
    int HistoryCount(const std::string& dataFolder) const;
    std::vector<std::string> HistoryTitles(const std::string& dataFolder) const;

private:
    const Snapshot& m_snapshot;
    const std::map<std::string, std::optional<files::Bytes>>* m_before;
};

// The slot keys (or whole groups: slot -1; whole transfer rows: group -1, slot -1) whose files a
// relative path belongs to, if any.
std::optional<SlotKey> AreaOf(const std::string& relative);

std::string TrimTitle(const std::string& text);

}  // namespace mirvo::explore
