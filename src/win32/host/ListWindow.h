#pragma once

#include "forms/Lists.h"
#include "win32/host/ControlWindow.h"

namespace mirvo::win32 {

// The drive list (a drop-down COMBOBOX) and the folder and file lists (LISTBOXes). They show the
// model's items, which the model fills through the host's FolderBrowser; the user's choice goes
// back to the model: a selection sets ListIndex, a chosen drive sets Drive, a double-clicked
// folder becomes the folder list's Path.
class ListWindow final : public ControlWindow {
public:
    ListWindow(FormWindow& form, forms::ListControl& list)
        : ControlWindow(form, list), m_list(list) {}

private:
    Look Describe() const override;
    void ApplyKindState() override;
    void ApplyKindProperty(forms::Property p) override;
    void ApplyCaption() override {}
    RECT PixelBounds() const override;
    bool OnCommand(WORD code) override;
    ClickFrom ClickSource() const override { return ClickFrom::Nothing; }

    bool IsCombo() const { return m_list.Kind() == forms::ControlKind::DriveList; }
    void FillItems();
    void ApplyListIndex();
    int NativeSelection() const;

    forms::ListControl& m_list;
};

}  // namespace mirvo::win32
