#pragma once

// Forms for the Windows test of the forms host: one with every control kind, and a small
// dialog for modal shows. Every event is written to an EventLog.

#include <cstdint>
#include <string>
#include <vector>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Lists.h"
#include "forms/Menu.h"
#include "forms/TextBox.h"
#include "forms/Timer.h"

namespace mirvo::wintest {

struct Event {
    std::string source;  // the control's name, or the form's
    std::string name;    // "Click", "MouseDown", "DragOver", ...
    int button = 0;
    int shift = 0;
    int x = 0;
    int y = 0;
    int code = 0;       // key code, KeyAscii, DragState or UnloadMode
    std::string other;  // the drag source
};

class EventLog {
public:
    void Add(std::string source, std::string name, int button = 0, int shift = 0, int x = 0,
             int y = 0, int code = 0, std::string other = "") {
        m_events.push_back(
            {std::move(source), std::move(name), button, shift, x, y, code, std::move(other)});
    }
    void Clear() { m_events.clear(); }
    const std::vector<Event>& All() const { return m_events; }
    int Count(const std::string& source, const std::string& name) const;
    // The position of the first matching event at or after from, or -1.
    int Find(const std::string& source, const std::string& name, int from = 0) const;
    const Event* Last(const std::string& source, const std::string& name) const;
    std::string Dump() const;

private:
    std::vector<Event> m_events;
};

// Logs every event of a control into the log under the control's name.
void Watch(forms::Control& control, EventLog& log);

// A 2 x 2 pixel, 24-bit packed DIB: red and white on top, blue and green below.
std::vector<std::uint8_t> FourColourDib();

class ControlKindsForm : public forms::Form {
public:
    ControlKindsForm(forms::FormsHost& host, EventLog& log);

private:
    EventLog& m_log;  // first: the controls below are created in this order

public:
    // Behaviour the tests switch on.
    bool refuseUnload = false;
    int previewSwallowsKey = 0x71;   // F2: the form's key preview clears it
    int previewSwallowsAscii = '#';  // the form's KeyPress clears it

    forms::Label& lblInfo = Add<forms::Label>("lblInfo");
    forms::Label& lblRight = Add<forms::Label>("lblRight");
    forms::CommandButton& cmdGo = Add<forms::CommandButton>("cmdGo");
    forms::CommandButton& cmdDown = Add<forms::CommandButton>("cmdDown");
    forms::OptionButton& optA = Add<forms::OptionButton>("optA");
    forms::OptionButton& optB = Add<forms::OptionButton>("optB");
    forms::CheckBox& chkStd = Add<forms::CheckBox>("chkStd");
    forms::CheckBox& chkG = Add<forms::CheckBox>("chkG");
    forms::CommandButton& cmdDrag = Add<forms::CommandButton>("cmdDrag");
    forms::CommandButton& cmdClose = Add<forms::CommandButton>("cmdClose");
    forms::TextBox& txtSingle = Add<forms::TextBox>("txtSingle");
    forms::TextBox& txtMulti = Add<forms::TextBox>("txtMulti");
    forms::TextBox& txtLocked = Add<forms::TextBox>("txtLocked");
    forms::Frame& fraBox = Add<forms::Frame>("fraBox");
    forms::Label& lblInFrame = Add<forms::Label>("lblInFrame", -1, &fraBox);
    forms::OptionButton& optG1 = Add<forms::OptionButton>("optG1", -1, &fraBox);
    forms::OptionButton& optG2 = Add<forms::OptionButton>("optG2", -1, &fraBox);
    forms::CommandButton& cmdInFrame = Add<forms::CommandButton>("cmdInFrame", -1, &fraBox);
    forms::PictureBox& picBox = Add<forms::PictureBox>("picBox");
    forms::Label& lblInPic = Add<forms::Label>("lblInPic", -1, &picBox);
    forms::Image& imgStretch = Add<forms::Image>("imgStretch");
    forms::Image& imgPlain = Add<forms::Image>("imgPlain");
    forms::DriveList& drvList = Add<forms::DriveList>("drvList");
    forms::DirList& dirList = Add<forms::DirList>("dirList");
    forms::FileList& filList = Add<forms::FileList>("filList");
    forms::PictureBox& holdfocus = Add<forms::PictureBox>("holdfocus");
    forms::TextBox& txtHidden = Add<forms::TextBox>("txtHidden");
    forms::Timer& tmr = Add<forms::Timer>("tmr");
    forms::Menu& mnuEdit = AddMenu("mnuEdit");
    forms::Menu& mnuCopy = AddMenu("mnuCopy", -1, &mnuEdit);
    forms::Menu& mnuSep = AddMenu("mnuSep", -1, &mnuEdit);
    forms::Menu& mnuPaste = AddMenu("mnuPaste", -1, &mnuEdit);
    forms::Menu& mnuOff = AddMenu("mnuOff", -1, &mnuEdit);
    forms::Menu& mnuHelp = AddMenu("mnuHelp");

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Resize() override;
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_Unload(int& cancel) override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_MouseDown(forms::MouseButton button, int shift, int x, int y) override;
    void Form_Click() override;
    void Form_DragDrop(forms::Control& source, int x, int y) override;

private:
    void Log(const std::string& name, int code = 0) { m_log.Add(Name(), name, 0, 0, 0, 0, code); }
};

// A small dialog: its OK button unloads it.
class DialogForm : public forms::Form {
public:
    DialogForm(forms::FormsHost& host, EventLog& log);

    // Closes to refuse; each refusal shows in the caption, for a watcher on another thread.
    int refusals = 0;
    forms::CommandButton& cmdOk;

protected:
    void Form_Load() override { m_log.Add(Name(), "Load"); }
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_Unload(int& /*cancel*/) override { m_log.Add(Name(), "Unload"); }

private:
    EventLog& m_log;
};

}  // namespace mirvo::wintest
