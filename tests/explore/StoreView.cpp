#include "explore/StoreView.h"

#include <cctype>

namespace mirvo::explore {

namespace {

constexpr size_t kTitle = 50;

std::string Record(const files::Bytes* bytes, size_t index, size_t width) {
    if (!bytes || (index + 1) * width > bytes->size()) {
        return "";
    }
    return std::string(bytes->begin() + static_cast<long>(index * width),
                       bytes->begin() + static_cast<long>((index + 1) * width));
}

std::int32_t Long(const files::Bytes* bytes, size_t index) {
    if (!bytes || (index + 1) * 4 > bytes->size()) {
        return 0;
    }
    return files::ReadInt32(*bytes, index * 4);
}

// "<folder>group<g>.<suffix>" split into its parts; false for other names.
bool SplitGroupFile(const std::string& name, int& group, std::string& suffix) {
    const std::string stem = name.compare(0, 5, "group") == 0  ? "group"
                             : name.compare(0, 4, "Colr") == 0 ? "Colr"
                                                               : "";
    if (stem.empty()) {
        return false;
    }
    size_t i = stem.size();
    size_t digits = i;
    while (digits < name.size() && std::isdigit(static_cast<unsigned char>(name[digits]))) {
        ++digits;
    }
    if (digits == i || digits >= name.size() || name[digits] != '.') {
        return false;
    }
    group = std::stoi(name.substr(i, digits - i));
    suffix = name.substr(digits + 1);
    if (stem == "Colr") {
        return suffix == "dat";
    }
    return true;
}

}  // namespace

std::string TrimTitle(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return text.substr(0, end);
}

std::string SlotKey::Describe() const {
    if (IsTransfer()) {
        return "transfer slot " + std::to_string(slot + 1) + " (" + folder + ")";
    }
    return "slot " + std::to_string(slot) + " of group " + std::to_string(group) + " in " + folder;
}

bool Slot::SameClip(const Slot& other, std::int32_t defaultColor) const {
    auto shown = [&](std::int32_t c) { return c == 0 ? defaultColor : c; };
    auto plain = [](int m) { return m == 3 ? 0 : m; };
    return filled == other.filled && title == other.title && plain(mode) == plain(other.mode) &&
           shown(color) == shown(other.color) && source == other.source &&
           (source != -1 || data.value_or(files::Bytes{}) == other.data.value_or(files::Bytes{}));
}

std::string Slot::Describe() const {
    if (!filled) {
        return "empty";
    }
    std::string text =
        "\"" + title + "\" mode " + std::to_string(mode) + " colour " + std::to_string(color);
    if (source != -1) {
        return text + " referring to group " + std::to_string(source);
    }
    return text + (data ? ", " + std::to_string(data->size()) + " bytes of data" : ", no data");
}

const files::Bytes* StoreView::File(const std::string& relative) const {
    if (m_before) {
        auto it = m_before->find(relative);
        if (it != m_before->end()) {
            return it->second ? &*it->second : nullptr;
        }
    }
    return m_snapshot.Find(relative);
}

Slot StoreView::Read(const SlotKey& key) const {
    Slot slot;
    const auto n = static_cast<size_t>(key.slot);
    std::string dataFile;
    if (key.IsTransfer()) {
        const files::Bytes* titles = File(key.folder + "trans.dat");
        slot.title = TrimTitle(Record(titles, n, kTitle));
        if (titles && titles->size() >= 400 + 2 * (n + 1)) {
            slot.source = files::ReadInt16(*titles, 400 + 2 * n);
        }
        const files::Bytes* modes = File(key.folder + "trans.mod");
        slot.mode = modes && modes->size() > n ? (*modes)[n] : 3;
        slot.color = Long(File(key.folder + "trans.clr"), n);
        dataFile = key.folder + "trans." + std::to_string(n);
    } else {
        const std::string g = std::to_string(key.group);
        slot.title = TrimTitle(Record(File(key.folder + "group" + g + ".dat"), n, kTitle));
        const files::Bytes* modes = File(key.folder + "group" + g + ".mod");
        slot.mode = modes && modes->size() > n ? (*modes)[n] : 3;
        slot.color = Long(File(key.folder + "Colr" + g + ".dat"), n);
        dataFile = key.folder + "group" + g + "." + std::to_string(n);
    }
    slot.filled = !slot.title.empty();
    if (slot.filled && slot.source == -1) {
        if (const files::Bytes* data = File(dataFile)) {
            slot.data = *data;
        }
    }
    if (!slot.filled) {
        slot = Slot{};
    }
    return slot;
}

std::vector<std::string> StoreView::GroupNames(const std::string& folder) const {
    const files::Bytes* names = File(folder + "Groups.dat");
    std::vector<std::string> result;
    for (size_t g = 0; g < 32; ++g) {
        result.push_back(TrimTitle(Record(names, g, kTitle)));
    }
    return result;
}

std::vector<std::int32_t> StoreView::GroupNameColors(const std::string& folder) const {
    const files::Bytes* colors = File(folder + "groups.clr");
    std::vector<std::int32_t> result;
    for (size_t g = 0; g < 32; ++g) {
        result.push_back(Long(colors, g));
    }
    return result;
}

int StoreView::HistoryCount(const std::string& dataFolder) const {
    const files::Bytes* dat = File(dataFolder + "clip.dat");
    return dat && dat->size() >= 2 ? files::ReadInt16(*dat, 0) : 0;
}

std::vector<std::string> StoreView::HistoryTitles(const std::string& dataFolder) const {
    const files::Bytes* dat = File(dataFolder + "clip.dat");
    std::vector<std::string> titles;
    for (size_t i = 0; i < 9; ++i) {
        std::string title;
        if (dat && dat->size() >= 2 + (i + 1) * kTitle) {
            title.assign(dat->begin() + static_cast<long>(2 + i * kTitle),
                         dat->begin() + static_cast<long>(2 + (i + 1) * kTitle));
        }
        titles.push_back(TrimTitle(title));
    }
    return titles;
}

std::optional<SlotKey> AreaOf(const std::string& relative) {
    const size_t cut = relative.rfind('/');
    const std::string folder = cut == std::string::npos ? "" : relative.substr(0, cut + 1);
    const std::string name = cut == std::string::npos ? relative : relative.substr(cut + 1);
    if (name == "trans.dat" || name == "trans.mod" || name == "trans.clr") {
        return SlotKey{folder, -1, -1};
    }
    if (name.compare(0, 6, "trans.") == 0) {
        const std::string rest = name.substr(6);
        if (!rest.empty() && rest.size() == 1 &&
            std::isdigit(static_cast<unsigned char>(rest[0]))) {
            return SlotKey{folder, -1, rest[0] - '0'};
        }
        return std::nullopt;
    }
    int group = 0;
    std::string suffix;
    if (!SplitGroupFile(name, group, suffix)) {
        return std::nullopt;
    }
    if (suffix == "dat" || suffix == "mod") {
        return SlotKey{folder, group, -1};
    }
    for (const char c : suffix) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return std::nullopt;
        }
    }
    return suffix.empty() ? std::nullopt
                          : std::optional<SlotKey>(SlotKey{folder, group, std::stoi(suffix)});
}

}  // namespace mirvo::explore
