// What the user means by a step: which clip slots a click, a drag or a dialog is about, which
// parts of the files the step may change, and whether it may paste.

#include <algorithm>

#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "explore/Session.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Lists.h"
#include "forms/Timer.h"
#include "panels/MainForm.h"
#include "panels/Positions.h"
#include "store/LibraryFiles.h"

namespace mirvo::explore {

namespace {

bool OnMainWindow(Machine& machine, const forms::Control& control) {
    return &control.Owner() == static_cast<const forms::Form*>(&machine.app().MainWindow());
}

bool IsEditingDialog(const std::string& name) {
    return name == "view" || name == "Settings" || name == "LaunchPad" || name == "Groupnamer";
}

// Control events with a handler, named "control.event".
std::vector<std::string> ConnectedEvents(const forms::Control& c) {
    std::vector<std::string> names;
    auto add = [&](const auto& event) {
        if (event) {
            names.push_back(c.Name() + "." + event.Name());
        }
    };
    add(c.OnClick);
    add(c.OnDblClick);
    add(c.OnChange);
    add(c.OnGotFocus);
    add(c.OnLostFocus);
    add(c.OnMouseDown);
    add(c.OnMouseMove);
    add(c.OnMouseUp);
    add(c.OnKeyDown);
    add(c.OnKeyUp);
    add(c.OnKeyPress);
    add(c.OnDragDrop);
    add(c.OnDragOver);
    if (const auto* timer = dynamic_cast<const forms::Timer*>(&c)) {
        add(timer->OnTimer);
    }
    if (const auto* files = dynamic_cast<const forms::FileList*>(&c)) {
        add(files->OnPathChange);
        add(files->OnPatternChange);
    }
    return names;
}

}  // namespace

std::string Session::Relative(const std::string& folder) const {
    const std::string relative = m_world.snapshot.Relative(folder);
    return relative.empty() ? relative : relative + "/";
}

std::string Session::FolderOf(Machine& machine, int group) {
    App& app = machine.app();
    return Relative(group == store::kHotKeyGroup ? app.DataFolder : app.LibraryFolder);
}

std::optional<SlotKey> Session::SlotOf(Machine& machine, const forms::Control& control) {
    if (!machine.Running() || !OnMainWindow(machine, control) || control.Index() < 0) {
        return std::nullopt;
    }
    if (control.Name() == "item") {
        const int group = machine.app().settings.CurrentGroup;
        return SlotKey{FolderOf(machine, group), group, control.Index()};
    }
    if (control.Name() == "Trans") {
        return SlotKey{Relative(machine.app().DataFolder), -1, control.Index()};
    }
    return std::nullopt;
}

std::shared_ptr<const Session::DialogIntent> Session::DialogOf(const forms::Form* form) const {
    for (const auto& dialog : m_dialogs) {
        if (dialog->form == form) {
            return dialog;
        }
    }
    return nullptr;
}

void Session::PrepareFrame(Frame& frame, const Step& step) {
    frame.step = &step;
    Machine& machine = m_world.machine(step.machine);
    if (!machine.Running()) {
        return;
    }
    App& app = machine.app();
    forms::HeadlessHost& host = machine.host();
    MainForm& main = app.MainWindow();
    const bool pasting = app.paste.PendingPasteJob != 0 || main.Hotkeytimer.Enabled();
    forms::Control* control = step.IsUserStep() ? FindControl(host, step.target) : nullptr;
    switch (step.verb) {
        case Verb::Click:
        case Verb::DoubleClick:
        case Verb::RightClick:
            if (control) {
                frame.pointed = SlotOf(machine, *control);
                const bool clip = OnMainWindow(machine, *control) &&
                                  (control->Name() == "ClipboardClip" ||
                                   control->Name() == "item" || control->Name() == "Trans");
                frame.mayPaste = clip && step.verb != Verb::RightClick;
                if (clip && control->Name() == "ClipboardClip") {
                    frame.pointedHistory = control->Index();
                }
                frame.dialog = DialogOf(&control->Owner());
            }
            break;
        case Verb::Key:
        case Verb::Type: {
            const forms::Control* focus = host.FocusedControl();
            const forms::Form* form = focus ? &focus->Owner() : host.ActiveForm();
            frame.dialog = DialogOf(form);
            if (form == &main) {
                const bool searching = focus && focus->Kind() == forms::ControlKind::TextBox;
                frame.mayPaste = !searching;
                // A key that clicks a group clip points at it, as a click does. The window
                // takes a letter by its key code, with Shift, Ctrl or Alt held as without.
                const KeyStroke key = step.verb == Verb::Key ? KeyNamed(step.target) : KeyStroke{};
                int slot = -1;
                if (key.keyCode >= 'A' && key.keyCode <= 'Z') {
                    slot = key.keyCode - 'A';
                } else if (key.keyCode == forms::Key::Return &&
                           IsGroupClipPos(app.store.HighlightPos)) {
                    slot = app.store.HighlightPos - kFirstGroupClipPos;
                }
                if (slot >= 0) {
                    frame.pointed =
                        SlotOf(machine, *main.groupPanels.item[static_cast<size_t>(slot)]);
                }
            }
            break;
        }
        case Verb::Menu:
        case Verb::Drag:
        case Verb::RightDrag:
            if (control) {
                frame.dialog = DialogOf(&control->Owner());
            }
            break;
        case Verb::Close:
            frame.dialog = DialogOf(FindForm(host, step.target));
            break;
        case Verb::HotKey:
            frame.mayPaste = true;
            break;
        case Verb::Wait:
            frame.mayPaste = pasting || machine.mouse.on;
            break;
        case Verb::Notepad:
            frame.mayPaste = machine.mouse.on;
            break;
        case Verb::Restart:
        case Verb::Kill: {
            // The start empties the transfer slots that refer to a group of a library.
            const StoreView view(m_world.snapshot);
            for (int k = 0; k < store::kTransferSlotCount; ++k) {
                const SlotKey key{Relative(app.DataFolder), -1, k};
                if (view.Read(key).source != -1) {
                    frame.footprint.Add(key);
                }
            }
            break;
        }
        default:
            break;
    }
    if (frame.dialog && frame.dialog->slot) {
        frame.footprint.Add(*frame.dialog->slot);
    }
    if (frame.dialog) {
        // What the dialog shows before the step, to check what its save stores.
        const forms::Form& form = *frame.dialog->form;
        if (const forms::Control* title = form.Find("title")) {
            frame.dialogTitle = title->Text();
        }
        std::vector<const forms::OptionButton*> swatches;
        for (int i = 0; const forms::Control* c = form.Find("Colr", i); ++i) {
            swatches.push_back(static_cast<const forms::OptionButton*>(c));
        }
        for (size_t i = 0; i < swatches.size(); ++i) {
            if (swatches[i]->Value() && swatches[i]->VisibleInTree()) {
                // The last swatch is "Group Clr": the panel's default.
                frame.chosenColor = i + 1 == swatches.size()
                                        ? 0
                                        : static_cast<std::int32_t>(swatches[i]->BackColor());
            }
        }
        if (frame.dialog->historyIndex >= 0) {
            const std::string data = Relative(app.DataFolder);
            for (const forms::Label* clip : main.clipboardPanel.ClipboardClip) {
                frame.historyTitles.push_back(clip->Caption());
                const files::Bytes* file =
                    m_world.snapshot.Find(data + "clip." + std::to_string(clip->Index()));
                frame.historyFiles.push_back(file ? std::optional(*file) : std::nullopt);
            }
        }
    }
}

void Session::PrepareDrop(Machine& machine, const forms::Control& source,
                          const forms::Control& target, Frame& frame) {
    if (OnMainWindow(machine, source)) {
        if (frame.drag->source) {
            frame.footprint.Add(*frame.drag->source);
        }
        if (frame.drag->target) {
            frame.footprint.Add(*frame.drag->target);
        }
        if (source.Name() == "Group") {
            frame.footprint.AddGroup(FolderOf(machine, source.Index()), source.Index());
        }
        if (target.Name() == "Group" && OnMainWindow(machine, target)) {
            frame.footprint.AddGroup(FolderOf(machine, target.Index()), target.Index());
        }
        if (source.Name() == "CaptureMode" &&
            (target.Name() == "BulkPaste" || target.Name() == "BulkPastelabel")) {
            frame.mayPaste = true;
        }
        return;
    }
    if (source.Owner().Name() == "LibForm" && source.Name() == "Item" && target.Name() == "Item") {
        // A library moves to a free number: both folders change as a whole.
        for (const forms::Control* end : {&source, &target}) {
            frame.footprint.folders.insert(
                Relative(LibraryFolderOf(machine.app(), end->Index() + 1)));
        }
    }
}

void Session::NoteDialogs(Machine& machine) {
    const int number = machine.number - 1;
    const std::vector<forms::Form*> loaded =
        machine.Running() ? machine.host().LoadedForms() : std::vector<forms::Form*>{};
    m_dialogs.erase(std::remove_if(m_dialogs.begin(), m_dialogs.end(),
                                   [&](const auto& d) {
                                       return d->machine == number &&
                                              std::find(loaded.begin(), loaded.end(), d->form) ==
                                                  loaded.end();
                                   }),
                    m_dialogs.end());
    for (const forms::Form* form : loaded) {
        if (!IsEditingDialog(form->Name()) || DialogOf(form)) {
            continue;
        }
        for (const auto& open : m_dialogs) {
            open->othersOpened = true;
        }
        auto dialog = std::make_shared<DialogIntent>();
        dialog->machine = number;
        dialog->form = form;
        dialog->name = form->Name();
        // The innermost step that points at something opened it.
        for (auto it = m_frames.rbegin(); it != m_frames.rend(); ++it) {
            if ((*it)->pointed || (*it)->pointedHistory >= 0) {
                dialog->slot = (*it)->pointed;
                dialog->historyIndex = (*it)->pointedHistory;
                break;
            }
        }
        if (dialog->slot) {
            const Slot slot = StoreView(m_world.snapshot).Read(*dialog->slot);
            dialog->filledAtOpen = slot.filled;
            dialog->dataAtOpen = slot.data;
        }
        dialog->preview = form->Caption() == " Clip Preview ";
        if (dialog->historyIndex >= 0) {
            const std::string file =
                Relative(machine.app().DataFolder) + "clip." + std::to_string(dialog->historyIndex);
            if (const files::Bytes* data = m_world.snapshot.Find(file)) {
                dialog->history = *data;
            }
        }
        m_dialogs.push_back(std::move(dialog));
    }
}

// A dialog editing a clip that a move took elsewhere follows it, and saves where it went: a slot
// dropped on a slot takes its clip along, a group name dropped on a group name every slot of the
// group (an empty one too).
void Session::FollowMovedClips(const Frame& frame,
                               const std::map<std::string, std::optional<files::Bytes>>& before) {
    const DragEnds& drag = *frame.drag;
    if (!drag.move) {
        return;
    }
    const StoreView was(m_world.snapshot, &before);
    const StoreView now(m_world.snapshot);
    auto groupMoved = [&] {
        const SlotKey& from = *drag.sourceGroup;
        const SlotKey& to = *drag.targetGroup;
        const auto name = [](const StoreView& view, const SlotKey& group) {
            return view.GroupNames(group.folder)[static_cast<size_t>(group.group)];
        };
        return !name(was, from).empty() && name(now, from).empty() &&
               name(now, to) == name(was, from);
    };
    for (const auto& dialog : m_dialogs) {
        if (dialog->machine != frame.step->machine || !dialog->slot) {
            continue;
        }
        const SlotKey from = *dialog->slot;
        if (drag.source == from && drag.target && *drag.target != from) {
            const Slot left = was.Read(from);
            const Slot arrived = now.Read(*drag.target);
            if (left.filled && !now.Read(from).filled && arrived.filled &&
                arrived.data == left.data) {
                dialog->slot = drag.target;
            }
        } else if (drag.sourceGroup && drag.targetGroup && !from.IsTransfer() &&
                   from.folder == drag.sourceGroup->folder &&
                   from.group == drag.sourceGroup->group && groupMoved()) {
            dialog->slot = SlotKey{drag.targetGroup->folder, drag.targetGroup->group, from.slot};
        }
    }
}

void Session::Scan(const forms::Form& form) {
    if (!m_coverage || !m_scanned.insert(&form).second) {
        return;
    }
    std::set<std::string>& connected = m_coverage->connected[form.Name()];
    for (const auto& control : form.Controls()) {
        for (std::string& name : ConnectedEvents(*control)) {
            connected.insert(std::move(name));
        }
    }
}

}  // namespace mirvo::explore
