// The seven invariants, checked after every step:
//   1. a filed clip keeps its bytes, title, paste mode and colour until a step changes that very
//      slot; a move leaves exactly one copy, a copy two equal ones (with two machines over one
//      folder: nothing one filed is lost by the other's steps);
//   2. what the panels show equals what the files hold (with two machines: each window, once
//      the refresh period passed after the step);
//   3. closing and starting again shows the same;
//   4. every data file passes its reader and has its layout's size; nothing is written outside
//      the data and private folders;
//   5. no handler ends in an error but the fatal file path; the clipboard is never left open;
//   6. paste keys go only from steps that paste, into the target window;
//   7. at most one clip viewer is open, and an editing dialog saves into the clip it was opened
//      for.

#include <algorithm>
#include <cstring>

#include "app/ClipboardState.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "explore/Session.h"
#include "files/DataFile.h"
#include "forms/Controls.h"
#include "forms/Lists.h"
#include "launchpad/ShortcutFile.h"
#include "panels/MainForm.h"
#include "panels/PanelColor.h"
#include "panels/Positions.h"

namespace mirvo::explore {

namespace {

// A clip data file in memory, for the program's own reader.
class MemoryFile : public platform::File {
public:
    explicit MemoryFile(const files::Bytes& bytes) : m_bytes(bytes) {}
    std::uint64_t Size() override { return m_bytes.size(); }
    std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t count) override {
        if (offset >= m_bytes.size()) {
            return 0;
        }
        const std::size_t n = std::min<std::size_t>(count, m_bytes.size() - offset);
        std::memcpy(buffer, m_bytes.data() + offset, n);
        return n;
    }
    void WriteAt(std::uint64_t, const void*, std::size_t) override {}
    void Truncate(std::uint64_t) override {}
    void Flush() override {}

private:
    const files::Bytes& m_bytes;
};

bool EndsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
}

bool AllDigits(const std::string& s) {
    return !s.empty() &&
           std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// "" when the file has its layout; else what is wrong with it.
std::string LayoutFault(const std::string& name, const files::Bytes& bytes) {
    const struct {
        const char* name;
        size_t size;
    } fixed[] = {{"Groups.dat", 1600}, {"groups.clr", 128}, {"Last.grp", 2},
                 {"trans.dat", 416},   {"trans.mod", 8},    {"trans.clr", 32},
                 {"Last.Lib", 22},     {"clip.dat", 452},   {"mirvo.ini", 145}};
    if (bytes.empty() && name.find('.') != std::string::npos) {
        // Opening a missing file makes it empty: its reader takes that as a new file.
        const std::string suffix = name.substr(name.find('.') + 1);
        if (suffix == "dat" || suffix == "mod" || suffix == "clr" || suffix == "grp" ||
            suffix == "Lib" || suffix == "ini") {
            return "";
        }
    }
    for (const auto& f : fixed) {
        if (name == f.name) {
            return bytes.size() == f.size ? ""
                                          : "has " + std::to_string(bytes.size()) + " bytes, not " +
                                                std::to_string(f.size);
        }
    }
    if (name == "Lib.dat") {
        return bytes.size() == 560 || bytes.size() == 580 ? "" : "has a size of no library list";
    }
    if (name == "bulk.dat") {
        return bytes.size() % 50 == 0 ? "" : "holds a part of a title";
    }
    if (name == "Spacer.txt" || name == "lnch.dat" || name == "Book.Mrk") {
        return "";
    }
    if (name == "mirvo.lck") {
        // The data folder's lock and its two counters; a short file counts what it lacks as 0.
        return bytes.size() <= 8 ? "" : "has " + std::to_string(bytes.size()) + " bytes";
    }
    const size_t dot = name.find('.');
    const std::string stem = name.substr(0, dot);
    const std::string suffix = dot == std::string::npos ? "" : name.substr(dot + 1);
    if (stem.compare(0, 5, "group") == 0 && AllDigits(stem.substr(5))) {
        if (suffix == "dat") {
            return bytes.size() == 4800 ? "" : "has " + std::to_string(bytes.size()) + " bytes";
        }
        if (suffix == "mod") {
            if (bytes.size() != 96) {
                return "has " + std::to_string(bytes.size()) + " bytes";
            }
            for (const std::uint8_t mode : bytes) {
                if (mode > 4) {
                    return "holds a paste mode of " + std::to_string(mode);
                }
            }
            return "";
        }
    }
    if (stem.compare(0, 4, "Colr") == 0 && AllDigits(stem.substr(4)) && suffix == "dat") {
        return bytes.size() == 384 ? "" : "has " + std::to_string(bytes.size()) + " bytes";
    }
    const bool dataFile = ((stem.compare(0, 5, "group") == 0 && AllDigits(stem.substr(5))) ||
                           stem == "clip" || stem == "trans" || stem == "bulk") &&
                          AllDigits(suffix);
    if (!dataFile) {
        return "is no file of the program";
    }
    MemoryFile file(bytes);
    const ClipFileScan scan = ScanClipFile(file, [](const StoredFormat&) { return true; });
    if (scan.layout == ClipLayout::Shortcut) {
        return bytes.size() == kShortcutFileSize ? "" : "is a shortcut of the wrong size";
    }
    return scan.truncated ? "is cut short" : "";
}

std::int32_t ShownColor(std::int32_t stored, std::int32_t defaultColor) {
    return stored != 0 ? stored : defaultColor;
}

}  // namespace

void Session::Fail(int invariant, const std::string& kind, const std::string& detail) {
    Violation v;
    v.invariant = invariant;
    v.kind = kind;
    v.detail = detail;
    v.step = m_executed.size();
    m_violation = v;
    throw forms::ProgramEnded{-1};
}

void Session::Check(const Frame& frame) {
    for (int i = 0; i < m_world.Machines(); ++i) {
        Machine& machine = m_world.machine(i);
        if (machine.Current()) {
            CheckErrors(machine);
            CheckKeys(machine);
        }
        if (machine.Running()) {
            CheckDialogs(machine);
        }
    }
    const std::set<std::string> changed = m_world.fs.TakeChanges();
    const auto before = m_world.snapshot.Update(changed);
    CheckFiles(before);
    CheckFrame(before);
    if (frame.drag) {
        CheckMove(frame);
        FollowMovedClips(frame, before);
    }
    if (frame.dialog) {
        CheckDialogSave(frame, before);
    }
    for (int i = 0; i < m_world.Machines(); ++i) {
        if (m_world.machine(i).Running()) {
            CheckOptions(m_world.machine(i));
        }
    }
    if (m_world.fs.worldFaults > 0) {
        // What the program shows may differ from its files now; its next start reads them.
        for (int i = 0; i < m_world.Machines(); ++i) {
            m_diverged.insert(m_world.machine(i).number);
        }
    }
    if (m_frames.size() <= 1) {
        m_world.fs.worldFaults = 0;
    }
    // Inside a modal form a handler is still at work below it: the panels are checked when
    // none is. Over a shared folder a window shows the others' changes once it had its refresh.
    if (m_frames.size() <= 1) {
        for (int i = 0; i < m_world.Machines(); ++i) {
            Machine& machine = m_world.machine(i);
            if (machine.Running() && m_diverged.count(machine.number) == 0 &&
                (m_world.Machines() == 1 || m_caughtUp.count(machine.number) != 0)) {
                CheckPanels(machine);
            }
        }
    }
}

// Invariants 1 and 7: no filed clip changes outside what the steps in progress may change.
void Session::CheckFrame(const std::map<std::string, std::optional<files::Bytes>>& before) {
    std::set<SlotKey> keys;
    for (const auto& [path, old] : before) {
        const std::optional<SlotKey> area = AreaOf(path);
        if (!area) {
            continue;
        }
        const int count = area->IsTransfer() ? 8 : 96;
        if (area->slot >= 0) {
            keys.insert(*area);
        } else {
            for (int n = 0; n < count; ++n) {
                keys.insert({area->folder, area->group, n});
            }
        }
    }
    if (keys.empty()) {
        return;
    }
    Footprint allowed;
    std::shared_ptr<const DialogIntent> dialog;
    for (const Frame* frame : m_frames) {
        allowed.Add(frame->footprint);
        if (frame->dialog) {
            dialog = frame->dialog;
        }
    }
    // A colour stored as 0 shows in the panel's default colour: the settings of the machine
    // whose step writes decide which colours it stores so.
    Machine& writer = m_world.machine(m_frames.empty() ? 0 : m_frames.back()->step->machine);
    const App* app = writer.Running() ? &writer.app() : nullptr;
    const std::int32_t groupDefault = app ? app->settings.GroupClipColor : 0;
    const std::int32_t transDefault = app ? app->settings.TransferSlotColor : 0;
    const StoreView was(m_world.snapshot, &before);
    const StoreView now(m_world.snapshot);
    for (const SlotKey& key : keys) {
        const Slot old = was.Read(key);
        const Slot slot = now.Read(key);
        const std::int32_t defaultColor = key.IsTransfer() ? transDefault : groupDefault;
        if (old.SameClip(slot, defaultColor)) {
            continue;
        }
        if (m_startEmptied.erase(key) != 0 && !slot.filled) {
            continue;  // the reference a start emptied in the window leaves the file now
        }
        const std::string detail =
            key.Describe() + " was " + old.Describe() + ", is " + slot.Describe() + ", at \"" +
            (m_frames.empty() ? "" : m_frames.back()->step->ToString()) + "\"";
        if (!allowed.Covers(key) && !ShownBefore(key, slot)) {
            if (dialog) {
                Fail(
                    7, "an editing dialog saved into a clip it was not opened for",
                    dialog->name + " opened for " +
                        (dialog->slot ? dialog->slot->Describe() : "no slot") +
                        (dialog->othersOpened ? " (another editing dialog opened meanwhile)" : "") +
                        "; " + detail);
            }
            Fail(1, "a filed clip changed by a step that does not change it", detail);
        }
        if (dialog && dialog->slot == key && dialog->filledAtOpen && !old.filled && slot.filled &&
            (!slot.data || slot.data->empty())) {
            Fail(7, "an editor saved a title onto a slot emptied since it opened",
                 dialog->name + "; " + detail);
        }
    }
}

bool Session::ShownBefore(const SlotKey& key, const Slot& slot) {
    // After a fault of the world a machine may show a clip its files missed; its next save
    // writes what it showed.
    for (int i = 0; i < m_world.Machines(); ++i) {
        Machine& machine = m_world.machine(i);
        if (m_diverged.count(machine.number) == 0 || !machine.Running()) {
            continue;
        }
        MainForm& main = machine.app().MainWindow();
        const int group = machine.app().settings.CurrentGroup;
        if (key.IsTransfer()) {
            if (key.folder == Relative(machine.app().DataFolder) &&
                TrimTitle(main.groupPanels.Trans[static_cast<size_t>(key.slot)]->Caption()) ==
                    slot.title) {
                return true;
            }
        } else if (key.folder == FolderOf(machine, group) && key.group == group &&
                   TrimTitle(main.groupPanels.item[static_cast<size_t>(key.slot)]->Caption()) ==
                       slot.title) {
            return true;
        }
    }
    return false;
}

// Invariant 1: a drop moves or copies exactly what it was given.
void Session::CheckMove(const Frame& frame) {
    const DragEnds& drag = *frame.drag;
    Machine& machine = m_world.machine(frame.step->machine);
    // A machine whose panels show what its files do not hold drags what it shows.
    if (m_diverged.count(machine.number) != 0 || !machine.Running()) {
        return;
    }
    if (drag.toBulkCache && drag.source && m_world.fs.worldFaults == 0) {
        // The bulk cache takes copies of clips: no reference to a group, no shortcut.
        const int count = machine.app().settings.BulkCount;
        const std::string item =
            Relative(machine.app().DataFolder) + "bulk." + std::to_string(count - 1);
        const files::Bytes* added = count > drag.bulkBefore ? m_world.snapshot.Find(item) : nullptr;
        if (drag.sourceBefore.source != -1 && count != drag.bulkBefore) {
            Fail(1, "a reference to a group entered the bulk cache", drag.sourceName);
        }
        if (added && added->size() >= 2 && files::ReadInt16(*added, 0) == kShortcutMarker) {
            Fail(1, "a launch-pad shortcut entered the bulk cache", drag.sourceName);
        }
        if (added && drag.sourceBefore.data && *added != *drag.sourceBefore.data) {
            Fail(1, "a bulk item holds other data than the clip dropped", drag.sourceName);
        }
    }
    if (drag.bulkGroup) {
        // Each bulk item is in the cache still or in its slot of the group, whatever happened.
        const StoreView now(m_world.snapshot);
        const int count = machine.app().settings.BulkCount;
        const std::string data = Relative(machine.app().DataFolder);
        for (size_t i = 0; i < drag.bulkItems.size(); ++i) {
            const files::Bytes* cached = m_world.snapshot.Find(data + "bulk." + std::to_string(i));
            const bool inCache =
                static_cast<int>(i) < count && cached && *cached == drag.bulkItems[i];
            const Slot slot =
                now.Read({drag.bulkGroup->folder, drag.bulkGroup->group, static_cast<int>(i)});
            const bool inGroup = slot.filled && slot.data == drag.bulkItems[i];
            if (!inCache && !inGroup) {
                Fail(1, "a bulk item dropped on a group name was lost",
                     "item " + std::to_string(i) + " of " + std::to_string(drag.bulkItems.size()));
            }
        }
    }
    if (!drag.target) {
        return;
    }
    const StoreView now(m_world.snapshot);
    const Slot target = now.Read(*drag.target);
    const std::string what = "drag " + drag.sourceName + " to " + drag.targetName +
                             (frame.step->text.empty() ? "" : " while another program copied") +
                             ": target was " + drag.targetBefore.Describe() + ", is " +
                             target.Describe();
    const bool fault = m_world.fs.worldFaults > 0;
    const bool shortcut = target.data && target.data->size() >= 2 &&
                          files::ReadInt16(*target.data, 0) == kShortcutMarker;
    if (drag.historyData) {
        // In the launch pad a clipboard clip becomes a shortcut.
        if (target.filled && !drag.targetBefore.filled && target.data != drag.historyData &&
            !fault && !shortcut) {
            Fail(1, "a filed clipboard clip holds other data than the clip dropped", what);
        }
        return;
    }
    if (!drag.source || drag.source == drag.target) {
        return;
    }
    const Slot source = now.Read(*drag.source);
    const std::string detail =
        what + "; source was " + drag.sourceBefore.Describe() + ", is " + source.Describe();
    const bool dropped =
        !drag.targetBefore.filled && drag.sourceBefore.filled && drag.sourceBefore.source == -1;
    if (!dropped) {
        if (!fault && (!target.SameClip(drag.targetBefore, drag.targetDefault) ||
                       !source.SameClip(drag.sourceBefore, drag.sourceDefault))) {
            Fail(1, "a drop that takes nothing changed an end", detail);
        }
        return;
    }
    if (fault) {
        // A fault of the world may stop the drop anywhere, but the clip must be somewhere.
        // No data file and an empty one are the same clip (a group's copy leaves out empty ones).
        const files::Bytes before = drag.sourceBefore.data.value_or(files::Bytes{});
        const bool kept = (source.filled && source.data.value_or(files::Bytes{}) == before) ||
                          (target.filled && target.data.value_or(files::Bytes{}) == before);
        if (!kept) {
            Fail(1, "a drop stopped by a fault of the world lost the clip", detail);
        }
        return;
    }
    if (!target.filled) {
        if (!source.SameClip(drag.sourceBefore, drag.sourceDefault)) {
            Fail(1, "a drop that filed nothing changed its source", detail);
        }
        return;
    }
    // A clip in its panel's default colour takes the default colour of where it goes.
    Slot expected = drag.sourceBefore;
    if (expected.color == 0 || expected.color == drag.sourceDefault) {
        expected.color = drag.targetDefault;
    }
    if (!target.SameClip(expected, drag.targetDefault)) {
        Fail(1, "a dropped clip arrived changed", detail);
    }
    if (drag.move && source.filled) {
        Fail(1, "a move left two copies", detail);
    }
    if (!drag.move && !source.SameClip(drag.sourceBefore, drag.sourceDefault)) {
        Fail(1, "a copy changed its source", detail);
    }
}

// Invariant 2: the panels show what the files hold.
void Session::CheckPanels(Machine& machine) {
    App& app = machine.app();
    MainForm& main = app.MainWindow();
    const StoreView view(m_world.snapshot);
    const int group = app.settings.CurrentGroup;
    const std::string folder = FolderOf(machine, group);
    const std::string on =
        m_world.Machines() > 1 ? "machine " + std::to_string(machine.number) + ": " : "";
    auto differ = [&](const std::string& what, const std::string& shown, const std::string& held) {
        Fail(2, "the panels show other than the files hold",
             on + what + " shows \"" + shown + "\", the file holds \"" + held + "\"");
    };
    for (int n = 0; n < 96; ++n) {
        const Slot slot = view.Read({folder, group, n});
        const std::string caption =
            TrimTitle(main.groupPanels.item[static_cast<size_t>(n)]->Caption());
        const std::string where = "group " + std::to_string(group) + " clip " + std::to_string(n);
        if (caption != slot.title) {
            differ(where, caption, slot.title);
        }
        if (!slot.filled) {
            continue;
        }
        const int mode = app.store.ClipPasteMode[static_cast<size_t>(n)];
        if ((mode == 3 ? 0 : mode) != (slot.mode == 3 ? 0 : slot.mode)) {
            differ(where + " paste mode", std::to_string(mode), std::to_string(slot.mode));
        }
        const auto color = static_cast<std::int32_t>(TrueColor(app, kFirstGroupClipPos + n));
        if (color != ShownColor(slot.color, app.settings.GroupClipColor)) {
            differ(where + " colour", std::to_string(color), std::to_string(slot.color));
        }
    }
    const std::string data = Relative(app.DataFolder);
    for (int k = 0; k < 8; ++k) {
        const Slot slot = view.Read({data, -1, k});
        const std::string caption =
            TrimTitle(main.groupPanels.Trans[static_cast<size_t>(k)]->Caption());
        const std::string where = "transfer slot " + std::to_string(k + 1);
        if (slot.source != -1 && caption.empty() &&
            app.store.TransSource[static_cast<size_t>(k)] == -1) {
            continue;  // a reference to a group that the start emptied: readers write nothing
        }
        if (caption != slot.title) {
            differ(where, caption, slot.title);
        }
        if (!slot.filled) {
            continue;
        }
        const int source = app.store.TransSource[static_cast<size_t>(k)];
        if (source != slot.source) {
            differ(where + " source", std::to_string(source), std::to_string(slot.source));
        }
        if (slot.source != -1) {
            continue;
        }
        const int mode = app.store.TransPasteMode[static_cast<size_t>(k)];
        if ((mode == 3 ? 0 : mode) != (slot.mode == 3 ? 0 : slot.mode)) {
            differ(where + " paste mode", std::to_string(mode), std::to_string(slot.mode));
        }
        const auto color = static_cast<std::int32_t>(TrueColor(app, kFirstTransferSlotPos + k));
        if (color != ShownColor(slot.color, app.settings.TransferSlotColor)) {
            differ(where + " colour", std::to_string(color), std::to_string(slot.color));
        }
    }
    const std::string library = Relative(app.LibraryFolder);
    const std::vector<std::string> names = view.GroupNames(library);
    for (int g = 0; g < 32; ++g) {
        const forms::Label& label = *main.groupPanels.Group[static_cast<size_t>(g)];
        const std::string caption = TrimTitle(label.Caption());
        if (caption != names[static_cast<size_t>(g)]) {
            differ("group name " + std::to_string(g), caption, names[static_cast<size_t>(g)]);
        }
        // The current group's name is marked, and only it (or the one under the highlight).
        const bool marked = label.BackColor() == forms::kHighlight;
        const bool current = g == group || kFirstGroupNamePos + g == app.store.HighlightPos;
        if (marked != current) {
            Fail(2, "the group names mark another group than the current one",
                 on + "group " + std::to_string(g) + (marked ? " is marked" : " is not marked") +
                     ", the current group is " + std::to_string(group));
        }
    }
    const bool launchPad = app.CurrentLibrary == store::kLaunchPadLibrary;
    if (main.controlPanel.LaunchBtn.Value() != launchPad) {
        Fail(2, "the launch pad button shows the wrong state",
             std::string("it shows ") + (launchPad ? "up" : "down") + " in library " +
                 std::to_string(app.CurrentLibrary));
    }
    if (launchPad && group == store::kHotKeyGroup) {
        Fail(2, "the launch pad shows the hot key clips", "");
    }
    const int count = view.HistoryCount(data);
    if (count != app.clip.ClipboardClipCount) {
        differ("the history's count", std::to_string(app.clip.ClipboardClipCount),
               std::to_string(count));
    }
    const std::vector<std::string> titles = view.HistoryTitles(data);
    for (int i = 0; i < 9; ++i) {
        const std::string caption =
            TrimTitle(main.clipboardPanel.ClipboardClip[static_cast<size_t>(i)]->Caption());
        if (caption != titles[static_cast<size_t>(i)]) {
            differ("clipboard clip " + std::to_string(i + 1), caption,
                   titles[static_cast<size_t>(i)]);
        }
    }
    const int bulk = app.settings.BulkCount;
    const files::Bytes* bulkTitles = view.File(data + "bulk.dat");
    const size_t held = bulkTitles ? bulkTitles->size() / 50 : 0;
    if (bulk < 0 || bulk > 96 || held < static_cast<size_t>(bulk)) {
        differ("the bulk count", std::to_string(bulk), std::to_string(held) + " titles");
    }
    for (int i = 0; i < bulk; ++i) {
        if (!view.File(data + "bulk." + std::to_string(i))) {
            differ("bulk item " + std::to_string(i), "an item", "no file");
        }
    }
    const std::string button = main.controlPanel.CaptureMode[2]->Caption();
    const std::string expected =
        bulk > 0 || app.settings.CaptureMode == 2 ? std::to_string(bulk) : "Bulk";
    if (button != expected) {
        differ("the bulk button", button, expected);
    }
}

// Invariant 4.
void Session::CheckFiles(const std::map<std::string, std::optional<files::Bytes>>& before) {
    std::vector<std::string> places;
    for (int i = 0; i < m_world.Machines(); ++i) {
        Machine& machine = m_world.machine(i);
        places.push_back(Relative(machine.ProgramFolder()));
        places.push_back(Relative(machine.PrivateFolder()));
    }
    for (const auto& [path, old] : before) {
        const size_t cut = path.rfind('/');
        const std::string name = cut == std::string::npos ? path : path.substr(cut + 1);
        const bool inPlace = std::any_of(places.begin(), places.end(), [&](const std::string& p) {
            return path.compare(0, p.size(), p) == 0;
        });
        const bool probe =
            path.compare(0, 7, "windows") == 0 && name.compare(0, 12, "Mirvo-probe-") == 0;
        if (!inPlace && !probe) {
            Fail(4, "a file was written outside the data and private folders", path);
        }
        const files::Bytes* bytes = m_world.snapshot.Find(path);
        if (!bytes || probe) {
            continue;
        }
        if (EndsWith(name, ".new~") ||
            (name.compare(0, 5, "clip.") == 0 && EndsWith(name, ".tmp"))) {
            Fail(4, "a temporary file was left behind", path);
        }
        const std::string fault = LayoutFault(name, *bytes);
        if (!fault.empty()) {
            Fail(4, "a data file does not have its layout", path + " " + fault);
        }
    }
}

// Invariant 5.
void Session::CheckErrors(Machine& machine) {
    Program& program = *machine.Current();
    std::vector<HandlerError> errors = std::exchange(program.errors, {});
    for (const HandlerError& error : errors) {
        if (error.fileError && error.worldFault) {
            continue;  // a held file or a full disk: the handler ends, or the program with it
        }
        Fail(5, "a handler ended in an error", error.what);
    }
    if (machine.clipboard.isOpen && machine.Running()) {
        Fail(5, "the clipboard was left open", "");
    }
}

// Invariant 6.
void Session::CheckKeys(Machine& machine) {
    App& app = *machine.Current()->app;
    bool mayPaste = false;
    for (const Frame* frame : m_frames) {
        mayPaste = mayPaste || frame->mayPaste;
    }
    const std::string step = m_frames.empty() ? "" : m_frames.back()->step->ToString();
    for (const auto& sent : std::exchange(machine.keys.sent, {})) {
        if (sent.foreground == 0 || machine.host().IsFormWindow(sent.foreground)) {
            Fail(6, "paste keys went to a window that is no paste target",
                 "\"" + sent.keys + "\" into window " + std::to_string(sent.foreground) + " at \"" +
                     step + "\"");
        }
        if (!mayPaste) {
            Fail(6, "paste keys were sent by a step that does not paste",
                 "\"" + sent.keys + "\" at \"" + step + "\"");
        }
    }
    const int job = app.paste.PendingPasteJob;
    const bool waiting = machine.mouse.on;
    int& jobBefore = m_pendingPasteJob[machine.number];
    bool& waitingBefore = m_waitForClick[machine.number];
    if (!mayPaste && ((job != 0 && jobBefore == 0) || (waiting && !waitingBefore))) {
        Fail(6, "a paste was started by a step that does not paste", "at \"" + step + "\"");
    }
    jobBefore = job;
    waitingBefore = waiting;
}

std::vector<std::string> Session::Shown(Machine& machine) {
    std::vector<std::string> lines;
    if (!machine.Running()) {
        return lines;
    }
    App& app = machine.app();
    MainForm& main = app.MainWindow();
    lines.push_back("library " + Relative(app.LibraryFolder));
    lines.push_back("group " + std::to_string(app.settings.CurrentGroup));
    for (int n = 0; n < 96; ++n) {
        const std::string title =
            TrimTitle(main.groupPanels.item[static_cast<size_t>(n)]->Caption());
        if (!title.empty()) {
            lines.push_back("clip " + std::to_string(n) + " \"" + title + "\" mode " +
                            std::to_string(app.store.ClipPasteMode[static_cast<size_t>(n)] % 3) +
                            " colour " + std::to_string(TrueColor(app, kFirstGroupClipPos + n)));
        }
    }
    for (int k = 0; k < 8; ++k) {
        const std::string title =
            TrimTitle(main.groupPanels.Trans[static_cast<size_t>(k)]->Caption());
        if (!title.empty() && app.store.TransSource[static_cast<size_t>(k)] == -1) {
            lines.push_back("transfer slot " + std::to_string(k + 1) + " \"" + title +
                            "\" colour " +
                            std::to_string(TrueColor(app, kFirstTransferSlotPos + k)));
        }
    }
    for (int g = 0; g < 32; ++g) {
        lines.push_back("group name " + std::to_string(g) + " \"" +
                        TrimTitle(main.groupPanels.Group[static_cast<size_t>(g)]->Caption()) +
                        "\"");
    }
    if (app.settings.KeepClipboardClips == 1) {
        for (int i = 0; i < 9; ++i) {
            lines.push_back(
                "clipboard clip " + std::to_string(i + 1) + " \"" +
                TrimTitle(main.clipboardPanel.ClipboardClip[static_cast<size_t>(i)]->Caption()) +
                "\"");
        }
    }
    lines.push_back("bulk " + std::to_string(app.settings.BulkCount));
    return lines;
}

// Invariant 3.
void Session::CheckRestart(Machine& machine, const std::vector<std::string>& shownBefore) {
    const std::vector<std::string> shownAfter = Shown(machine);
    // The launch pad is left at a start: the library and its groups are another one then.
    const bool launchPad =
        !shownBefore.empty() && shownBefore[0].find("Lib29/") != std::string::npos;
    auto skipped = [&](const std::string& line) {
        return launchPad &&
               (line.compare(0, 5, "clip ") == 0 || line.compare(0, 6, "group ") == 0 ||
                line.compare(0, 8, "library ") == 0);
    };
    const std::string on =
        m_world.Machines() > 1 ? "machine " + std::to_string(machine.number) + ", " : "";
    const std::set<std::string> after(shownAfter.begin(), shownAfter.end());
    const std::set<std::string> before(shownBefore.begin(), shownBefore.end());
    for (const std::string& line : shownBefore) {
        if (!after.count(line) && !skipped(line)) {
            Fail(3, "the program shows other than before after closing and starting again",
                 on + "before: " + line);
        }
    }
    for (const std::string& line : shownAfter) {
        if (!before.count(line) && !skipped(line)) {
            Fail(3, "the program shows other than before after closing and starting again",
                 on + "after: " + line);
        }
    }
}

}  // namespace mirvo::explore
