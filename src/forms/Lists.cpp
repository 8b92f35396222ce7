#include "forms/Lists.h"

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

void ListControl::SetItems(std::vector<std::string> items) {
    m_items = std::move(items);
    m_listIndex = -1;
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
    std::vector<std::string> folders = BrowserOf(*this).Folders(path);
    const bool changed = path != m_path;
    m_path = path;
    SetItems(std::move(folders));
    if (changed) {
        RaiseChange();
    }
}

std::string DirList::FolderPath(int i) const {
    return WithSeparator(m_path, BrowserOf(*this).Separator()) + List(i);
}

FileList::FileList(Form& owner, std::string name, int index, Control* container)
    : ListControl(owner, ControlKind::FileList, std::move(name), index, container) {}

void FileList::SetPath(const std::string& path) {
    m_path = path;
    Reload();
    if (OnPathChange) {
        Owner().Host().RunGuarded([this] { OnPathChange(); });
    }
}

void FileList::SetPattern(const std::string& pattern) {
    m_pattern = pattern;
    Reload();
    if (OnPatternChange) {
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
