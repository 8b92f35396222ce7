#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"
#include "platform/Desktop.h"

namespace mirvo {

class App;

// The screen-edge switcher's window: "Mirvo" brings the main window up, "Netvane" the sibling
// program's window.
class EdgeForm : public forms::Form {
public:
    // offerMain, sibling: which buttons show (the sibling's when its window is given).
    EdgeForm(App& app, bool offerMain, platform::WindowHandle sibling);
    // The window's size (twips) for one button or two.
    static int WidthFor();
    static int HeightFor(int buttons);

    forms::OptionButton& WebBtn;
    forms::OptionButton& WinBtn;
    forms::PictureBox& holdfocus;

protected:
    void Form_Unload(int& cancel) override;

private:
    void ConnectEvents();
    void WinBtn_MouseDown();
    void WebBtn_MouseDown();

    App& m_app;
    platform::WindowHandle m_sibling;
};

}  // namespace mirvo
