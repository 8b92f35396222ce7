#pragma once

#include <string>
#include <vector>

namespace mirvo::forms {
class Control;
class Form;
class HeadlessHost;
}  // namespace mirvo::forms

namespace mirvo::explore {

// What a step does: the user's hand on the program's windows, or the world around it.
enum class Verb {
    // The user, on the program's windows.
    Click,
    RightClick,
    DoubleClick,
    Hover,
    Drag,
    RightDrag,
    Menu,
    Key,
    Type,
    Close,
    Restore,
    // The world.
    CopyText,
    CopyPicture,
    CopyFormats,
    CopyPrivate,
    HoldClipboard,
    HoldFile,
    ShareFile,
    LetGo,
    DiskFull,
    Wait,
    HotKey,
    Notepad,
    ClickDesktop,
    EdgeOn,
    EdgeOff,
    Restart,
    Kill,
    Start,
};

// One step of a session, as printed and read back: "right drag Edit.item(3) over Edit.Group(4)
// to Edit.Trans(1)", "drag Edit.ClipboardClip(8) to Edit.item(0) while \"x\" is copied", "key
// Enter", "copy text \"two words\"", "wait 1000". Controls are named by their form, name and index;
// "[2] " before a step is the second machine's.
struct Step {
    int machine = 0;
    Verb verb = Verb::Wait;
    std::string target;  // a control ("Edit.item(3)") or a form ("view"); a key; a file
    std::string over;    // a drag passes over this control
    std::string to;      // a drag ends here
    std::string text;    // typed or copied text (for a drag: copied while it is under way)
    int number = 0;      // milliseconds, a count; writes that still succeed on a filling disk

    std::string ToString() const;
    bool IsUserStep() const { return verb <= Verb::Restore; }
};

// Reads a step written by ToString; throws std::invalid_argument for anything else.
Step ParseStep(const std::string& line);
std::vector<Step> ParseSteps(const std::vector<std::string>& lines);

// "Form.name(index)" of a control, "Form.name" without an index.
std::string ControlName(const forms::Control& control);
// The loaded form or control of that name, or nullptr.
forms::Form* FindForm(const forms::HeadlessHost& host, const std::string& name);
forms::Control* FindControl(const forms::HeadlessHost& host, const std::string& name);

// Keys by name: "Enter", "Escape", "Tab", "Shift+Tab", "Up", "a", "7", "Alt+F", "Ctrl+W", "F1".
struct KeyStroke {
    int keyCode = 0;
    int shift = 0;
    int ascii = 0;
};
KeyStroke KeyNamed(const std::string& name);

}  // namespace mirvo::explore
