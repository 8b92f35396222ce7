#include "options/OptionsForm.h"

#include <algorithm>

#include "app/App.h"
#include "app/Modes.h"
#include "app/PasteState.h"
#include "app/Settings.h"
#include "display/Appearance.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "help/Topics.h"
#include "libraries/DataFolder.h"
#include "platform/Desktop.h"
#include "store/HotKeyWatch.h"

namespace mirvo {

namespace {

constexpr int kWidth = 7260;
constexpr int kClientHeight = 3900;
constexpr int kFrameLeft = 120;
constexpr int kFrameTop = 480;
constexpr int kFrameWidth = 6900;
constexpr int kFrameHeight = 2340;
constexpr int kRowHeight = 255;
constexpr int kLabelWidth = 6600;
constexpr int kChoiceLeft = 360;
constexpr int kHelpLeft = 6420;
// Rough widths of the dialog font, to run the underscores to the end of the row.
constexpr int kCharTwips = 95;
constexpr int kUnderscoreTwips = 105;
constexpr forms::Color kChosenPage = 0xC0C0FF;

constexpr std::int32_t kPalette[24] = {0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0,
                                       0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80,
                                       0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00,
                                       0xFFC0C0, 0xFF8080, 0x808080, 0xFFC0FF, 0xFF80FF, 0xFF00FF};

const char* const kPages[6] = {"Activation", "Behaviors", "Keyboard",
                               "Display",    "Colors",    "Web Pages"};
const char* const kFrames[6] = {"Activation Options", "Behavior Options", "Keyboard Options",
                                "Display Options",    "Color Options",    "Web Page Options"};
const char* const kPaletteLabels[5] = {"Background", "Clipboard Clips", "Group Clips",
                                       "Group Names", "Transfer Slots"};
constexpr int kHelpTopics[12] = {
    Topic::OptionsEdges,      Topic::OptionsActivationKeys, Topic::OptionsBulkKeys,
    Topic::OptionsPopupHelp,  Topic::OptionsFonts,          Topic::OptionsClearance,
    Topic::OptionsWindowSize, Topic::OptionsHighlight,      Topic::OptionsRestore,
    Topic::OptionsWebPage,    Topic::OptionsWebPage,        Topic::OptionsDataLocation};

// Each option takes two rows: its label, then its choices and help button beneath.
int RowTop(int row) {
    return 270 + 630 * row;
}

int ChoiceTop(int row) {
    return RowTop(row) + 270;
}

// A label whose underscores run on to its right-hand end.
forms::Label& AddRowLabel(forms::Form& form, forms::Control& frame, const std::string& text,
                          int left, int top, int width) {
    auto& label = form.Add<forms::Label>("RowLabel", -1, &frame);
    const int textTwips = static_cast<int>(text.size() + 1) * kCharTwips;
    const int underscores = std::max(0, (width - textTwips) / kUnderscoreTwips);
    label.SetCaption(text + " " + std::string(static_cast<size_t>(underscores), '_'));
    label.Move(left, top, width, kRowHeight);
    return label;
}

forms::Label& AddRowLabel(forms::Form& form, forms::Control& frame, const std::string& text,
                          int row) {
    return AddRowLabel(form, frame, text, 120, RowTop(row), kLabelWidth);
}

Options::OptionGroup AddGroup(forms::Form& form, forms::Control& frame, const char* name,
                              std::initializer_list<const char*> captions, int left, int top,
                              int width) {
    Options::OptionGroup group;
    group.box = &form.Add<forms::PictureBox>(std::string(name) + "Box", -1, &frame);
    group.box->SetBorder(forms::BorderStyle::None);
    group.box->SetTabStop(false);
    const int each = width / static_cast<int>(captions.size());
    group.box->Move(left, top, width, 330);
    int i = 0;
    for (const char* caption : captions) {
        auto& button = form.Add<forms::OptionButton>(name, i, group.box);
        button.SetCaption(caption);
        button.Move(i * each, 0, each - 60, 315);
        group.buttons.push_back(&button);
        ++i;
    }
    return group;
}

std::int16_t& Member(AppSettings& s, const Options& o, const Options::OptionGroup& g) {
    if (&g == &o.keysoption)
        return s.PasteKeys;
    if (&g == &o.RestoreOption)
        return s.RestoreFullWindow;
    if (&g == &o.HelpOption)
        return s.PopupHelp;
    if (&g == &o.IconOption)
        return s.TaskbarIcon;
    if (&g == &o.Bulkoption)
        return s.BulkKeys;
    if (&g == &o.Clearoption)
        return s.KeepClipboardClips;
    if (&g == &o.StickyOption)
        return s.HighlightWithMouse;
    if (&g == &o.SizeOption)
        return s.LargeWindow;
    if (&g == &o.FontOption)
        return s.BoldFont;
    if (&g == &o.BrowserOption)
        return s.BrowserOption;
    return s.DataOption;
}

std::int32_t& PaletteMember(AppSettings& s, int palette) {
    switch (palette) {
        case 0:
            return s.BackgroundColor;
        case 1:
            return s.ClipboardClipColor;
        case 2:
            return s.GroupClipColor;
        case 3:
            return s.GroupNameColor;
        default:
            return s.TransferSlotColor;
    }
}

}  // namespace

std::int32_t PaletteColor(int index) {
    return index >= 0 && index < 24 ? kPalette[index] : 0;
}

Options::Options(App& app) : forms::Form(app.os.forms, "Options"), m_app(app) {
    SetCaption(" Mirvo User Options");
    SetBorder(forms::BorderStyle::FixedDialog);
    SetMinButton(false);
    SetMaxButton(false);
    SetShowInTaskbar(false);
    SetKeyPreview(true);

    for (int i = 0; i < 6; ++i) {
        auto& page = Add<forms::CommandButton>("Opt", i);
        page.SetCaption(kPages[i]);
        page.Move(kFrameLeft + i * 1150, 60, 1110, 360);
        Opt[static_cast<size_t>(i)] = &page;
        auto& frame = Add<forms::Frame>("Frm", i);
        frame.SetCaption(kFrames[i]);
        frame.Move(kFrameLeft, kFrameTop, kFrameWidth, kFrameHeight);
        Frm[static_cast<size_t>(i)] = &frame;
    }
    auto helpAt = [this](int index, forms::Control& frame, int top) {
        auto& button = Add<forms::CommandButton>("Hlp", index, &frame);
        button.SetCaption("?");
        button.Move(kHelpLeft, top, 330, 315);
        Hlp[static_cast<size_t>(index)] = &button;
    };
    auto help = [&helpAt](int index, forms::Control& frame, int row) {
        helpAt(index, frame, ChoiceTop(row));
    };

    // Activation.
    forms::Frame& activation = *Frm[0];
    AddRowLabel(*this, activation, "Mouse activate by touching screen edge", 0);
    const char* edges[4] = {"Top", "Bottom", "Left", "Right"};
    forms::CheckBox** edgeBoxes[4] = {&TopOption, &BottomOption, &LeftOption, &RightOption};
    const char* edgeNames[4] = {"TopOption", "BottomOption", "LeftOption", "RightOption"};
    for (int i = 0; i < 4; ++i) {
        auto& box = Add<forms::CheckBox>(edgeNames[i], -1, &activation);
        box.SetCaption(edges[i]);
        box.Move(kChoiceLeft + i * 1000, ChoiceTop(0), 960, 315);
        *edgeBoxes[i] = &box;
    }
    help(0, activation, 0);
    AddRowLabel(*this, activation, "Choose the keys you wish to use to activate Mirvo", 1);
    keysoption = AddGroup(*this, activation, "keysoption", {"Shift+Ins", "Ctrl+V"}, kChoiceLeft,
                          ChoiceTop(1), 2400);
    help(1, activation, 1);

    // Behaviors.
    forms::Frame& behaviors = *Frm[1];
    AddRowLabel(*this, behaviors, "Always restore full window after minimizing a column", 0);
    RestoreOption =
        AddGroup(*this, behaviors, "RestoreOption", {"No", "Yes"}, kChoiceLeft, ChoiceTop(0), 2400);
    help(8, behaviors, 0);
    AddRowLabel(*this, behaviors, "Show or hide the mouse pause help captions", 1);
    HelpOption =
        AddGroup(*this, behaviors, "HelpOption", {"Hide", "Show"}, kChoiceLeft, ChoiceTop(1), 2400);
    help(3, behaviors, 1);
    AddRowLabel(*this, behaviors, "Show or hide Mirvo's taskbar icon when minimized", 2);
    IconOption =
        AddGroup(*this, behaviors, "IconOption", {"Hide", "Show"}, kChoiceLeft, ChoiceTop(2), 2400);

    // Keyboard.
    forms::Frame& keyboard = *Frm[2];
    AddRowLabel(*this, keyboard, "Choose the keys to bulk paste", 0);
    Bulkoption = AddGroup(*this, keyboard, "Bulkoption", {"Ctrl+Ins", "Ctrl+B"}, kChoiceLeft,
                          ChoiceTop(0), 2400);
    help(2, keyboard, 0);
    AddRowLabel(*this, keyboard, "Clipboard clearance mode", 1);
    Clearoption = AddGroup(*this, keyboard, "Clearoption", {"Batch", "Normal"}, kChoiceLeft,
                           ChoiceTop(1), 2400);
    for (forms::OptionButton* button : Clearoption.buttons) {
        button->SetStyle(forms::ButtonStyle::Graphical);
    }
    help(5, keyboard, 1);
    AddRowLabel(*this, keyboard, "Move highlight bar with", 2);
    StickyOption = AddGroup(*this, keyboard, "StickyOption", {"Mouse", "Keyboard"}, kChoiceLeft,
                            ChoiceTop(2), 2400);
    help(7, keyboard, 2);

    // Display.
    forms::Frame& display = *Frm[3];
    AddRowLabel(*this, display, "Change window size to suit screen resolution", 0);
    SizeOption =
        AddGroup(*this, display, "SizeOption", {"Small", "Large"}, kChoiceLeft, ChoiceTop(0), 2400);
    help(6, display, 0);
    AddRowLabel(*this, display, "Choose normal or bold fonts", 1);
    FontOption =
        AddGroup(*this, display, "FontOption", {"Normal", "Bold"}, kChoiceLeft, ChoiceTop(1), 2400);
    help(4, display, 1);

    // Colors: five palettes of 24 buttons, 6 columns by 4 rows.
    forms::Frame& colors = *Frm[4];
    const char* paletteNames[5] = {"Backcol", "Clipboardcolor", "Hotcolor", "Groupcolor",
                                   "Transcolor"};
    for (int p = 0; p < 5; ++p) {
        const int left = 120 + p * 1350;
        auto& label = Add<forms::Label>("Label1", p, &colors);
        label.SetCaption(kPaletteLabels[p]);
        label.Move(left, 300, 1320, 255);
        Label1[static_cast<size_t>(p)] = &label;
        Palette& palette = palettes[static_cast<size_t>(p)];
        palette.box = &Add<forms::PictureBox>(std::string(paletteNames[p]) + "Box", -1, &colors);
        palette.box->SetBorder(forms::BorderStyle::None);
        palette.box->SetTabStop(false);
        palette.box->Move(left, 600, 6 * 216 + 12, 4 * 180 + 12);
        for (int i = 0; i < 24; ++i) {
            auto& button = Add<forms::OptionButton>(paletteNames[p], i, palette.box);
            button.SetStyle(forms::ButtonStyle::Graphical);
            button.SetBackColor(static_cast<forms::Color>(kPalette[i]));
            button.Move((i % 6) * 216, (i / 6) * 180, 228, 192);
            palette.buttons.push_back(&button);
        }
    }

    // Web pages: the two choices stacked, each with its meaning beside it.
    forms::Frame& web = *Frm[5];
    auto& when = Add<forms::Label>("WebLabel", -1, &web);
    when.SetCaption("When a Web Page clip is clicked:-");
    when.Move(120, RowTop(0), 4000, kRowHeight);
    BrowserOption = AddGroup(*this, web, "BrowserOption", {"New Window", "Wait for Click"},
                             kChoiceLeft, ChoiceTop(0), 1800);
    BrowserOption.box->SetHeight(1000);
    const char* webLabels[2] = {"Launch web page in a new browser window",
                                "Wait for click in existing browser address box"};
    for (int i = 0; i < 2; ++i) {
        const int top = ChoiceTop(0) + i * 630;
        BrowserOption.buttons[static_cast<size_t>(i)]->Move(0, i * 630, 1740, 315);
        AddRowLabel(*this, web, webLabels[i], kChoiceLeft + 1800, top + 30,
                    kHelpLeft - kChoiceLeft - 1920);
        helpAt(9 + i, web, top);
    }

    // Always shown: where the clip data lives.
    DataFrame = &Add<forms::Frame>("DataFrame");
    DataFrame->SetCaption("Clip Data Location");
    DataFrame->Move(kFrameLeft, kFrameTop + kFrameHeight + 60, 5580, 780);
    DataOption = AddGroup(*this, *DataFrame, "DataOption",
                          {"Private Data", "Administrator User's Common Data"}, 120, 300, 4980);
    help(11, *DataFrame, 0);
    Hlp[11]->Move(5100, 300, 330, 315);

    OKBtn = &Add<forms::CommandButton>("OKBtn");
    OKBtn->SetCaption("OK");
    OKBtn->Move(5820, kFrameTop + kFrameHeight + 180, 1200, 480);
    holdfocus = &Add<forms::PictureBox>("holdfocus");
    holdfocus->SetBorder(forms::BorderStyle::None);
    holdfocus->Move(kWidth + 200, 0, 15, 15);
    Move(0, 0, kWidth, kClientHeight);
    ConnectEvents();
}

void Options::Form_Load() {
    const forms::ScreenMetrics screen = Host().Screen();
    const int height = m_app.CaptionHeight + kClientHeight;
    Move((screen.widthTwips - kWidth) / 2, (screen.heightTwips - height) / 2, kWidth, height);
    DataOption.buttons[0]->SetCaption(m_app.UserName + "'s Private Data");
    DataOption.buttons[1]->SetEnabled(m_app.LimitedUser != 1);
    ShowValues();
    ShowPage(std::clamp<int>(m_app.settings.LastOptionsPage, 0, 5));
    SetBold(m_app.settings.BoldFont == 1);
    m_app.os.desktop.SetTopmost(hWnd(), true);
}

void Options::ShowValues() {
    m_showingValues = true;
    AppSettings& s = m_app.settings;
    TopOption->SetValue(s.EdgeTop == 1 ? 1 : 0);
    BottomOption->SetValue(s.EdgeBottom == 1 ? 1 : 0);
    LeftOption->SetValue(s.EdgeLeft == 1 ? 1 : 0);
    RightOption->SetValue(s.EdgeRight == 1 ? 1 : 0);
    for (OptionGroup* group :
         {&keysoption, &RestoreOption, &HelpOption, &IconOption, &Bulkoption, &Clearoption,
          &SizeOption, &FontOption, &BrowserOption, &DataOption}) {
        const int value = Member(s, *this, *group);
        if (value >= 0 && value < static_cast<int>(group->buttons.size())) {
            group->buttons[static_cast<size_t>(value)]->SetValue(true);
        }
    }
    StickyOption.buttons[s.HighlightWithMouse == 1 ? 0 : 1]->SetValue(true);
    for (int p = 0; p < 5; ++p) {
        const std::int32_t color = PaletteMember(s, p);
        for (forms::OptionButton* button : palettes[static_cast<size_t>(p)].buttons) {
            if (static_cast<std::int32_t>(button->BackColor()) == color) {
                button->SetValue(true);
                break;
            }
        }
    }
    ShowClearance();
    m_showingValues = false;
}

void Options::ShowPage(int page) {
    for (int i = 0; i < 6; ++i) {
        const bool chosen = i == page;
        Opt[static_cast<size_t>(i)]->SetBackColor(chosen ? kChosenPage : forms::kButtonFace);
        Frm[static_cast<size_t>(i)]->SetVisible(chosen);
    }
    m_app.settings.LastOptionsPage = static_cast<std::int16_t>(page);
}

void Options::ShowClearance() {
    Clearoption.buttons[0]->SetBackColor(
        m_app.settings.KeepClipboardClips == 0 ? forms::QBColor(12) : forms::kButtonFace);
}

void Options::HoldFocus() {
    holdfocus->TrySetFocus();
}

void Options::Opt_Click(int index) {
    ShowPage(index);
    HoldFocus();
}

void Options::Option_MouseUp(OptionGroup& group, forms::MouseButton button) {
    if (button != forms::MouseButton::Right) {
        return;
    }
    int topic = 0;
    if (&group == &SizeOption)
        topic = Topic::OptionsWindowSize;
    if (&group == &FontOption)
        topic = Topic::OptionsFonts;
    if (&group == &keysoption)
        topic = Topic::OptionsActivationKeys;
    if (&group == &HelpOption)
        topic = Topic::OptionsPopupHelp;
    if (&group == &Clearoption)
        topic = Topic::OptionsClearance;
    if (topic != 0) {
        ShowQuickHelp(m_app, topic);
        HoldFocus();
    }
}

void Options::Option_Click(OptionGroup& group, int index) {
    if (m_showingValues) {
        return;
    }
    forms::OptionButton& chosen = *group.buttons[static_cast<size_t>(index)];
    if (!chosen.Value()) {
        // Clicked without being chosen (from code): choosing it raises this Click again.
        chosen.SetValue(true);
        return;
    }
    AppSettings& s = m_app.settings;
    if (&group == &StickyOption) {
        s.HighlightWithMouse = static_cast<std::int16_t>(index == 0 ? 1 : 0);
    } else {
        Member(s, *this, group) = static_cast<std::int16_t>(index);
    }
    SaveSettings(m_app);
    if (&group == &keysoption) {
        SetPasteActivationKey(m_app);
    } else if (&group == &HelpOption) {
        ApplyPopupHelp(m_app, s.PopupHelp);
    } else if (&group == &Bulkoption) {
        ApplyBulkKeys(m_app);
        if (!m_app.paste.HotKeysOff) {
            RegisterHotKeys(m_app);
        }
    } else if (&group == &Clearoption) {
        ShowClearance();
    } else if (&group == &SizeOption) {
        m_reopen = true;
        Unload();
    } else if (&group == &FontOption) {
        ApplyColors(m_app);
        SetBold(s.BoldFont == 1);
    } else if (&group == &DataOption) {
        // The whole main window from the other place; nothing is copied between them.
        LoadDataFolder(m_app);
    }
}

void Options::Edge_Click(forms::CheckBox& box) {
    if (m_showingValues) {
        return;
    }
    AppSettings& s = m_app.settings;
    const auto value = static_cast<std::int16_t>(box.Value() == 1 ? 1 : 0);
    if (&box == TopOption)
        s.EdgeTop = value;
    if (&box == BottomOption)
        s.EdgeBottom = value;
    if (&box == LeftOption)
        s.EdgeLeft = value;
    if (&box == RightOption)
        s.EdgeRight = value;
    SaveSettings(m_app);
}

void Options::Palette_MouseUp(forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(m_app, Topic::OptionsColors);
        HoldFocus();
    }
}

void Options::Palette_Click(int palette, int index) {
    if (m_showingValues) {
        return;
    }
    forms::OptionButton& chosen =
        *palettes[static_cast<size_t>(palette)].buttons[static_cast<size_t>(index)];
    if (!chosen.Value()) {
        chosen.SetValue(true);  // raises this Click again, chosen
        return;
    }
    // The colour itself is stored, never its place in the palette.
    PaletteMember(m_app.settings, palette) = static_cast<std::int32_t>(chosen.BackColor());
    SaveSettings(m_app);
    HoldFocus();
    ApplyColors(m_app);
}

void Options::Hlp_Click(int index) {
    ShowQuickHelp(m_app, kHelpTopics[index]);
    HoldFocus();
}

void Options::Form_KeyUp(int& keyCode, int /*shift*/) {
    if (keyCode == forms::Key::Escape) {
        keyCode = 0;
        Unload();
    }
}

}  // namespace mirvo
