#pragma once

#include <string>

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

class App;

// The small modal window that tells why a shortcut could not be launched.
class Errors : public forms::Form {
public:
    Errors(App& app, const std::string& message);

    forms::Label& Txt;
    forms::CommandButton& OKBtn;

protected:
    void Form_Load() override;
    void Form_Activate() override;

private:
    void ConnectEvents();

    App& m_app;
};

}  // namespace mirvo
