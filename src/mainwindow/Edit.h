#pragma once

#include <string>

#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Timer.h"
#include "mainwindow/ClipboardPanel.h"
#include "mainwindow/ControlPanel.h"
#include "mainwindow/GroupPanels.h"

namespace mirvo {

class App;

// The main window: the program's one permanent window.
class Edit : public forms::Form {
public:
    explicit Edit(App& app);

    // Sizes the full window for the small or large layout.
    void PrepareLayout();
    // A column display button: TopBtn(0) by the clipboard clips, (1)..(3) above the columns.
    forms::CommandButton& TopBtn(int index);
    // The caption clock: every sixth tick the title is rebuilt and set when it changed.
    void UpdateCaptionClock();

    forms::Timer& Timer1;
    forms::Timer& TimerEdge;
    // The delayed paste: 150 ms after a clip reached the clipboard.
    forms::Timer& Hotkeytimer;
    forms::PictureBox& holdfocus;
    ClipboardPanel clipboardPanel;
    ControlPanel controlPanel;
    GroupPanels groupPanels;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyUp(int& keyCode, int shift) override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_QueryUnload(int& cancel, forms::UnloadMode mode) override;
    void Form_Unload(int& cancel) override;

private:
    App& m_app;
    int m_clockTicks = 0;
    std::string m_shownClock;
};

}  // namespace mirvo
