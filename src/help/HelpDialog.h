#pragma once

#include <string>

#include "forms/Form.h"

namespace mirvo {

class App;

// A small window of the program's help: a fixed dialog frame, centred on the screen and kept on
// top while it shows, closed by Escape or Enter when the key comes up (unless a window overrides
// it), so that the key never reaches the window below.
class HelpDialog : public forms::Form {
protected:
    HelpDialog(App& app, const std::string& name);

    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& keyCode, int shift) override;

    App& m_app;

private:
    void MakeTopmost();
};

}  // namespace mirvo
