// The action table: what the user can do on every window of the program, and what the world
// around it can do, with how often the generator takes each.

#include <cctype>

#include "explore/Session.h"
#include "forms/Lists.h"
#include "forms/Menu.h"
#include "panels/MainForm.h"

namespace mirvo::explore {

namespace {

// Texts the user types and other programs copy.
const char* const kTexts[] = {
    "hello",
    "Meeting notes",
    "a",
    "  leading blanks",
    "C:\\My Docs\\a.txt",
    "https://example.org/page",
    "ann@example.org",
    "A title that is much too long to fit the fifty characters of a title",
    "line one\r\nline two",
    "caf\xe9 cr\xe8me",
    "   ",
    "/p \"C:\\My Docs\\a.txt\"",
};

// The keys the user presses on the program's windows.
const char* const kMainKeys[] = {"Enter", "Escape", "Up",     "Down",     "Left", "Right",
                                 "Home",  "End",    "PageUp", "PageDown", "Tab",  "F1",
                                 "a",     "b",      "c",      "z",        "1",    "2",
                                 "9",     "Num3",   "Alt+E",  "Delete",   "Space"};
const char* const kDialogKeys[] = {"Enter",  "Escape", "Tab",  "Shift+Tab", "Space", "Backspace",
                                   "Delete", "Up",     "Down", "Left",      "Right", "Ctrl+W",
                                   "Ctrl+X", "Ctrl+C", "1",    "4",         "x"};
// Keys pressed in another program while the hook watches.
const char* const kHotKeys[] = {"Alt+A",  "Alt+B",        "Alt+Z",      "Ctrl+1",    "Ctrl+2",
                                "Ctrl+9", "Ctrl+0",       "Ctrl+Minus", "Ctrl+Plus", "Ctrl+Insert",
                                "Ctrl+B", "Shift+Insert", "Ctrl+V"};

bool IsPanelLabel(const forms::Control& c) {
    const std::string& n = c.Name();
    return n == "ClipboardClip" || n == "item" || n == "Trans" || n == "Group";
}

bool HasMouse(const forms::Control& c) {
    return c.OnMouseDown || c.OnMouseUp || c.OnClick;
}

}  // namespace

std::vector<Candidate> Session::Closers(const forms::Form& form) {
    std::vector<Candidate> closers;
    int machineIndex = 0;
    for (int i = 0; i < m_world.Machines(); ++i) {
        Machine& machine = m_world.machine(i);
        if (machine.Running() && FindForm(machine.host(), form.Name()) == &form) {
            machineIndex = i;
        }
    }
    auto add = [&](Verb verb, const std::string& target, double weight) {
        Step step;
        step.machine = machineIndex;
        step.verb = verb;
        step.target = target;
        closers.push_back({step, weight});
    };
    if (form.ControlBox() && form.Border() != forms::BorderStyle::None) {
        add(Verb::Close, form.Name(), 3);
    }
    add(Verb::Key, "Escape", 1);
    for (const auto& control : form.Controls()) {
        if (control->Kind() == forms::ControlKind::CommandButton && control->VisibleInTree() &&
            control->Enabled()) {
            add(Verb::Click, ControlName(*control), 1);
        }
    }
    add(Verb::Key, "Enter", 1);
    return closers;
}

std::vector<Candidate> Session::Candidates(const forms::Form* modal) {
    std::vector<Candidate> all;
    for (int m = 0; m < m_world.Machines(); ++m) {
        Machine& machine = m_world.machine(m);
        if (!m_modalMachines.empty() && m_modalMachines.back() != m) {
            continue;  // it waits while another machine's modal form is up
        }
        auto add = [&](Verb verb, double weight, const std::string& target = "",
                       const std::string& text = "", int number = 0) {
            Step step;
            step.machine = m;
            step.verb = verb;
            step.target = target;
            step.text = text;
            step.number = number;
            if (verb == Verb::Drag || verb == Verb::RightDrag) {
                step.to = "?";
            }
            all.push_back({step, weight});
        };
        if (!machine.Running()) {
            add(Verb::Start, 30);
            add(Verb::LetGo, 10);
            continue;
        }
        forms::HeadlessHost& host = machine.host();
        const forms::Form* main = &machine.app().MainWindow();
        // The user's hand on every control that a hand can reach now.
        for (forms::Form* form : host.LoadedForms()) {
            if (!host.Reachable(*form)) {
                continue;
            }
            const bool onMain = form == main;
            if (form->WindowState() == forms::WindowState::Minimized) {
                if (form->ShowInTaskbar()) {
                    add(Verb::Restore, onMain ? 6 : 1, form->Name());
                }
                continue;
            }
            if (!onMain && form->ControlBox() && form->Border() != forms::BorderStyle::None) {
                add(Verb::Close, 0.5, form->Name());
            }
            for (const auto& owned : form->Controls()) {
                forms::Control& c = *owned;
                if (c.Kind() == forms::ControlKind::Timer) {
                    continue;
                }
                if (c.Kind() == forms::ControlKind::Menu) {
                    const auto& menu = static_cast<const forms::Menu&>(c);
                    if (!menu.IsSeparator() && host.Reachable(c)) {
                        add(Verb::Menu, 0.4, ControlName(c));
                    }
                    continue;
                }
                if (!host.Reachable(c)) {
                    continue;
                }
                const std::string name = ControlName(c);
                // A control that follows the mouse with a button held may be dragged.
                const bool draggable = !IsPanelLabel(c) && static_cast<bool>(c.OnMouseMove);
                if (draggable) {
                    // Empty captions and boxes rarely carry anything.
                    const bool carries = !c.Caption().empty();
                    add(Verb::Drag, (onMain ? 0.3 : 1) * (carries ? 1 : 0.15), name);
                    add(Verb::Hover, 0.05, name);
                }
                switch (c.Kind()) {
                    case forms::ControlKind::CommandButton:
                    case forms::ControlKind::OptionButton:
                    case forms::ControlKind::CheckBox:
                        add(Verb::Click, onMain ? 0.8 : 2, name);
                        add(Verb::RightClick, 0.1, name);
                        break;
                    case forms::ControlKind::TextBox:
                        add(Verb::Click, onMain ? 1 : 1.5, name);
                        break;
                    case forms::ControlKind::DriveList:
                    case forms::ControlKind::DirList:
                    case forms::ControlKind::FileList: {
                        const int count = static_cast<forms::ListControl&>(c).ListCount();
                        for (int i = 0; i < count && i < 6; ++i) {
                            add(Verb::Click, 0.3, name, "", i);
                            if (c.Kind() == forms::ControlKind::DirList) {
                                add(Verb::DoubleClick, 0.3, name, "", i);
                            }
                        }
                        break;
                    }
                    default:
                        if (IsPanelLabel(c) && onMain) {
                            const bool filled = !c.Caption().empty();
                            add(Verb::Click, filled ? 0.25 : 0.03, name);
                            add(Verb::RightClick, filled ? 0.12 : 0.02, name);
                            if (filled && c.Name() != "Group") {
                                add(Verb::Drag, 0.35, name);
                                add(Verb::RightDrag, 0.2, name);
                                add(Verb::Drag, 0.03, name, "copied during a drag");
                            } else if (filled) {
                                add(Verb::Drag, 0.1, name);
                                add(Verb::RightDrag, 0.05, name);
                            }
                            add(Verb::Hover, 0.02, name);
                        } else if (HasMouse(c)) {
                            add(Verb::Click, onMain ? 0.3 : 1, name);
                            add(Verb::RightClick, 0.05, name);
                        }
                        break;
                }
            }
        }
        // Keys on the window that has the focus.
        if (host.WhyNoKeys().empty()) {
            const forms::Control* focus = host.FocusedControl();
            const forms::Form* keyForm = focus ? &focus->Owner() : host.ActiveForm();
            if (keyForm == main && !(focus && focus->Kind() == forms::ControlKind::TextBox)) {
                for (const char* key : kMainKeys) {
                    add(Verb::Key, 0.15, key);
                }
            } else {
                for (const char* key : kDialogKeys) {
                    add(Verb::Key, 0.25, key);
                }
            }
            if (focus && focus->Kind() == forms::ControlKind::TextBox) {
                for (const char* text : kTexts) {
                    add(Verb::Type, 0.25, "", text);
                }
            }
        }
        // The world.
        for (size_t i = 0; i < std::size(kTexts); i += 2) {
            add(Verb::CopyText, 0.4, "", kTexts[i]);
        }
        add(Verb::CopyPicture, 0.5, "", "", static_cast<int>(m_executed.size() % 7));
        add(Verb::CopyFormats, 0.5, "", "several formats " + std::to_string(m_executed.size()));
        add(Verb::CopyPrivate, 0.2, "", "a password");
        add(Verb::HoldClipboard, 0.1, "", "", 3);
        add(Verb::ShareFile, 0.05, "program/Lib1/group0.dat");
        add(Verb::ShareFile, 0.05, "program/trans.dat");
        add(Verb::HoldFile, 0.02, "program/clip.dat");
        add(Verb::HoldFile, 0.02, "program/Lib1/group0.mod");
        add(Verb::LetGo, 0.3);
        add(Verb::DiskFull, 0.1);
        add(Verb::DiskFull, 0.1, "", "", 1 + static_cast<int>(m_executed.size() % 3));
        for (const int ms : {160, 1000, 3000}) {
            add(Verb::Wait, 1.2, "", "", ms);
        }
        for (const char* key : kHotKeys) {
            add(Verb::HotKey, 0.1, key);
        }
        add(Verb::Notepad, 1);
        add(Verb::ClickDesktop, 0.1);
        add(Verb::EdgeOn, 0.05);
        add(Verb::EdgeOff, 0.3);
        if (!modal) {
            add(Verb::Restart, 0.15);
            add(Verb::Kill, 0.03);
        }
    }
    return all;
}

}  // namespace mirvo::explore
