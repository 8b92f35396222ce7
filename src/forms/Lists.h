#pragma once

// The drive, folder and file lists of a file browser.

#include <string>
#include <vector>

#include "forms/Control.h"

namespace mirvo::forms {

class ListControl : public Control {
public:
    ListControl(Form& owner, ControlKind kind, std::string name, int index, Control* container);

    const std::vector<std::string>& Items() const { return m_items; }
    int ListCount() const { return static_cast<int>(m_items.size()); }
    const std::string& List(int i) const;
    // -1 when nothing is selected.
    int ListIndex() const { return m_listIndex; }
    void SetListIndex(int i);

protected:
    // New items with one of them selected (or none, -1), without a Click.
    void SetItems(std::vector<std::string> items, int selected = -1);

private:
    std::vector<std::string> m_items;
    int m_listIndex = -1;
};

// The drives of the machine; Drive is like "c:" and its change raises Change.
class DriveList : public ListControl {
public:
    DriveList(Form& owner, std::string name, int index, Control* container);

    const std::string& Drive() const { return m_drive; }
    // Throws DeviceUnavailable when the drive cannot be read.
    void SetDrive(const std::string& drive);
    void RefreshDrives();

private:
    std::string m_drive;
};

// The folders from the root down to Path, Path itself selected, then Path's sub-folders, each
// entry indented one step below the one it lies in; a user goes up or down by choosing an entry.
// Setting Path raises Change.
class DirList : public ListControl {
public:
    DirList(Form& owner, std::string name, int index, Control* container);

    // Without a separator at its end, but for a root ("c:\").
    const std::string& Path() const { return m_path; }
    // Throws DeviceUnavailable when the folder cannot be read.
    void SetPath(const std::string& path);
    // The full path of entry i: a folder on the way down to Path, Path, or a sub-folder.
    std::string FolderPath(int i) const;
    // The entry of Path itself.
    int PathIndex() const { return m_pathIndex; }

private:
    std::string m_path;
    std::vector<std::string> m_paths;
    int m_pathIndex = -1;
};

// The files of Path that match Pattern ("*.EXE;*.COM" style); raises PathChange / PatternChange.
class FileList : public ListControl {
public:
    FileList(Form& owner, std::string name, int index, Control* container);

    const std::string& Path() const { return m_path; }
    void SetPath(const std::string& path);
    const std::string& Pattern() const { return m_pattern; }
    void SetPattern(const std::string& pattern);
    // The selected file's name, or "".
    std::string FileName() const;

    Event<> OnPathChange{this, "PathChange"};
    Event<> OnPatternChange{this, "PatternChange"};

private:
    void Reload();

    std::string m_path;
    std::string m_pattern = "*.*";
};

}  // namespace mirvo::forms
