#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

class App;

// The warning the clip viewer shows once when the clip holds other formats than text: saving
// changed text keeps the text alone.
class warn : public forms::Form {
public:
    // Placed over the viewer's top left corner.
    warn(App& app, const forms::Form& viewer);

    forms::Label& Label1;
    forms::Label& Label2;
    forms::CommandButton& Command1;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void ConnectEvents();
    void Command1_GotFocus();

    App& m_app;
    const forms::Form& m_viewer;
};

}  // namespace mirvo
