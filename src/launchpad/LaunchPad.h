#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/EditContext.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Lists.h"
#include "forms/TextBox.h"
#include "launchpad/Bookmarks.h"

namespace mirvo {

class App;

// The shortcut editor "Shortcut Edit": the file to launch, the folder to start in, the command
// line and the title of a launch-pad shortcut, filled by typing or by dragging from the drive,
// folder and file lists, with folder bookmarks and file-type filters kept in "Book.Mrk". It
// edits the group clip or transfer slot of its own edit context; an EditIndex of 1000 and up is
// a new shortcut of slot EditIndex - 1000 for the file named by the clipboard's text.
class LaunchPad : public forms::Form {
public:
    LaunchPad(App& app, const EditContext& context);

    // What a drag carries, as its target reads it.
    enum class DragKind {
        None,
        Folder,        // the folder shown in the browser
        File,          // the file selected in the file list
        StartTrash,    // the text of Start
        FileTrash,     // the text of File
        CommandTrash,  // the text of Command
        FolderTrash,   // a bookmark
        FilterTrash,   // one of the user's filters
    };

    forms::Label& Label6;
    forms::TextBox& title;
    forms::Label& Label1;
    forms::TextBox& File;
    forms::Label& Label4;
    forms::TextBox& Start;
    forms::Label& Label5;
    forms::TextBox& Command;
    forms::Label& Trash;
    forms::DriveList& Drives;
    forms::DirList& Dirs;
    forms::FileList& Files;
    std::array<forms::Label*, 2> Draglabel{};
    forms::Label& Label2;
    std::array<forms::Label*, kBookmarkCount> Folders{};
    forms::Label& Label3;
    std::array<forms::Label*, kFilterCount> Filters{};
    forms::Frame& Frame1;
    std::vector<forms::OptionButton*> Colr;
    forms::CommandButton& SaveBtn;
    forms::CommandButton& cancelbtn;
    forms::CommandButton& Hlp;
    // The label a drag moves; never shown.
    forms::Label& Dragbox;

    DragKind Dragging() const { return m_dragKind; }
    int HotBookmark() const { return m_hotBookmark; }
    int HotFilter() const { return m_hotFilter; }

    // What Save refuses, shown in the field concerned.
    static constexpr const char* kNoFile = "You must select a file to launch";
    static constexpr const char* kNoTitle = "Title please !";
    static constexpr const char* kTooLong = "Longer than the 500 characters a shortcut keeps !";

protected:
    void Form_Load() override;
    void Form_MouseMove(forms::MouseButton button, int shift, int x, int y) override;
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_Unload(int& cancel) override;

private:
    // Which of the draggable text boxes.
    enum class Box { File, Start, Command };

    void ConnectEvents();
    void LoadShortcut();
    void LoadBookmarks();
    // False when the folder cannot be shown.
    bool ShowFolder(const std::string& folder);

    // Event handlers (LaunchPad.cpp).
    void title_KeyDown(int& keyCode);
    void title_KeyPress(int& keyAscii);
    void title_KeyUp(int& keyCode);
    void Colr_Click(int index);
    void Colr_MouseUp(forms::MouseButton button);
    void Hlp_Click();
    void SaveBtn_Click();
    void cancelbtn_Click();
    void Drives_Change();
    void Dirs_Change();
    void Files_ListChange();
    void List_GotFocus();
    void List_MouseMove();
    void Folders_MouseUp(int index, forms::MouseButton button);
    void Filters_MouseUp(int index, forms::MouseButton button);
    void HelpOnRightButton(forms::MouseButton button, int topic);

    // Drags (LaunchPadDrops.cpp).
    void Draglabel_MouseMove(int index, forms::MouseButton button);
    void Source_MouseDown(int x, int y);
    void Box_MouseMove(Box box, forms::MouseButton button, int x, int y);
    void Folders_MouseMove(int index, forms::MouseButton button, int x, int y);
    void Filters_MouseMove(int index, forms::MouseButton button, int x, int y);
    void BeginDrag(DragKind kind, int left, int top, int width, int height);
    bool MovedFarEnough(int x, int y) const;
    void HighlightBar(forms::Label& bar);
    void HideBars();

    // Drops (LaunchPadDrops.cpp): the target and what the drag carries decide.
    void Box_DragDrop(Box box, forms::Control& source);
    void Folders_DragDrop(int index, forms::Control& source);
    void Filters_DragDrop(int index, forms::Control& source);
    void Trash_DragDrop(forms::Control& source);
    std::string ShownFolder() const;
    std::string SelectedFile() const;

    // Save's refusals: the message stands in the box for two seconds.
    void ShowRefusal(forms::TextBox& box, const std::string& message, std::string restored);
    Bookmarks CurrentBookmarks() const;
    void SaveThings();

    App& m_app;
    OpenEdit m_edit;
    // An Enter went down in the title box; its release there saves.
    bool m_enterPressedInTitle = false;
    std::string m_shortcutPath;
    DragKind m_dragKind = DragKind::None;
    int m_draggedBar = -1;  // the bookmark or filter being dragged
    int m_hotBookmark = -1;
    int m_hotFilter = -1;
    bool m_barsLit = false;
    int m_dragStartX = 0;
    int m_dragStartY = 0;
    bool m_refusing = false;
    bool m_loading = false;  // the swatch of the stored colour is being shown, not chosen
};

}  // namespace mirvo
