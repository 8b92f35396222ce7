#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

class App;

// The about window: the program's name, version, description and maker as its version
// resource gives them. Shown on top and modally (the "About" button).
class About : public forms::Form {
public:
    explicit About(App& app);

    forms::Label& ProductLabel;
    forms::Label& VersionLabel;
    forms::Label& DescriptionLabel;
    forms::Label& CompanyLabel;
    forms::CommandButton& OKBtn;

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyUp(int& keyCode, int shift) override;

private:
    void ConnectEvents();
    void MakeTopmost();

    App& m_app;
};

}  // namespace mirvo
