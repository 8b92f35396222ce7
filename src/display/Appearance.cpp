#include "display/Appearance.h"

#include "app/App.h"
#include "panels/MainForm.h"
#include "panels/PanelColor.h"
#include "panels/Positions.h"
#include "store/StoreColors.h"

namespace mirvo {

void ApplyColors(App& app) {
    MainForm& edit = app.MainWindow();
    edit.SetBold(app.settings.BoldFont == 1);
    const auto background = static_cast<forms::Color>(app.settings.BackgroundColor);
    edit.SetBackColor(background);
    for (forms::Control* frame : {static_cast<forms::Control*>(&edit.controlPanel.CPFrame),
                                  static_cast<forms::Control*>(&edit.groupPanels.Frame1),
                                  static_cast<forms::Control*>(&edit.groupPanels.Frame2),
                                  static_cast<forms::Control*>(&edit.clipboardPanel.CtrlFrame0),
                                  static_cast<forms::Control*>(&edit.groupPanels.CtrlFrame1),
                                  static_cast<forms::Control*>(&edit.clipboardPanel.SizerFrame)}) {
        frame->SetBackColor(background);
    }
    edit.clipboardPanel.ColorNumbers(app.settings);
    // A clip under the highlight keeps its look and takes the new colour when the bar leaves.
    for (int pos = kFirstClipboardClipPos; pos <= kLastClipboardClipPos; ++pos) {
        ShowTrueColor(app, pos, static_cast<forms::Color>(app.settings.ClipboardClipColor));
    }
    ApplyStoreColors(app);
}

void ApplyPopupHelp(App& app, int show) {
    MainForm& edit = app.MainWindow();
    ControlPanel& p = edit.controlPanel;
    ClipboardPanel& clips = edit.clipboardPanel;
    GroupPanels& groups = edit.groupPanels;
    const bool on = show != 0;
    auto tip = [on](forms::Control& c, const char* text) { c.SetToolTip(on ? text : ""); };

    tip(p.LaunchBtn, " Launchpad Library Quick Access ");
    tip(p.LibLabel, " Shows Current Library - Click to Change ");
    tip(p.TextOnlyBtn, " Paste only Plain Text ");
    tip(p.HotKeyOnOff, " Turns Off Mirvo HotKeys ");
    tip(*p.ClipMode[0], " Overrides Individual setting to Clip ");
    tip(*p.ClipMode[2], " Overrides Individual setting to Web Page ");
    tip(*p.ClipMode[1], " Overrides Individual setting to Email ");
    tip(*p.ClipMode[4], " Overrides Individual setting to Form Clip ");
    tip(*p.CaptureMode[1], " Turns off Clip Capturing ");
    tip(*p.CaptureMode[2], " Bulk Cache on/off ");
    tip(p.HelpButton, " Help ");
    tip(p.Search, " Search Clip Names ");
    tip(p.UpgradeBtn, " Displays Version and link to Upgades Web Page ");
    tip(p.OptionButton, " User Options Window ");
    tip(p.Minimize, " Easy Hit Minimize Button ");
    tip(p.TutorialBtn, " Show Tutorial ");
    tip(clips.TopBtn0, " Column display on/off ");
    for (int c = 1; c <= 3; ++c) {
        tip(*groups.TopBtn[static_cast<size_t>(c)], " Column display on/off ");
    }
    tip(*clips.SizerBtn[1], " Displays clipboard only (Vertical) ");
    tip(*clips.SizerBtn[2], " Displays clipboard only (Horizontal) ");
    tip(*clips.SizerBtn[0], " Re-displays full window ");
    for (forms::Frame* frame :
         {&clips.CtrlFrame0, &groups.CtrlFrame1, &groups.Frame1, &groups.Frame2}) {
        tip(*frame, " Right click for help ");
    }
}

}  // namespace mirvo
