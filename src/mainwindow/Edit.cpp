#include "mainwindow/Edit.h"

#include "app/App.h"
#include "app/DisplayState.h"
#include "app/Settings.h"
#include "display/DisplayModes.h"
#include "display/Highlight.h"
#include "forms/FormsHost.h"
#include "mainwindow/Keys.h"

namespace mirvo {

Edit::Edit(App& app) : MainForm(app) {
    ConnectEvents();
}

void Edit::Form_Load() {
    SetCaption(m_app.MainTitle);
}

void Edit::Form_Activate() {
    m_app.display.Activated = true;
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

void CreateMainWindow(App& app) {
    app.SetMainWindow(std::make_unique<Edit>(app));
}

}  // namespace mirvo
