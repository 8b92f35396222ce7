#pragma once

#include <array>
#include <string>
#include <vector>

#include "app/EditContext.h"
#include "forms/Controls.h"
#include "forms/Form.h"
#include "forms/Image.h"
#include "forms/Menu.h"
#include "forms/TextBox.h"

namespace mirvo {

class App;

// The clip viewer and editor: one stored clip's title, text (or picture), paste mode and colour,
// for the clip its own edit context names. " Clip Edit" edits a clip with text; " Clip Preview "
// shows a picture-only clip. "Save" hands the fields to the store's save of an edited clip.
class view : public forms::Form {
public:
    view(App& app, const EditContext& context);

    forms::TextBox& title;
    std::array<forms::Label*, 2> Label1{};
    // (0) wraps the text, (1) does not; WordWrapOff chooses the one in view.
    std::array<forms::TextBox*, 2> Text1{};
    // (0) "Clip", (1) "Email", (2) "Web Page", (3) hidden, (4) "Form Clip": the paste mode.
    std::array<forms::OptionButton*, 5> PasteOption{};
    forms::Frame& Frame1;
    std::vector<forms::OptionButton*> Colr;
    forms::PictureBox& PictureFrame;
    forms::PictureBox& Imageframe;
    forms::Image& Image1;
    forms::CommandButton& StretchBtn;
    forms::CommandButton& OKBtn;
    forms::CommandButton& cancelbtn;
    forms::PictureBox& holdfocus;
    forms::Menu& editmenu;
    forms::Menu& Cut;
    forms::Menu& Copy;
    forms::Menu& Delete;
    forms::Menu& l1;
    forms::Menu& wordwrap;
    forms::Menu& Size;
    forms::Menu& Default;
    forms::Menu& Wide;

    // The text box in view.
    forms::TextBox& ShownText();
    bool PicturePreview() const { return m_picturePreview; }

protected:
    void Form_Load() override;
    void Form_Activate() override;
    void Form_Resize() override;
    void Form_KeyPress(int& keyAscii) override;
    void Form_Unload(int& cancel) override;

private:
    void ConnectEvents();
    void holdfocus_GotFocus();
    void Text1_GotFocus();
    void title_GotFocus();
    void title_LostFocus();
    void editmenu_Click();
    void Cut_Click();
    void Copy_Click();
    void Delete_Click();
    void wordwrap_Click();
    void Default_Click();
    void Wide_Click();
    void StretchBtn_MouseUp();
    void Colr_MouseUp(int index, forms::MouseButton button);
    void PasteOption_MouseUp(forms::MouseButton button);
    void Label1_MouseUp(forms::MouseButton button);
    void OKBtn_Click();
    void cancelbtn_Click();

    void ApplyOptions();
    void LoadClip();
    void ShowWordWrap();
    // Puts the selected text on the system clipboard as text.
    void CopySelection();
    void FocusTitle();

    App& m_app;
    OpenEdit m_edit;
    bool m_loaded = false;
    // The text shown can be edited (and takes a clip clicked meanwhile).
    bool m_editable = false;
    bool m_titleFocus = false;
    bool m_picturePreview = false;
    bool m_hasOtherFormats = false;
    std::string m_loadedText;
};

}  // namespace mirvo
