#include "mainwindow/Edit.h"

#include "app/App.h"
#include "clipboard/DateTimeWords.h"
#include "clipboard/Monitor.h"
#include "forms/FormsHost.h"
#include "mainwindow/DisplayModes.h"
#include "mainwindow/Highlight.h"
#include "mainwindow/Keys.h"
#include "mainwindow/Layout.h"
#include "mainwindow/PanelEvents.h"
#include "paste/HotKeys.h"
#include "paste/PasteEngine.h"
#include "platform/Desktop.h"
#include "startup/Instance.h"
#include "startup/Settings.h"
#include "store/LibForm.h"

namespace mirvo {

namespace {
constexpr int kClockEveryTicks = 6;
}  // namespace

Edit::Edit(App& app)
    : forms::Form(app.os.forms, "Edit"),
      Timer1(Add<forms::Timer>("Timer1")),
      TimerEdge(Add<forms::Timer>("TimerEdge")),
      Hotkeytimer(Add<forms::Timer>("Hotkeytimer")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      clipboardPanel(*this),
      controlPanel(*this),
      groupPanels(*this),
      m_app(app) {
    SetBorder(forms::BorderStyle::FixedSingle);
    SetMaxButton(false);
    SetKeyPreview(true);

    Timer1.SetInterval(1000);
    Timer1.SetEnabled(false);
    TimerEdge.SetInterval(200);
    TimerEdge.SetEnabled(false);
    Hotkeytimer.SetInterval(150);
    Hotkeytimer.SetEnabled(false);

    // Outside the visible area, but able to take the focus from every button.
    holdfocus.Move(12240, 3348, 255, 105);
    holdfocus.SetBorder(forms::BorderStyle::None);

    WireClipboardControls(app, *this);
    WirePanelEvents(app, *this);
    WirePasteControls(app, *this);
    WireHotKeys(app, *this);
    controlPanel.LibLabel.OnMouseUp = [this](forms::MouseButton button, int, int, int) {
        LibLabel_MouseUp(m_app, button, LibraryLabelPart::Label);
    };
    controlPanel.LibLabelFrame.OnMouseUp = [this](forms::MouseButton button, int, int, int) {
        LibLabel_MouseUp(m_app, button, LibraryLabelPart::Frame);
    };
}

void Edit::PrepareLayout() {
    ApplyWindowSize(m_app);
}

forms::CommandButton& Edit::TopBtn(int index) {
    return index == 0 ? clipboardPanel.TopBtn0 : *groupPanels.TopBtn[static_cast<size_t>(index)];
}

void Edit::Form_Load() {
    SetCaption(m_app.MainTitle);
}

void Edit::Form_Activate() {
    m_app.display.Activated = 1;
}

void Edit::Form_Resize() {
    MainWindowResized(m_app);
}

void Edit::Form_KeyDown(int& keyCode, int shift) {
    MainWindow_KeyDown(m_app, keyCode, shift);
}

void Edit::Form_KeyUp(int& keyCode, int shift) {
    MainWindow_KeyUp(m_app, keyCode, shift);
}

void Edit::Form_KeyPress(int& keyAscii) {
    MainWindow_KeyPress(m_app, keyAscii);
}

void Edit::Form_QueryUnload(int& /*cancel*/, forms::UnloadMode mode) {
    ResetHighlight(m_app);
    SaveSettings(m_app);
    if (mode != forms::UnloadMode::Code) {
        Host().End(0);
    }
}

void Edit::Form_Unload(int& /*cancel*/) {
    SaveSettings(m_app);
}

void Edit::UpdateCaptionClock() {
    if (++m_clockTicks < kClockEveryTicks) {
        return;
    }
    m_clockTicks = 0;
    const std::string clock = DateTimeWords(m_app.os.desktop.Now());
    if (clock != m_shownClock) {
        m_shownClock = clock;
        SetCaption(MainWindowTitle(clock));
    }
}

}  // namespace mirvo
