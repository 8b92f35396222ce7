#include "TestForms.h"

#include <sstream>

namespace mirvo::wintest {

int EventLog::Count(const std::string& source, const std::string& name) const {
    int n = 0;
    for (const Event& e : m_events) {
        n += (e.source == source && e.name == name) ? 1 : 0;
    }
    return n;
}

int EventLog::Find(const std::string& source, const std::string& name, int from) const {
    for (size_t i = static_cast<size_t>(from < 0 ? 0 : from); i < m_events.size(); ++i) {
        if (m_events[i].source == source && m_events[i].name == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

const Event* EventLog::Last(const std::string& source, const std::string& name) const {
    for (auto it = m_events.rbegin(); it != m_events.rend(); ++it) {
        if (it->source == source && it->name == name) {
            return &*it;
        }
    }
    return nullptr;
}

std::string EventLog::Dump() const {
    std::ostringstream out;
    for (const Event& e : m_events) {
        out << e.source << '.' << e.name << " b" << e.button << " s" << e.shift << " (" << e.x
            << ',' << e.y << ") c" << e.code << (e.other.empty() ? "" : " from " + e.other) << '\n';
    }
    return out.str();
}

void Watch(forms::Control& control, EventLog& log) {
    const std::string name = control.Name();
    auto simple = [&log, name](const char* event) {
        return [&log, name, event] { log.Add(name, event); };
    };
    // A control's own handler, connected before, logs for itself.
    auto connect = [](auto& event, auto handler) {
        if (!event) {
            event = handler;
        }
    };
    connect(control.OnClick, simple("Click"));
    connect(control.OnDblClick, simple("DblClick"));
    connect(control.OnChange, simple("Change"));
    connect(control.OnGotFocus, simple("GotFocus"));
    connect(control.OnLostFocus, simple("LostFocus"));
    connect(control.OnMouseDown, [&log, name](forms::MouseButton b, int shift, int x, int y) {
        log.Add(name, "MouseDown", static_cast<int>(b), shift, x, y);
    });
    connect(control.OnMouseUp, [&log, name](forms::MouseButton b, int shift, int x, int y) {
        log.Add(name, "MouseUp", static_cast<int>(b), shift, x, y);
    });
    connect(control.OnKeyDown,
            [&log, name](int& key, int shift) { log.Add(name, "KeyDown", 0, shift, 0, 0, key); });
    connect(control.OnKeyUp,
            [&log, name](int& key, int shift) { log.Add(name, "KeyUp", 0, shift, 0, 0, key); });
    connect(control.OnKeyPress,
            [&log, name](int& ascii) { log.Add(name, "KeyPress", 0, 0, 0, 0, ascii); });
    connect(control.OnDragOver,
            [&log, name](forms::Control& source, int x, int y, forms::DragState s) {
                log.Add(name, "DragOver", 0, 0, x, y, static_cast<int>(s), source.Name());
            });
    connect(control.OnDragDrop, [&log, name](forms::Control& source, int x, int y) {
        log.Add(name, "DragDrop", 0, 0, x, y, 0, source.Name());
    });
}

std::vector<std::uint8_t> FourColourDib() {
    // BITMAPINFOHEADER, then two rows of two BGR pixels padded to four bytes, bottom row first.
    std::vector<std::uint8_t> dib(40 + 2 * 8, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            dib[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put32(0, 40);  // header size
    put32(4, 2);   // width
    put32(8, 2);   // height
    dib[12] = 1;   // planes
    dib[14] = 24;  // bits per pixel
    const std::uint8_t pixels[16] = {0xFF, 0, 0,    /*blue*/ 0,   0xFF, 0,    /*green*/ 0, 0,
                                     0,    0, 0xFF, /*red*/ 0xFF, 0xFF, 0xFF, /*white*/ 0, 0};
    std::copy(std::begin(pixels), std::end(pixels), dib.begin() + 40);
    return dib;
}

ControlKindsForm::ControlKindsForm(forms::FormsHost& host, EventLog& log)
    : forms::Form(host, "Kinds"), m_log(log) {
    SetCaption("Control kinds");
    SetBorder(forms::BorderStyle::Sizable);
    SetKeyPreview(true);
    SetBackColor(forms::Rgb(240, 240, 200));
    Move(600, 600, 9010, 6600);  // not a whole number of pixels: rounding must not drift

    lblInfo.Move(120, 120, 2400, 600);
    lblInfo.SetCaption("A centred label whose text wraps onto a second line");
    lblInfo.SetBackColor(forms::QBColor(14));
    lblInfo.SetForeColor(forms::Rgb(0, 0, 128));
    lblInfo.SetAlignment(forms::Alignment::Center);
    lblInfo.SetBorder(forms::BorderStyle::FixedSingle);
    lblInfo.SetToolTip("A label");
    lblRight.Move(120, 780, 2400, 300);
    lblRight.SetCaption("Right");
    lblRight.SetAlignment(forms::Alignment::Right);
    lblRight.SetBackColor(forms::kHighlight);
    lblRight.SetForeColor(forms::kHighlightText);

    cmdGo.Move(2640, 120, 1500, 450);
    cmdGo.SetCaption("Go");
    cmdGo.SetBackColor(forms::Rgb(0, 160, 0));
    cmdDown.Move(2640, 660, 1500, 450);
    cmdDown.SetCaption("Pressed");
    cmdDown.SetBackColor(forms::Rgb(200, 200, 255));
    cmdDown.SetValue(true);

    optA.Move(4260, 120, 1500, 300);
    optA.SetCaption("Option A");
    optA.SetBackColor(forms::Rgb(255, 200, 200));
    optA.SetValue(true);
    optB.Move(4260, 450, 1500, 300);
    optB.SetCaption("Option B");
    chkStd.Move(5880, 120, 1500, 300);
    chkStd.SetCaption("Check");
    chkG.Move(5880, 450, 1500, 400);
    chkG.SetCaption("Graphic");
    chkG.SetStyle(forms::ButtonStyle::Graphical);
    chkG.SetBackColor(forms::Rgb(255, 255, 255));

    cmdDrag.Move(7500, 120, 1200, 450);
    cmdDrag.SetCaption("Drag me");
    cmdClose.Move(7500, 660, 1200, 450);
    cmdClose.SetCaption("Close");

    txtSingle.Move(120, 1200, 2400, 315);
    txtSingle.SetMaxLength(10);
    txtSingle.SetText("hello");
    txtMulti.Move(120, 1620, 2400, 900);
    txtMulti.SetMultiLine(true);
    txtMulti.SetScrollBars(forms::ScrollBars::Vertical);
    txtMulti.SetText("line one\r\nline two");
    txtLocked.Move(120, 2640, 2400, 315);
    txtLocked.SetLocked(true);
    txtLocked.SetText("read only");

    fraBox.Move(2640, 1200, 3000, 1800);
    fraBox.SetCaption("Frame caption");
    fraBox.SetBackColor(forms::Rgb(220, 220, 255));
    lblInFrame.Move(120, 300, 1300, 300);
    lblInFrame.SetCaption("In frame");
    lblInFrame.SetBackColor(forms::Rgb(220, 220, 255));
    optG1.Move(120, 700, 1300, 420);
    optG1.SetCaption("One");
    optG1.SetStyle(forms::ButtonStyle::Graphical);
    optG2.Move(1500, 700, 1300, 420);
    optG2.SetCaption("Two");
    optG2.SetStyle(forms::ButtonStyle::Graphical);
    cmdInFrame.Move(120, 1200, 2700, 420);
    cmdInFrame.SetCaption("Button in frame");

    picBox.Move(5760, 1200, 1500, 1200);
    picBox.SetBackColor(forms::Rgb(255, 160, 0));
    lblInPic.Move(60, 60, 1200, 300);
    lblInPic.SetCaption("In picture");
    lblInPic.SetBackColor(forms::Rgb(255, 160, 0));

    imgStretch.Move(7440, 1200, 960, 960);
    imgStretch.SetPicture(FourColourDib());
    imgStretch.SetStretch(true);
    imgStretch.SetBorder(forms::BorderStyle::FixedSingle);
    imgPlain.Move(7440, 2280, 960, 960);
    imgPlain.SetPicture(FourColourDib());

    drvList.Move(120, 3120, 2400, 315);
    dirList.Move(120, 3540, 2400, 1200);
    filList.Move(2640, 3120, 2400, 1620);

    // Visible but outside the form, as the program's focus holders are.
    holdfocus.Move(12000, 3000, 255, 105);
    holdfocus.SetBorder(forms::BorderStyle::None);
    txtHidden.Move(5760, 2520, 1500, 315);
    txtHidden.SetVisible(false);

    mnuEdit.SetCaption("&Edit");
    mnuCopy.SetCaption("&Copy");
    mnuCopy.SetShortcut("^K");
    mnuSep.SetCaption("-");
    mnuPaste.SetCaption("&Paste");
    mnuPaste.SetChecked(true);
    mnuOff.SetCaption("&Disabled");
    mnuOff.SetShortcut("^J");
    mnuOff.SetEnabled(false);
    mnuHelp.SetCaption("&Help");

    tmr.OnTimer = [this] { m_log.Add(tmr.Name(), "Timer"); };
    // Lowercase letters typed into the single-line box come out in capitals.
    txtSingle.OnKeyPress = [this](int& ascii) {
        m_log.Add(txtSingle.Name(), "KeyPress", 0, 0, 0, 0, ascii);
        if (ascii >= 'a' && ascii <= 'z') {
            ascii -= 'a' - 'A';
        }
    };
    cmdDrag.OnMouseDown = [this](forms::MouseButton b, int shift, int x, int y) {
        m_log.Add(cmdDrag.Name(), "MouseDown", static_cast<int>(b), shift, x, y);
        cmdDrag.Drag();
    };
    cmdClose.OnClick = [this] {
        m_log.Add(cmdClose.Name(), "Click");
        Unload();
    };
    for (const auto& control : Controls()) {
        Watch(*control, log);
    }
}

void ControlKindsForm::Form_Load() {
    Log("Load");
}
void ControlKindsForm::Form_Activate() {
    Log("Activate");
}
void ControlKindsForm::Form_Deactivate() {
    Log("Deactivate");
}
void ControlKindsForm::Form_Resize() {
    Log("Resize");
}

void ControlKindsForm::Form_QueryUnload(int& cancel, forms::UnloadMode mode) {
    Log("QueryUnload", static_cast<int>(mode));
    if (refuseUnload) {
        cancel = 1;
    }
}

void ControlKindsForm::Form_Unload(int&) {
    Log("Unload");
}

void ControlKindsForm::Form_KeyDown(int& keyCode, int shift) {
    m_log.Add(Name(), "KeyDown", 0, shift, 0, 0, keyCode);
    if (keyCode == previewSwallowsKey) {
        keyCode = 0;
    }
}

void ControlKindsForm::Form_KeyUp(int& keyCode, int shift) {
    m_log.Add(Name(), "KeyUp", 0, shift, 0, 0, keyCode);
}

void ControlKindsForm::Form_KeyPress(int& keyAscii) {
    Log("KeyPress", keyAscii);
    if (keyAscii == previewSwallowsAscii) {
        keyAscii = 0;
    }
}

void ControlKindsForm::Form_MouseDown(forms::MouseButton button, int shift, int x, int y) {
    m_log.Add(Name(), "MouseDown", static_cast<int>(button), shift, x, y);
}

void ControlKindsForm::Form_Click() {
    Log("Click");
}

void ControlKindsForm::Form_DragDrop(forms::Control& source, int x, int y) {
    m_log.Add(Name(), "DragDrop", 0, 0, x, y, 0, source.Name());
}

DialogForm::DialogForm(forms::FormsHost& host, EventLog& log)
    : forms::Form(host, "Dialog"), cmdOk(Add<forms::CommandButton>("cmdOk")), m_log(log) {
    SetCaption("Dialog");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetShowInTaskbar(false);
    Move(3000, 3000, 3600, 2000);
    cmdOk.Move(1200, 600, 1200, 450);
    cmdOk.SetCaption("OK");
    cmdOk.OnClick = [this] {
        m_log.Add(cmdOk.Name(), "Click");
        Unload();
    };
}

void DialogForm::Form_QueryUnload(int& cancel, forms::UnloadMode mode) {
    m_log.Add(Name(), "QueryUnload", 0, 0, 0, 0, static_cast<int>(mode));
    if (refusals > 0) {
        --refusals;
        cancel = 1;
        SetCaption("Dialog kept");
    }
}

}  // namespace mirvo::wintest
