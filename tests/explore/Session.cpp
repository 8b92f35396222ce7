#include "explore/Session.h"

#include <algorithm>
#include <utility>

#include "app/ClipboardState.h"
#include "app/DragState.h"
#include "app/PasteState.h"
#include "app/StoreLayout.h"
#include "forms/Lists.h"
#include "forms/Menu.h"
#include "forms/TextBox.h"
#include "panels/MainForm.h"
#include "platform/Clipboard.h"

namespace mirvo::explore {

namespace {

// How often a window looks for the changes other instances made in the shared folder.
constexpr int kRefreshPeriod = 1000;

// Picture data of the device-independent kind: a 2 x 2 bitmap of 24-bit pixels.
std::vector<std::uint8_t> SmallDib(int variant) {
    std::vector<std::uint8_t> dib(40 + 16, 0);
    files::Bytes header(40, 0);
    dib[0] = 40;
    dib[4] = 2;
    dib[8] = 2;
    dib[12] = 1;
    dib[14] = 24;
    for (size_t i = 40; i < dib.size(); ++i) {
        dib[i] = static_cast<std::uint8_t>(variant * 31 + static_cast<int>(i));
    }
    return dib;
}

std::vector<std::uint8_t> Terminated(const std::string& text) {
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    bytes.push_back(0);
    return bytes;
}

// The main window of the machine's program.
forms::Form& MainOf(Machine& machine) {
    return machine.app().MainWindow();
}

}  // namespace

std::string Violation::Describe() const {
    return "invariant " + std::to_string(invariant) + " broken at step " + std::to_string(step) +
           ": " + kind + (detail.empty() ? "" : " (" + detail + ")");
}

void Coverage::Merge(const Coverage& other) {
    for (const auto& [form, names] : other.connected) {
        connected[form].insert(names.begin(), names.end());
    }
    for (const auto& [form, names] : other.reached) {
        reached[form].insert(names.begin(), names.end());
    }
}

void Footprint::Add(const Footprint& other) {
    slots.insert(other.slots.begin(), other.slots.end());
    folders.insert(other.folders.begin(), other.folders.end());
}

bool Footprint::Covers(const SlotKey& key) const {
    if (slots.count(key) || slots.count({key.folder, key.group, -1})) {
        return true;
    }
    for (const std::string& folder : folders) {
        if (key.folder.compare(0, folder.size(), folder) == 0) {
            return true;
        }
    }
    return false;
}

Session::Session(StepSource& source, Options options, Coverage* coverage)
    : m_source(source),
      m_options(std::move(options)),
      m_coverage(coverage),
      m_world(m_options.machines) {}

Session::~Session() = default;

void Session::StartMachine(Machine& machine) {
    machine.afterStart = m_options.afterStart;
    machine.beforeMain = [this, &machine](Program& program) {
        program.host.browser = &machine.disk;
        program.host.onModal = [this, &machine](forms::Form& form) { OnModal(machine, form); };
        program.host.onEvent = [this, &machine](const forms::Control& control, const char* event) {
            if (control.Name() == "Timer1" && control.Owner().Name() == "Edit") {
                ++m_refreshes[machine.number];  // the tick that shows the others' changes
            }
            if (m_coverage) {
                std::string name = control.Name() + "." + event;
                m_coverage->reached[control.Owner().Name()].insert(name);
            }
        };
    };
    m_scanned.clear();
    m_diverged.erase(machine.number);
    if (machine.Start()) {
        Scan(MainOf(machine));
        const StoreView view(m_world.snapshot);
        for (int k = 0; k < store::kTransferSlotCount; ++k) {
            const SlotKey key{Relative(machine.app().DataFolder), -1, k};
            if (view.Read(key).source != -1) {
                m_startEmptied.insert(key);
            }
        }
        m_pendingPasteJob[machine.number] = 0;
        m_waitForClick[machine.number] = false;
    }
}

std::optional<Violation> Session::Run() {
    try {
        for (int i = 0; i < m_world.Machines(); ++i) {
            StartMachine(m_world.machine(i));
        }
        Frame start;
        Check(start);
        while (std::optional<Step> step = m_source.Next(*this, nullptr, 0)) {
            bool outer = false;
            if (Applicable(*step, outer)) {
                Execute(*step);
            }
        }
        EndSession();
    } catch (const forms::ProgramEnded&) {
        if (!m_violation) {
            throw;
        }
    }
    return m_violation;
}

void Session::EndSession() {
    // The last step closes the program and starts it again: it must show the same.
    Step restart;
    restart.verb = Verb::Restart;
    bool outer = false;
    if (Applicable(restart, outer)) {
        Execute(restart);
    }
}

bool Session::LevelAlive() const {
    if (m_modals.empty()) {
        return true;
    }
    const forms::Form* modal = m_modals.back();
    return modal->Loaded() && modal->Visible();
}

void Session::OnModal(Machine& machine, forms::Form& form) {
    m_modals.push_back(&form);
    m_modalMachines.push_back(machine.number - 1);
    struct Pop {
        std::vector<const forms::Form*>& modals;
        std::vector<int>& machines;
        ~Pop() {
            modals.pop_back();
            machines.pop_back();
        }
    } pop{m_modals, m_modalMachines};
    Scan(form);
    NoteDialogs(machine);
    int steps = 0;
    while (machine.Running() && form.Loaded() && form.Visible()) {
        std::optional<Step> step = m_source.Next(*this, &form, steps);
        if (!step) {
            CloseAtEnd(form);
            return;
        }
        bool outer = false;
        if (!Applicable(*step, outer)) {
            if (outer && m_source.Replaying()) {
                m_source.PutBack();
                CloseAtEnd(form);
                return;
            }
            continue;
        }
        Execute(*step);
        ++steps;
    }
}

void Session::CloseAtEnd(forms::Form& form) {
    // The user closes what is left open: each way in turn, as long as the form stays.
    for (int attempt = 0; attempt < 6 && form.Loaded() && form.Visible(); ++attempt) {
        std::vector<Candidate> closers = Closers(form);
        if (static_cast<size_t>(attempt) >= closers.size()) {
            break;
        }
        bool outer = false;
        if (Applicable(closers[static_cast<size_t>(attempt)].step, outer)) {
            Execute(closers[static_cast<size_t>(attempt)].step);
        }
    }
}

void Session::Execute(Step step) {
    Machine& machine = m_world.machine(step.machine);
    m_executed.push_back(step);
    const size_t index = m_executed.size() - 1;
    Frame frame;
    PrepareFrame(frame, step);
    m_frames.push_back(&frame);
    struct Pop {
        std::vector<Frame*>& frames;
        ~Pop() { frames.pop_back(); }
    } pop{m_frames};
    const bool top = m_frames.size() == 1;
    if (top) {
        m_caughtUpBefore = std::exchange(m_caughtUp, {});
    }
    try {
        Apply(step, frame);
        m_executed[index] = step;
        if (machine.Running() && LevelAlive()) {
            Release(machine);
        }
    } catch (const forms::ProgramEnded&) {
        m_executed[index] = step;
        if (m_violation) {
            throw;
        }
        if (!top) {
            // Nothing of the program runs any more, up to the first step; the keys it sent in
            // this one are this step's.
            if (machine.Current()) {
                CheckKeys(machine);
            }
            throw;
        }
        // The program ended: its fatal message, or its main window was closed.
        if (Program* program = machine.Current()) {
            program->running = false;
        }
        m_held.clear();
    }
    if (top) {
        Settle(frame);
    }
    NoteDialogs(machine);
    Check(frame);
}

// Over a shared folder every window shows the others' changes on its one-second timer. After a
// step the refresh period passes on every machine, again while a round of it changed files; a
// window whose timer ticked in the last round, which changed nothing, has caught up.
void Session::Settle(Frame& frame) {
    m_caughtUp.clear();
    if (m_world.Machines() < 2 || !m_modals.empty()) {
        return;
    }
    for (int round = 0; round < 3; ++round) {
        const long long touches = m_world.fs.touches;
        const std::map<int, int> refreshes = m_refreshes;
        for (int i = 0; i < m_world.Machines(); ++i) {
            Machine& machine = m_world.machine(i);
            if (!machine.Running()) {
                continue;
            }
            App& app = machine.app();
            // A paste under way goes on meanwhile, as it does in a wait.
            frame.mayPaste = frame.mayPaste || app.paste.PendingPasteJob != 0 ||
                             app.MainWindow().Hotkeytimer.Enabled() || machine.mouse.on;
            try {
                machine.host().AdvanceTime(kRefreshPeriod);
            } catch (const forms::ProgramEnded&) {
                if (m_violation) {
                    throw;
                }
                machine.Current()->running = false;  // its fatal message
            }
        }
        if (m_world.fs.touches == touches) {
            for (int i = 0; i < m_world.Machines() && m_world.fs.lockedPaths.empty(); ++i) {
                const int number = m_world.machine(i).number;
                const auto before = refreshes.find(number);
                if (m_refreshes[number] > (before == refreshes.end() ? 0 : before->second)) {
                    m_caughtUp.insert(number);
                }
            }
            return;
        }
    }
}

void Session::Release(Machine& machine) {
    while (!m_held.empty() && machine.Running()) {
        const Held key = m_held.back();
        m_held.pop_back();
        if (machine.host().WhyNoKeys().empty()) {
            machine.host().KeyUp(key.keyCode, key.shift);
        }
    }
}

bool Session::Applicable(const Step& step, bool& needsOuterLevel) {
    needsOuterLevel = false;
    if (step.machine >= m_world.Machines()) {
        return false;
    }
    Machine& machine = m_world.machine(step.machine);
    if (!m_modalMachines.empty() && m_modalMachines.back() != step.machine) {
        needsOuterLevel = true;  // another machine's modal form is up
        return false;
    }
    auto blocked = [&](const std::string& why) {
        needsOuterLevel = why.find("waits for the modal form") != std::string::npos;
        return false;
    };
    if (step.IsUserStep()) {
        if (!machine.Running()) {
            return false;
        }
        forms::HeadlessHost& host = machine.host();
        switch (step.verb) {
            case Verb::Key:
            case Verb::Type: {
                const std::string why = host.WhyNoKeys();
                if (!why.empty()) {
                    return blocked(why);
                }
                const forms::Control* focus = host.FocusedControl();
                return step.verb == Verb::Key ||
                       (focus && focus->Kind() == forms::ControlKind::TextBox);
            }
            case Verb::Close:
            case Verb::Restore: {
                forms::Form* form = FindForm(host, step.target);
                if (!form) {
                    return false;
                }
                const std::string why = host.WhyUnreachable(*form);
                if (!why.empty()) {
                    return blocked(why);
                }
                if (step.verb == Verb::Close) {
                    return form->ControlBox() && form->Border() != forms::BorderStyle::None;
                }
                return form->WindowState() == forms::WindowState::Minimized &&
                       form->ShowInTaskbar();
            }
            default: {
                forms::Control* control = FindControl(host, step.target);
                if (!control) {
                    return false;
                }
                const std::string why = host.WhyUnreachable(*control);
                if (!why.empty()) {
                    return blocked(why);
                }
                if (step.verb == Verb::Menu) {
                    return control->Kind() == forms::ControlKind::Menu;
                }
                return true;
            }
        }
    }
    switch (step.verb) {
        case Verb::Start:
            return !machine.Running();
        case Verb::Restart:
        case Verb::Kill:
            if (!machine.Running()) {
                return false;
            }
            if (!m_modals.empty()) {
                needsOuterLevel = true;
                return false;
            }
            if (step.verb == Verb::Restart) {
                forms::Form& main = MainOf(machine);
                return machine.host().Reachable(main) && main.ControlBox();
            }
            return true;
        default:
            return true;
    }
}

void Session::Apply(Step& step, Frame& frame) {
    Machine& machine = m_world.machine(step.machine);
    if (!step.IsUserStep()) {
        ApplyWorld(step, frame);
        return;
    }
    forms::HeadlessHost& host = machine.host();
    // The user works in the program: its window comes to the front.
    auto front = [&](const forms::Form& form) { machine.desktop.foreground = host.Handle(form); };
    switch (step.verb) {
        case Verb::Key:
        case Verb::Type: {
            const forms::Control* focus = host.FocusedControl();
            const forms::Form* form = focus ? &focus->Owner() : host.ActiveForm();
            front(*form);
            if (step.verb == Verb::Type) {
                host.Type(step.text);
                return;
            }
            const KeyStroke key = KeyNamed(step.target);
            m_held.push_back({key.keyCode, key.shift});
            host.KeyDown(key.keyCode, key.shift, key.ascii);
            return;
        }
        case Verb::Close:
        case Verb::Restore: {
            forms::Form& form = *FindForm(host, step.target);
            front(form);
            if (step.verb == Verb::Close) {
                host.CloseByUser(form);
            } else {
                host.RestoreByUser(form);
            }
            return;
        }
        default:
            break;
    }
    forms::Control& control = *FindControl(host, step.target);
    front(control.Owner());
    switch (step.verb) {
        case Verb::Click:
            if (auto* list = dynamic_cast<forms::ListControl*>(&control)) {
                host.PickListItem(*list, step.number % std::max(1, list->ListCount()));
            } else {
                host.Click(control);
            }
            break;
        case Verb::RightClick:
            host.Click(control, forms::MouseButton::Right);
            break;
        case Verb::DoubleClick:
            if (auto* list = dynamic_cast<forms::ListControl*>(&control)) {
                host.PickListItem(*list, step.number % std::max(1, list->ListCount()), true);
            } else {
                host.DoubleClick(control);
            }
            break;
        case Verb::Hover:
            host.MouseMove(control, 100, 100);
            break;
        case Verb::Menu:
            host.ChooseMenu(static_cast<forms::Menu&>(control));
            break;
        case Verb::Drag:
        case Verb::RightDrag:
            ApplyDrag(step, frame);
            break;
        default:
            break;
    }
}

void Session::ApplyWorld(Step& step, Frame& frame) {
    Machine& machine = m_world.machine(step.machine);
    const bool running = machine.Running();
    test::FakeClipboard& clipboard = machine.clipboard;
    auto copy = [&](std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> formats) {
        clipboard.PutFromOtherProgram(std::move(formats));
        if (running) {
            clipboard.ReportChange();
        }
    };
    switch (step.verb) {
        case Verb::CopyText:
            copy({{platform::Format::Text, Terminated(step.text)}});
            break;
        case Verb::CopyPicture:
            copy({{platform::Format::Dib, SmallDib(step.number)}});
            break;
        case Verb::CopyFormats:
            copy({{platform::Format::Text, Terminated(step.text)},
                  {clipboard.RegisterFormat("Rich Text Format"),
                   Terminated("{\\rtf1 " + step.text + "}")},
                  {clipboard.RegisterFormat("HTML Format"), Terminated("<b>" + step.text + "</b>")},
                  {platform::Format::Locale, {9, 4, 0, 0}}});
            break;
        case Verb::CopyPrivate:
            copy({{platform::Format::Text, Terminated(step.text)},
                  {clipboard.RegisterFormat("ExcludeClipboardContentFromMonitorProcessing"), {0}}});
            break;
        case Verb::HoldClipboard:
            clipboard.heldByOtherForOpens = step.number;
            break;
        case Verb::HoldFile:
            m_world.fs.lockedPaths.insert(m_world.Root() + step.target);
            break;
        case Verb::ShareFile:
            m_world.fs.sharedHeldPaths.insert(m_world.Root() + step.target);
            break;
        case Verb::LetGo:
            m_world.fs.lockedPaths.clear();
            m_world.fs.sharedHeldPaths.clear();
            break;
        case Verb::DiskFull:
            m_world.fs.writesBeforeFull = step.number;
            m_world.fs.failingWrites = 1;
            break;
        case Verb::Wait:
            if (running) {
                machine.host().AdvanceTime(step.number);
            }
            break;
        case Verb::HotKey: {
            machine.desktop.foreground = kNotepad;
            const KeyStroke key = KeyNamed(step.target);
            if (running) {
                machine.keyboard.Press(key.keyCode, key.shift);
            }
            break;
        }
        case Verb::Notepad:
            machine.desktop.foreground = kNotepad;
            if (running) {
                machine.mouse.Event(0x201, kNotepad);
            }
            break;
        case Verb::ClickDesktop:
            machine.desktop.foreground = kDesktopWindow;
            if (running) {
                machine.mouse.Event(0x201, kDesktopWindow);
            }
            break;
        case Verb::EdgeOn:
            machine.desktop.cursor = {512, 0};
            break;
        case Verb::EdgeOff:
            machine.desktop.cursor = {512, 384};
            break;
        case Verb::Restart: {
            const std::vector<std::string> shown = Shown(machine);
            // Over a shared folder only a window that had its refresh showed the files.
            const bool compare =
                m_diverged.count(machine.number) == 0 &&
                (m_world.Machines() == 1 || m_caughtUpBefore.count(machine.number) != 0);
            try {
                machine.host().CloseByUser(MainOf(machine));
            } catch (const forms::ProgramEnded&) {
                if (m_violation) {
                    throw;
                }
            }
            // Whatever the close wrote is checked before the next start reads it.
            Check(frame);
            StartMachine(machine);
            if (compare && machine.Running()) {
                CheckRestart(machine, shown);
            }
            break;
        }
        case Verb::Kill:
            machine.Drop();
            StartMachine(machine);
            break;
        case Verb::Start:
            StartMachine(machine);
            break;
        default:
            break;
    }
}

void Session::ApplyDrag(Step& step, Frame& frame) {
    Machine& machine = m_world.machine(step.machine);
    forms::HeadlessHost& host = machine.host();
    forms::Control& source = *FindControl(host, step.target);
    const auto button =
        step.verb == Verb::Drag ? forms::MouseButton::Left : forms::MouseButton::Right;
    const bool choosing = step.to == "?";
    DragEnds ends;
    ends.sourceName = step.target;
    ends.source = SlotOf(machine, source);
    if (ends.source) {
        ends.sourceBefore = StoreView(m_world.snapshot).Read(*ends.source);
    }
    if (source.Owner().Name() == "Edit" && source.Name() == "ClipboardClip") {
        const std::string file =
            Relative(machine.app().DataFolder) + "clip." + std::to_string(source.Index());
        if (const files::Bytes* data = m_world.snapshot.Find(file)) {
            ends.historyData = *data;
        }
    }
    host.MouseDown(source, button, 100, 100);
    if (machine.Running() && host.Reachable(source)) {
        host.MouseMove(source, 100, 110, button);
    }
    if (machine.Running() && host.Reachable(source)) {
        host.MouseMove(source, 100, 140, button);
    }
    if (!machine.Running()) {
        return;
    }
    if (!host.DragSource()) {
        // Nothing was dragged: the button comes up away from where it went down, and the
        // pressed control takes the release, as it does a click's.
        if (choosing) {
            step.to.clear();
        }
        frame.pointed = ends.source;
        if (source.Owner().Name() == "Edit" && source.Name() == "ClipboardClip") {
            frame.pointedHistory = source.Index();
        }
        if (source.Owner().Loaded()) {
            host.MouseUp(source, button, 100, 140, false);
        }
        return;
    }
    // Meanwhile another program may copy something.
    if (!step.text.empty()) {
        machine.clipboard.PutFromOtherProgram({{platform::Format::Text, Terminated(step.text)}});
        machine.clipboard.ReportChange();
        if (!machine.Running()) {
            return;
        }
    }
    // The hand may pass over a group name on its way, then lets go over the target.
    auto reachableWith = [&](auto has) {
        std::vector<Candidate> found;
        for (forms::Form* form : host.LoadedForms()) {
            if (!host.Reachable(*form)) {
                continue;
            }
            for (const auto& control : form->Controls()) {
                if (has(*control) && host.Reachable(*control)) {
                    Step s;
                    s.target = ControlName(*control);
                    found.push_back({s, 1});
                }
            }
        }
        return found;
    };
    if (choosing) {
        std::vector<Candidate> overs =
            reachableWith([](const forms::Control& c) { return static_cast<bool>(c.OnDragOver); });
        const int over = overs.empty() ? -1 : m_source.Choose(overs);
        step.over = over >= 0 && over % 3 == 0 ? overs[static_cast<size_t>(over)].step.target : "";
    }
    if (!step.over.empty()) {
        forms::Control* over = FindControl(host, step.over);
        if (over && host.Reachable(*over)) {
            host.DragOver(*over);
        }
        if (!machine.Running()) {
            return;
        }
    }
    if (choosing) {
        std::vector<Candidate> targets =
            reachableWith([](const forms::Control& c) { return static_cast<bool>(c.OnDragDrop); });
        Step self;
        self.target = step.target;
        targets.push_back({self, 0.3});
        const int to = m_source.Choose(targets);
        step.to = to >= 0 ? targets[static_cast<size_t>(to)].step.target : "";
    }
    forms::Control* target = step.to.empty() ? nullptr : FindControl(host, step.to);
    if (!target || !host.Reachable(*target) || !host.DragSource()) {
        host.CancelDrag();
        return;
    }
    ends.targetName = step.to;
    ends.target = SlotOf(machine, *target);
    if (ends.target) {
        ends.targetBefore = StoreView(m_world.snapshot).Read(*ends.target);
    }
    ends.move = button == forms::MouseButton::Left;
    ends.toBulkCache = target->Name() == "BulkDrop" || target->Name() == "BulkDropPicture";
    ends.bulkBefore = machine.app().settings.BulkCount;
    if (source.Name() == "CaptureMode" && target->Name() == "Group" &&
        &target->Owner() == static_cast<forms::Form*>(&machine.app().MainWindow())) {
        const std::string data = Relative(machine.app().DataFolder);
        for (int i = 0; i < ends.bulkBefore; ++i) {
            const files::Bytes* item = m_world.snapshot.Find(data + "bulk." + std::to_string(i));
            ends.bulkItems.push_back(item ? *item : files::Bytes{});
        }
        ends.bulkGroup = SlotKey{FolderOf(machine, target->Index()), target->Index(), -1};
    }
    const forms::Form* main = &machine.app().MainWindow();
    if (source.Name() == "Group" && target->Name() == "Group" && &source.Owner() == main &&
        &target->Owner() == main) {
        ends.sourceGroup = SlotKey{FolderOf(machine, source.Index()), source.Index(), -1};
        ends.targetGroup = SlotKey{FolderOf(machine, target->Index()), target->Index(), -1};
    }
    ends.sourceDefault = ends.source && ends.source->IsTransfer()
                             ? machine.app().settings.TransferSlotColor
                             : machine.app().settings.GroupClipColor;
    ends.targetDefault = ends.target && ends.target->IsTransfer()
                             ? machine.app().settings.TransferSlotColor
                             : machine.app().settings.GroupClipColor;
    frame.pointed = ends.target;
    frame.drag = ends;
    PrepareDrop(machine, source, *target, frame);
    host.Drop(*target);
}

}  // namespace mirvo::explore
