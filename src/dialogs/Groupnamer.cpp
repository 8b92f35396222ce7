#include "dialogs/Groupnamer.h"

#include "app/App.h"
#include "app/StoreLayout.h"
#include "forms/Types.h"
#include "panels/PanelDisplay.h"
#include "panels/Positions.h"
#include "panels/Swatches.h"
#include "platform/Desktop.h"
#include "store/GroupFiles.h"

namespace mirvo {

namespace {
constexpr int kEnter = 13;
}  // namespace

Groupnamer::Groupnamer(App& app, int group, std::int32_t storedColor)
    : forms::Form(app.os.forms, "Groupnamer"),
      Frame4(Add<forms::Frame>("Frame4")),
      Picture1(Add<forms::PictureBox>("Picture1")),
      title(Add<forms::TextBox>("title", -1, &Picture1)),
      Label1(Add<forms::Label>("Label1", -1, &Picture1)),
      Command1(Add<forms::CommandButton>("Command1")),
      m_app(app),
      m_group(group),
      m_groupColor(storedColor) {
    SetCaption(" Group Name");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);
    Move(0, 0, 5940, 2340);

    Picture1.SetBorder(forms::BorderStyle::None);
    Picture1.SetTabStop(false);
    Picture1.Move(120, 120, 5580, 360);
    Label1.SetCaption("Group Title...");
    Label1.Move(0, 30, 1200, 285);
    title.SetMaxLength(50);
    title.Move(1200, 0, 4380, 315);

    Frame4.SetCaption(" Colour ");
    Frame4.Move(120, 600, 5580, 660);
    Colr = AddSwatches(*this, Frame4, kGroupSwatchColors, 120, 260);
    SelectSwatch(Colr, storedColor, 0);

    Command1.SetCaption("OK");
    Command1.Move(2280, 1380, 1200, 420);
    ConnectEvents();
}

void Groupnamer::Form_Load() {
    SetBold(m_app.settings.BoldFont == 1);
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

void Groupnamer::Form_Activate() {
    title.TrySetFocus();
}

void Groupnamer::Colr_MouseUp(int index) {
    m_groupColor = static_cast<std::int32_t>(Colr[static_cast<size_t>(index)]->BackColor());
    title.TrySetFocus();
}

void Groupnamer::title_GotFocus() {
    title.SetSelStart(0);
    title.SetSelLength(static_cast<int>(title.Text().size()));
}

void Groupnamer::Form_KeyDown(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
    }
}

void Groupnamer::Form_KeyPress(int& keyAscii) {
    if (keyAscii == kEnter) {
        keyAscii = 0;
    }
}

void Groupnamer::Form_KeyUp(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Return) {
        keyCode = 0;
        Command1_Click();
    }
}

void Groupnamer::Command1_Click() {
    if (GroupColorSelected(Colr)) {
        m_groupColor = 0;
    }
    WriteGroupNameColor(m_app, m_group, m_groupColor);
    ShowTitle(m_app, kFirstGroupNamePos + m_group,
              title.Text().empty() ? "Untitled" : title.Text());
    Unload();
}

}  // namespace mirvo
