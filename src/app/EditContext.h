#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "app/Modes.h"

namespace mirvo {

namespace forms {
class Form;
class TextBox;
}  // namespace forms

// Where a clip is: its panel (ClipSource), its index there and, for a group clip, its group.
struct ClipPlace {
    int source = ClipSource::None;
    int index = 0;
    int group = 0;
};
// The same clip: the group counts for group clips only.
bool SamePlace(const ClipPlace& a, const ClipPlace& b);

// The index of a clipboard clip that left the history while a dialog edited it.
inline constexpr int kLeftHistory = -1;

// The clip one clip dialog edits, and what it stores there: set by the main window when it opens
// the dialog, consumed by the store's save of an edited clip. Every open dialog keeps its own, so
// that whatever opens meanwhile cannot redirect it. (The title and text travel in ClipboardState.)
struct EditContext {
    int EditSource = ClipSource::None;
    int EditIndex = 0;  // index in its panel; 1000 and up: a shortcut made from the clipboard
    int EditGroup = 0;  // the group of a group clip
    bool EditTextChanged = false;
    std::uint8_t EditPasteMode = PasteMode::NotSet;
    std::int32_t EditColor = 0;  // 0: the panel's default colour

    ClipPlace Place() const { return {EditSource, EditIndex, EditGroup}; }
};

// What the clip dialogs share.
struct EditingState {
    // The contexts of the dialogs open now (see OpenEdit). What moves or renumbers a clip moves
    // their context with it; what would empty an edited clip is refused. (First: it outlives the
    // editor kept below, whose context leaves it when the editor goes.)
    std::vector<EditContext*> Open;

    bool EditorOpen = false;
    // The clip editor, kept until the next one opens (it is modeless), and its text box that
    // takes a paste while it is open: none while it shows a picture or a clip without text.
    std::unique_ptr<forms::Form> Editor;
    forms::TextBox* EditorText = nullptr;
    // The editor shows the text that does not wrap; kept until the program ends.
    bool WordWrapOff = false;
    // The paste option last clicked in the clip settings, chosen again when they next open.
    int LastPasteOption = PasteMode::Clip;

    // Whether an open dialog edits the clip at that place; any clip of the group.
    bool IsEdited(const ClipPlace& place) const;
    bool IsGroupEdited(int group) const;
    // The clip moved to another place; every clip of group `from` moved to group `to`.
    void ClipMoved(const ClipPlace& from, const ClipPlace& to);
    void GroupMoved(int from, int to);
    // The clipboard history dropped its oldest clip and every other moved down one; the history
    // was emptied.
    void HistoryShifted() { HistoryShiftedBy(1); }
    // The oldest `clips` clips left and every other moved down as many slots.
    void HistoryShiftedBy(int clips);
    void HistoryCleared();
};

// A dialog's own edit context, known to the program as open from its making until the dialog
// closes it or goes.
class OpenEdit {
public:
    OpenEdit(EditingState& state, const EditContext& context);
    ~OpenEdit() { Close(); }
    // The dialog has closed: nothing more moves its context, nor is refused for it.
    void Close();
    OpenEdit(const OpenEdit&) = delete;
    OpenEdit& operator=(const OpenEdit&) = delete;

    EditContext& operator*() { return m_context; }
    const EditContext& operator*() const { return m_context; }
    EditContext* operator->() { return &m_context; }
    const EditContext* operator->() const { return &m_context; }

private:
    EditingState& m_state;
    EditContext m_context;
};

}  // namespace mirvo
