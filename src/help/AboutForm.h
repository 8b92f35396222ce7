#pragma once

#include "forms/Controls.h"
#include "help/HelpDialog.h"

namespace mirvo {

// The about window: the program's name, version, description and maker as its version
// resource gives them. Shown on top and modally (the "About" button).
class About : public HelpDialog {
public:
    explicit About(App& app);

    forms::Label& ProductLabel;
    forms::Label& VersionLabel;
    forms::Label& DescriptionLabel;
    forms::Label& CompanyLabel;
    forms::CommandButton& OKBtn;

protected:
    void Form_Load() override;

private:
    void ConnectEvents();
};

}  // namespace mirvo
