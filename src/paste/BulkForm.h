#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "app/Modes.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// The user text of "User supplied text", kept whole in the data folder.
inline constexpr const char* kSpacerFileName = "Spacer.txt";
// No more of "Spacer.txt" is read, nor typed into the box: a huge file cannot fill the memory.
inline constexpr std::size_t kSpacerTextLimit = 64 * 1024;

// "Bulk Paste - Clip Spacing": asks what goes between the clips of a bulk paste. The choice is
// kept in the settings at once; the window reports whether it was closed by "Paste".
class BulkForm : public forms::Form {
public:
    explicit BulkForm(App& app);

    forms::CommandButton& OKBtn;
    forms::CommandButton& CancelBtn;
    std::array<forms::OptionButton*, BulkSeparator::kCount> spaceoption{};
    std::array<forms::Label*, BulkSeparator::kCount> Label1{};
    forms::Label& Label2;
    forms::TextBox& Text1;

    // True until "Paste" closes the window: Cancel, Esc and the title bar all cancel.
    bool Cancelled() const { return m_cancelled; }
    // The text that "User supplied text" pastes, taken by "Paste".
    const std::string& SpacerText() const { return m_spacerText; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_KeyDown(int& keyCode, int shift) override;
    void Form_KeyUp(int& keyCode, int shift) override;

private:
    void ConnectEvents();
    void spaceoption_Click(int index);
    void Text1_GotFocus();
    void Text1_LostFocus();
    void OKBtn_Click();
    void CancelBtn_Click();

    App& m_app;
    bool m_loading = false;
    bool m_digitsBlocked = false;
    bool m_cancelled = true;
    std::string m_spacerText;
};

}  // namespace mirvo
