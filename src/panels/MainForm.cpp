#include "panels/MainForm.h"

#include "app/App.h"
#include "panels/Caption.h"
#include "platform/Desktop.h"

namespace mirvo {

namespace {
constexpr int kClockEveryTicks = 6;
}  // namespace

MainForm::MainForm(App& app)
    : forms::Form(app.os.forms, "Edit"),
      Timer1(Add<forms::Timer>("Timer1")),
      TimerEdge(Add<forms::Timer>("TimerEdge")),
      Hotkeytimer(Add<forms::Timer>("Hotkeytimer")),
      TimerEdgeOff(Add<forms::Timer>("TimerEdgeOff")),
      PointerTimer(Add<forms::Timer>("PointerTimer")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      clipboardPanel(*this),
      controlPanel(*this),
      groupPanels(*this),
      Pointer(Add<forms::PictureBox>("Pointer")),
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
    TimerEdgeOff.SetInterval(100);
    TimerEdgeOff.SetEnabled(false);
    PointerTimer.SetInterval(200);
    PointerTimer.SetEnabled(false);

    Pointer.Move(0, 0, 240, 150);
    Pointer.SetBorder(forms::BorderStyle::None);
    Pointer.SetBackColor(forms::QBColor(12));
    Pointer.SetTabStop(false);
    Pointer.SetVisible(false);

    // Outside the visible area, but able to take the focus from every button.
    holdfocus.Move(12240, 3348, 255, 105);
    holdfocus.SetBorder(forms::BorderStyle::None);
}

forms::CommandButton& MainForm::TopBtn(int index) {
    return index == 0 ? clipboardPanel.TopBtn0 : *groupPanels.TopBtn[static_cast<size_t>(index)];
}

void MainForm::UpdateCaptionClock() {
    // Only a window that can be seen shows its clock; it catches up on the first tick it shows.
    if (WindowState() == forms::WindowState::Minimized || !Visible()) {
        m_clockTicks = kClockEveryTicks;
        return;
    }
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
