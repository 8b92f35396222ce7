#pragma once

#include "forms/Controls.h"
#include "forms/Form.h"

namespace mirvo {

class App;

// The message that the bulk cache has reached its 96 items.
class BulkFullForm : public forms::Form {
public:
    explicit BulkFullForm(App& app);

    forms::Label& Title;
    forms::Label& Message;
    forms::CommandButton& OKBtn;

protected:
    void Form_Load() override;

private:
    void ConnectEvents();

    App& m_app;
};

}  // namespace mirvo
