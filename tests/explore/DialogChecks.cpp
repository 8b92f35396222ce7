// Invariant 7 and the options window: what the dialogs show and what their saves store.

#include "app/Settings.h"
#include "explore/Session.h"
#include "forms/Controls.h"
#include "panels/MainForm.h"

namespace mirvo::explore {

// Invariant 7: one viewer at most.
void Session::CheckDialogs(Machine& machine) {
    int viewers = 0;
    for (const forms::Form* form : machine.host().LoadedForms()) {
        viewers += form->Name() == "view" ? 1 : 0;
    }
    if (viewers > 1) {
        Fail(7, "two clip viewers are open", "");
    }
}

// Invariant 7: what an editing dialog's save stores is what it shows.
void Session::CheckDialogSave(const Frame& frame,
                              const std::map<std::string, std::optional<files::Bytes>>& before) {
    const DialogIntent& dialog = *frame.dialog;
    Machine& machine = m_world.machine(dialog.machine);
    if (m_world.fs.worldFaults > 0 || !machine.Running()) {
        return;
    }
    if (dialog.slot) {
        const Slot old = StoreView(m_world.snapshot, &before).Read(*dialog.slot);
        const Slot slot = StoreView(m_world.snapshot).Read(*dialog.slot);
        if (old.SameClip(slot, 0) && old.color == slot.color) {
            return;
        }
        const std::string detail = dialog.name + " for " + dialog.slot->Describe() + ": was " +
                                   old.Describe() + ", is " + slot.Describe();
        if (dialog.preview && slot.filled && dialog.dataAtOpen && slot.data != dialog.dataAtOpen) {
            Fail(7, "a picture preview's save changed its clip's data", detail);
        }
        if (slot.title == "A title is required." && frame.dialogTitle != slot.title) {
            Fail(7, "a dialog stored its refusal as the title", detail);
        }
        const bool saved = slot.filled && !FindForm(machine.host(), dialog.name);
        if (saved && frame.chosenColor) {
            const std::int32_t defaultColor = dialog.slot->IsTransfer()
                                                  ? machine.app().settings.TransferSlotColor
                                                  : machine.app().settings.GroupClipColor;
            const auto shown = [&](std::int32_t c) { return c == 0 ? defaultColor : c; };
            if (shown(slot.color) != shown(*frame.chosenColor)) {
                Fail(7, "a dialog stored another colour than the one it shows chosen",
                     detail + "; chosen " + std::to_string(*frame.chosenColor) +
                         (dialog.othersOpened ? " (another editing dialog opened meanwhile)" : ""));
            }
        }
        return;
    }
    if (dialog.historyIndex < 0 || !dialog.history || frame.historyTitles.empty()) {
        return;
    }
    // A title-only save renames the clip it was opened for, wherever the history moved it.
    // The history itself changed since the step began (a capture, maybe in a step taken while a
    // modal form of this one was up): no rename to tell.
    const std::string data = Relative(machine.app().DataFolder);
    for (size_t i = 0; i < frame.historyFiles.size(); ++i) {
        const files::Bytes* now = m_world.snapshot.Find(data + "clip." + std::to_string(i));
        if (static_cast<bool>(now) != frame.historyFiles[i].has_value() ||
            (now && *now != *frame.historyFiles[i])) {
            return;
        }
    }
    const MainForm& main = machine.app().MainWindow();
    for (size_t i = 0; i < frame.historyTitles.size(); ++i) {
        if (main.clipboardPanel.ClipboardClip[i]->Caption() == frame.historyTitles[i]) {
            continue;
        }
        const files::Bytes* held = m_world.snapshot.Find(data + "clip." + std::to_string(i));
        if (!held || *held != *dialog.history) {
            Fail(7, "a clipboard clip's editor renamed another clip",
                 "opened for clipboard clip " + std::to_string(dialog.historyIndex + 1) +
                     ", renamed clipboard clip " + std::to_string(i + 1));
        }
    }
}

// Invariant 2 for the options window: it shows the settings in force.
void Session::CheckOptions(Machine& machine) {
    forms::Form* form = FindForm(machine.host(), "Options");
    if (!form) {
        return;
    }
    const AppSettings& s = machine.app().settings;
    const struct {
        const char* control;
        std::int16_t value;
    } boxes[] = {{"TopOption", s.EdgeTop},
                 {"BottomOption", s.EdgeBottom},
                 {"LeftOption", s.EdgeLeft},
                 {"RightOption", s.EdgeRight}};
    for (const auto& box : boxes) {
        const auto* check = static_cast<const forms::CheckBox*>(form->Find(box.control));
        if (check && check->Value() != (box.value == 1 ? 1 : 0)) {
            Fail(2, "the options window shows other than the settings hold",
                 std::string(box.control) + " shows " + std::to_string(check->Value()));
        }
    }
    const struct {
        const char* group;
        int chosen;
    } groups[] = {{"keysoption", s.PasteKeys},
                  {"RestoreOption", s.RestoreFullWindow},
                  {"HelpOption", s.PopupHelp},
                  {"IconOption", s.TaskbarIcon},
                  {"Bulkoption", s.BulkKeys},
                  {"Clearoption", s.KeepClipboardClips},
                  {"StickyOption", s.HighlightWithMouse == 1 ? 0 : 1},
                  {"SizeOption", s.LargeWindow},
                  {"FontOption", s.BoldFont},
                  {"BrowserOption", s.BrowserOption},
                  {"DataOption", s.DataOption}};
    for (const auto& group : groups) {
        for (int i = 0; const forms::Control* c = form->Find(group.group, i); ++i) {
            const bool on = static_cast<const forms::OptionButton*>(c)->Value();
            if (on != (i == group.chosen)) {
                Fail(2, "the options window shows other than the settings hold",
                     std::string(group.group) + "(" + std::to_string(i) + ") shows " +
                         (on ? "chosen" : "not chosen"));
            }
        }
    }
}

}  // namespace mirvo::explore
