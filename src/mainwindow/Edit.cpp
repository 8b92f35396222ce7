#include "mainwindow/Edit.h"

#include "app/App.h"
#include "clipboard/DateTimeWords.h"
#include "clipboard/Monitor.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"
#include "startup/Instance.h"
#include "startup/Settings.h"
#include "store/LibForm.h"

namespace mirvo {

namespace {
constexpr int kSmallWidth = 9624;
constexpr int kSmallClientHeight = 6150;
constexpr int kLargeWidth = 12288;
constexpr int kLargeClientHeight = 8426;
constexpr int kClockEveryTicks = 6;
}  // namespace

Edit::Edit(App& app)
    : forms::Form(app.os.forms, "Edit"),
      Timer1(Add<forms::Timer>("Timer1")),
      TimerEdge(Add<forms::Timer>("TimerEdge")),
      holdfocus(Add<forms::PictureBox>("holdfocus")),
      NoMinimizeBtn(Add<forms::CheckBox>("NoMinimizeBtn")),
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

    // Outside the visible area, but able to take the focus from every button.
    holdfocus.Move(12240, 3348, 255, 105);
    holdfocus.SetBorder(forms::BorderStyle::None);
    NoMinimizeBtn.SetCaption("Main window does not minimize after pasting");
    NoMinimizeBtn.SetVisible(false);

    WireClipboardControls(app, *this);
    controlPanel.LibLabel.OnMouseUp = [this](forms::MouseButton button, int, int, int) {
        LibLabel_MouseUp(m_app, button, LibraryLabelPart::Label);
    };
    controlPanel.LibLabelFrame.OnMouseUp = [this](forms::MouseButton button, int, int, int) {
        LibLabel_MouseUp(m_app, button, LibraryLabelPart::Frame);
    };
}

void Edit::PrepareLayout() {
    const bool large = m_app.settings.LargeWindow == 1;
    if (WindowState() == forms::WindowState::Maximized) {
        SetWindowState(forms::WindowState::Normal);
    }
    SetWidth(large ? kLargeWidth : kSmallWidth);
    SetHeight((large ? kLargeClientHeight : kSmallClientHeight) + m_app.CaptionHeight);
}

void Edit::Form_Load() {
    SetCaption(m_app.MainTitle);
}

void Edit::Form_QueryUnload(int& /*cancel*/, forms::UnloadMode mode) {
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
