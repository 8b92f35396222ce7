#include "explore/Step.h"

#include <cctype>
#include <stdexcept>
#include <utility>

#include "forms/HeadlessHost.h"
#include "forms/Types.h"

namespace mirvo::explore {

namespace {

struct VerbWords {
    Verb verb;
    const char* words;
};

// The words that start each step; the longest match is taken when reading.
const VerbWords kVerbs[] = {
    {Verb::Click, "click"},
    {Verb::RightClick, "right click"},
    {Verb::DoubleClick, "double click"},
    {Verb::Hover, "hover"},
    {Verb::Drag, "drag"},
    {Verb::RightDrag, "right drag"},
    {Verb::Menu, "menu"},
    {Verb::Key, "key"},
    {Verb::Type, "type"},
    {Verb::Close, "close"},
    {Verb::Restore, "restore"},
    {Verb::CopyText, "copy text"},
    {Verb::CopyPicture, "copy picture"},
    {Verb::CopyFormats, "copy formats"},
    {Verb::CopyPrivate, "copy private"},
    {Verb::HoldClipboard, "hold clipboard"},
    {Verb::HoldFile, "hold file"},
    {Verb::ShareFile, "share file"},
    {Verb::LetGo, "let go of files"},
    {Verb::DiskFull, "disk full"},
    {Verb::Wait, "wait"},
    {Verb::HotKey, "hot key"},
    {Verb::Notepad, "click notepad"},
    {Verb::ClickDesktop, "click desktop"},
    {Verb::EdgeOn, "mouse to the top edge"},
    {Verb::EdgeOff, "mouse away from the edge"},
    {Verb::Restart, "restart"},
    {Verb::Kill, "end task"},
    {Verb::Start, "start"},
};

const char* WordsOf(Verb verb) {
    for (const VerbWords& v : kVerbs) {
        if (v.verb == verb) {
            return v.words;
        }
    }
    return "?";
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
        }
    }
    return out + "\"";
}

std::string Unquoted(const std::string& text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"') {
        throw std::invalid_argument("a quoted text was expected: " + text);
    }
    std::string out;
    for (size_t i = 1; i + 1 < text.size(); ++i) {
        char c = text[i];
        if (c == '\\' && i + 2 < text.size()) {
            c = text[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        out += c;
    }
    return out;
}

bool HasText(Verb verb) {
    return verb == Verb::Type || verb == Verb::CopyText || verb == Verb::CopyFormats ||
           verb == Verb::CopyPrivate;
}

bool HasNumber(Verb verb) {
    return verb == Verb::Wait || verb == Verb::HoldClipboard || verb == Verb::CopyPicture;
}

bool HasNothing(Verb verb) {
    return verb == Verb::LetGo || verb == Verb::Notepad || verb == Verb::ClickDesktop ||
           verb == Verb::EdgeOn || verb == Verb::EdgeOff || verb == Verb::Restart ||
           verb == Verb::Kill || verb == Verb::Start;
}

}  // namespace

std::string Step::ToString() const {
    std::string line = machine > 0 ? "[" + std::to_string(machine + 1) + "] " : "";
    line += WordsOf(verb);
    if (HasNothing(verb)) {
        return line;
    }
    if (HasText(verb)) {
        return line + " " + Quoted(text);
    }
    if (HasNumber(verb)) {
        return line + " " + std::to_string(number);
    }
    if (verb == Verb::DiskFull) {
        return number == 0 ? line : line + " after " + std::to_string(number) + " writes";
    }
    line += " " + target;
    if (verb == Verb::Drag || verb == Verb::RightDrag) {
        if (!over.empty()) {
            line += " over " + over;
        }
        line += " to " + (to.empty() ? std::string("nowhere") : to);
        if (!text.empty()) {
            line += " while " + Quoted(text) + " is copied";
        }
    }
    return line;
}

Step ParseStep(const std::string& input) {
    Step step;
    std::string line = input;
    if (line.size() > 4 && line[0] == '[') {
        const size_t close = line.find("] ");
        step.machine = std::stoi(line.substr(1, close - 1)) - 1;
        line = line.substr(close + 2);
    }
    size_t best = 0;
    for (const VerbWords& v : kVerbs) {
        const std::string words = v.words;
        if (line.compare(0, words.size(), words) == 0 &&
            (line.size() == words.size() || line[words.size()] == ' ') && words.size() > best) {
            best = words.size();
            step.verb = v.verb;
        }
    }
    if (best == 0) {
        throw std::invalid_argument("not a step: " + input);
    }
    std::string rest = line.size() > best ? line.substr(best + 1) : "";
    if (HasNothing(step.verb)) {
        return step;
    }
    if (HasText(step.verb)) {
        step.text = Unquoted(rest);
        return step;
    }
    if (HasNumber(step.verb)) {
        step.number = std::stoi(rest);
        return step;
    }
    if (step.verb == Verb::DiskFull) {
        step.number = rest.compare(0, 6, "after ") == 0 ? std::stoi(rest.substr(6)) : 0;
        return step;
    }
    if (step.verb == Verb::Drag || step.verb == Verb::RightDrag) {
        const std::string copied = " is copied";
        const size_t whileAt = rest.find(" while \"");
        if (whileAt != std::string::npos && rest.size() > copied.size() &&
            rest.compare(rest.size() - copied.size(), copied.size(), copied) == 0) {
            step.text =
                Unquoted(rest.substr(whileAt + 7, rest.size() - copied.size() - whileAt - 7));
            rest = rest.substr(0, whileAt);
        }
        const size_t to = rest.rfind(" to ");
        if (to == std::string::npos) {
            throw std::invalid_argument("a drag goes to somewhere: " + input);
        }
        step.to = rest.substr(to + 4);
        if (step.to == "nowhere") {
            step.to.clear();
        }
        rest = rest.substr(0, to);
        const size_t over = rest.find(" over ");
        if (over != std::string::npos) {
            step.over = rest.substr(over + 6);
            rest = rest.substr(0, over);
        }
    }
    step.target = rest;
    return step;
}

std::vector<Step> ParseSteps(const std::vector<std::string>& lines) {
    std::vector<Step> steps;
    for (const std::string& line : lines) {
        steps.push_back(ParseStep(line));
    }
    return steps;
}

std::string ControlName(const forms::Control& control) {
    std::string name = control.Owner().Name() + "." + control.Name();
    if (control.Index() >= 0) {
        name += "(" + std::to_string(control.Index()) + ")";
    }
    return name;
}

forms::Form* FindForm(const forms::HeadlessHost& host, const std::string& name) {
    const std::vector<forms::Form*> forms = host.LoadedForms();
    for (auto it = forms.rbegin(); it != forms.rend(); ++it) {
        if ((*it)->Name() == name) {
            return *it;
        }
    }
    return nullptr;
}

forms::Control* FindControl(const forms::HeadlessHost& host, const std::string& name) {
    const size_t dot = name.find('.');
    if (dot == std::string::npos) {
        return nullptr;
    }
    forms::Form* form = FindForm(host, name.substr(0, dot));
    if (!form) {
        return nullptr;
    }
    std::string control = name.substr(dot + 1);
    int index = -1;
    const size_t open = control.find('(');
    if (open != std::string::npos) {
        index = std::stoi(control.substr(open + 1));
        control = control.substr(0, open);
    }
    return form->Find(control, index);
}

KeyStroke KeyNamed(const std::string& name) {
    using namespace forms;
    KeyStroke key;
    std::string rest = name;
    for (const auto& [prefix, flag] : {std::pair<std::string, int>{"Shift+", Shift::ShiftKey},
                                       {"Ctrl+", Shift::Ctrl},
                                       {"Alt+", Shift::Alt}}) {
        if (rest.compare(0, prefix.size(), prefix) == 0 && rest.size() > prefix.size()) {
            key.shift |= flag;
            rest = rest.substr(prefix.size());
        }
    }
    const struct {
        const char* name;
        int code;
        int ascii;
    } named[] = {
        {"Enter", Key::Return, 13}, {"Escape", Key::Escape, 27}, {"Tab", Key::Tab, 0},
        {"Space", Key::Space, ' '}, {"Backspace", Key::Back, 8}, {"Delete", Key::Delete, 0},
        {"Up", Key::Up, 0},         {"Down", Key::Down, 0},      {"Left", Key::Left, 0},
        {"Right", Key::Right, 0},   {"PageUp", Key::PageUp, 0},  {"PageDown", Key::PageDown, 0},
        {"Home", Key::Home, 0},     {"End", Key::End, 0},        {"F1", Key::F1, 0},
        {"Insert", Key::Insert, 0}, {"Minus", 0xBD, 0},          {"Plus", 0xBB, 0}};
    for (const auto& n : named) {
        if (rest == n.name) {
            key.keyCode = n.code;
            key.ascii = key.shift & (Shift::Ctrl | Shift::Alt) ? 0 : n.ascii;
            return key;
        }
    }
    if (rest.size() == 4 && rest.compare(0, 3, "Num") == 0 && std::isdigit(rest[3])) {
        key.keyCode = Key::Numpad0 + (rest[3] - '0');
        key.ascii = rest[3];
        return key;
    }
    if (rest.size() != 1) {
        throw std::invalid_argument("not a key: " + name);
    }
    const char c = rest[0];
    key.keyCode = std::toupper(static_cast<unsigned char>(c));
    key.ascii = key.shift & (Shift::Ctrl | Shift::Alt) ? 0 : static_cast<unsigned char>(c);
    return key;
}

}  // namespace mirvo::explore
