#pragma once

#include <string>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Timer.h"
#include "panels/ClipboardPanel.h"
#include "panels/ControlPanel.h"
#include "panels/GroupPanels.h"

namespace mirvo {

class App;

// The main window as every layer below the form Edit sees it: the form with its timers, its
// focus holder and its panels of controls. Edit derives from it and adds the form's events.
class MainForm : public forms::Form {
public:
    explicit MainForm(App& app);

    // A column display button: TopBtn(0) by the clipboard clips, (1)..(3) above the columns.
    forms::CommandButton& TopBtn(int index);
    // The caption clock: every sixth tick the title is rebuilt and set when it changed.
    void UpdateCaptionClock();

    forms::Timer& Timer1;
    forms::Timer& TimerEdge;
    // The delayed paste: 150 ms after a clip reached the clipboard.
    forms::Timer& Hotkeytimer;
    // The screen-edge switcher closes its window when the pointer leaves it.
    forms::Timer& TimerEdgeOff;
    // The blinking marker of a search's match.
    forms::Timer& PointerTimer;
    forms::PictureBox& holdfocus;
    ClipboardPanel clipboardPanel;
    ControlPanel controlPanel;
    GroupPanels groupPanels;
    forms::PictureBox& Pointer;

protected:
    App& m_app;

private:
    int m_clockTicks = 0;
    std::string m_shownClock;
};

}  // namespace mirvo
