#include "forms/Lists.h"

#include <cctype>

#include "forms/FolderBrowser.h"
#include "forms/Form.h"
#include "forms/FormsHost.h"

namespace mirvo::forms {

namespace {
FolderBrowser& BrowserOf(const Control& c) {
    return c.Owner().Host().Browser();
}

std::string WithSeparator(std::string folder, char sep) {
    if (folder.empty() || folder.back() != sep) {
        folder += sep;
    }
    return folder;
}

// The length of the root of a path: "c:\" of a drive, "\\server\share" of a network path.
size_t RootLength(const std::string& path, char sep) {
    if (path.size() >= 2 && path[0] == sep && path[1] == sep) {
        const size_t server = path.find(sep, 2);
        const size_t share = server == std::string::npos ? server : path.find(sep, server + 1);
        return share == std::string::npos ? path.size() : share;
    }
    const size_t first = path.find(sep);
    return first == std::string::npos ? path.size() : first + 1;
}

// The folders from the root down to the path: "c:\", "c:\a", "c:\a\b".
std::vector<std::string> FoldersDownTo(const std::string& path, char sep) {
    const size_t root = RootLength(path, sep);
    std::vector<std::string> chain{path.substr(0, root)};
    size_t at = root;
    while (at < path.size()) {
        if (path[at] == sep) {
            ++at;
            continue;
        }
        size_t next = path.find(sep, at);
        if (next == std::string::npos) {
            next = path.size();
        }
        chain.push_back(path.substr(0, next));
        at = next;
    }
    return chain;
}

bool SameDrive(const std::string& a, const std::string& b) {
    return a.size() >= 2 && b.size() >= 2 && a[1] == b[1] &&
           std::tolower(static_cast<unsigned char>(a[0])) ==
               std::tolower(static_cast<unsigned char>(b[0]));
}

std::string Indented(size_t level, const std::string& name) {
    return std::string(2 * level, ' ') + name;
}
}  // namespace

ListControl::ListControl(Form& owner, ControlKind kind, std::string name, int index,
                         Control* container)
    : Control(owner, kind, std::move(name), index, container) {
    SetBackColor(kWindowBackground);
    SetForeColor(kWindowText);
}

const std::string& ListControl::List(int i) const {
    static const std::string empty;
    return i >= 0 && i < ListCount() ? m_items[static_cast<size_t>(i)] : empty;
}

void ListControl::SetListIndex(int i) {
    if (i < -1 || i >= ListCount() || i == m_listIndex) {
        return;
    }
    m_listIndex = i;
    Changed(Property::ListIndex);
    RaiseClick();
}

void ListControl::SetItems(std::vector<std::string> items, int selected) {
    m_items = std::move(items);
    m_listIndex = selected >= 0 && selected < ListCount() ? selected : -1;
    Changed(Property::Items);
}

DriveList::DriveList(Form& owner, std::string name, int index, Control* container)
    : ListControl(owner, ControlKind::DriveList, std::move(name), index, container) {}

void DriveList::RefreshDrives() {
    SetItems(BrowserOf(*this).Drives());
}

void DriveList::SetDrive(const std::string& drive) {
    FolderBrowser& browser = BrowserOf(*this);
    std::string root = drive.substr(0, 2);
    // Reading the root proves the drive is there; it throws DeviceUnavailable otherwise.
    browser.Folders(WithSeparator(root, browser.Separator()));
    if (Items().empty()) {
        RefreshDrives();
    }
    // Drive letters have no case: the drive takes the list's spelling.
    for (int i = 0; i < ListCount(); ++i) {
        if (List(i).size() >= 2 && SameDrive(List(i), root)) {
            root = List(i).substr(0, 2);
        }
    }
    if (root == m_drive) {
        return;
    }
    m_drive = root;
    for (int i = 0; i < ListCount(); ++i) {
        if (List(i).size() >= 2 && List(i).substr(0, 2) == root) {
            SetListIndex(i);
        }
    }
    Changed(Property::Caption);
    RaiseChange();
}

DirList::DirList(Form& owner, std::string name, int index, Control* container)
    : ListControl(owner, ControlKind::DirList, std::move(name), index, container) {}

void DirList::SetPath(const std::string& path) {
    FolderBrowser& browser = BrowserOf(*this);
    const char sep = browser.Separator();
    std::string folder = path;
    while (folder.size() > RootLength(folder, sep) && folder.back() == sep) {
        folder.pop_back();
    }
    const std::vector<std::string> subFolders = browser.Folders(folder);
    const bool changed = folder != m_path;
    m_path = folder;
    m_paths = FoldersDownTo(folder, sep);
    std::vector<std::string> items;
    for (size_t level = 0; level < m_paths.size(); ++level) {
        const std::string& down = m_paths[level];
        items.push_back(level == 0 ? down : Indented(level, down.substr(down.rfind(sep) + 1)));
    }
    m_pathIndex = static_cast<int>(m_paths.size()) - 1;
    for (const std::string& name : subFolders) {
        m_paths.push_back(WithSeparator(folder, sep) + name);
        items.push_back(Indented(static_cast<size_t>(m_pathIndex) + 1, name));
    }
    SetItems(std::move(items), m_pathIndex);
    if (changed) {
        RaiseChange();
    }
}

std::string DirList::FolderPath(int i) const {
    return i >= 0 && i < static_cast<int>(m_paths.size()) ? m_paths[static_cast<size_t>(i)]
                                                          : std::string();
}

FileList::FileList(Form& owner, std::string name, int index, Control* container)
    : ListControl(owner, ControlKind::FileList, std::move(name), index, container) {}

void FileList::SetPath(const std::string& path) {
    m_path = path;
    Reload();
    if (OnPathChange) {
        Owner().Host().EventRaised(*this, OnPathChange.Name());
        Owner().Host().RunGuarded([this] { OnPathChange(); });
    }
}

void FileList::SetPattern(const std::string& pattern) {
    m_pattern = pattern;
    Reload();
    if (OnPatternChange) {
        Owner().Host().EventRaised(*this, OnPatternChange.Name());
        Owner().Host().RunGuarded([this] { OnPatternChange(); });
    }
}

std::string FileList::FileName() const {
    return List(ListIndex());
}

void FileList::Reload() {
    std::vector<std::string> files;
    if (!m_path.empty()) {
        try {
            files = BrowserOf(*this).Files(m_path, m_pattern);
        } catch (const DeviceUnavailable&) {
            // An unreadable folder shows no files.
        }
    }
    SetItems(std::move(files));
}

}  // namespace mirvo::forms
