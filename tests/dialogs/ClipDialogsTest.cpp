#include "dialogs/ViewForm.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/Modes.h"
#include "app/StoreState.h"
#include "clipboard/ClipDataFile.h"
#include "dialogs/ClipEditor.h"
#include "dialogs/Groupnamer.h"
#include "dialogs/SettingsForm.h"
#include "forms/Color.h"
#include "panels/Swatches.h"
#include "paste/PasteEngine.h"
#include "platform/KeyboardHook.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using forms::MouseButton;

struct Record {
    std::uint32_t format;
    std::string name;
    std::string data;
};

files::Bytes CurrentLayout(const std::vector<Record>& records) {
    files::Bytes b(8);
    files::WriteInt32(b, 0, -1);
    files::WriteInt32(b, 4, static_cast<std::int32_t>(records.size()));
    for (const Record& r : records) {
        const size_t at = b.size();
        b.resize(at + 12 + r.name.size() + r.data.size());
        files::WriteInt32(b, at, static_cast<std::int32_t>(r.format));
        files::WriteInt32(b, at + 4, static_cast<std::int32_t>(r.name.size()));
        files::WriteText(b, at + 8, r.name);
        files::WriteInt32(b, at + 8 + r.name.size(), static_cast<std::int32_t>(r.data.size()));
        files::WriteText(b, at + 12 + r.name.size(), r.data);
    }
    return b;
}

files::Bytes OlderLayout(std::uint32_t format, const std::string& data) {
    files::Bytes b(12 + data.size());
    files::WriteInt32(b, 0, 1);
    files::WriteInt32(b, 4, static_cast<std::int32_t>(format));
    files::WriteInt32(b, 8, static_cast<std::int32_t>(data.size()));
    files::WriteText(b, 12, data);
    return b;
}

// A 1x1 32-bit DIB.
std::string Dib() {
    std::string dib(44, '\0');
    dib[0] = 40;
    dib[4] = 1;
    dib[8] = 1;
    dib[12] = 1;
    dib[14] = 32;
    return dib;
}

class ClipDialogs : public test::StoreFixture {
protected:
    void PutGroupClip(int n, const std::string& title, const files::Bytes& data) {
        titles[static_cast<size_t>(n)] = title;
        Put(LibPath(1, "group0." + std::to_string(n)), data);
    }
    void StartWithClips() {
        std::string all;
        for (const std::string& title : titles) {
            all += Padded(title);
        }
        Put(LibPath(1, "group0.dat"), Text(all));
        Start();
        edit().SetWindowState(forms::WindowState::Normal);
    }
    // The open viewer, or nullptr.
    view* Viewer() {
        for (forms::Form* form : t.host.LoadedForms()) {
            if (form->Name() == "view") {
                return static_cast<view*>(form);
            }
        }
        return nullptr;
    }
    int Beeps() const { return static_cast<int>(t.desktop.beeps.size()); }
    static void Choose(forms::OptionButton& option, test::TestApp& t) { t.host.Click(option); }

    std::vector<std::string> titles = std::vector<std::string>(96);
};

TEST_F(ClipDialogs, AMultiFormatClipWarnsOnceAndAnEditIsStoredAsTextAlone) {
    // The text record comes first: the formats after it must still be seen.
    PutGroupClip(2, "Meeting notes",
                 CurrentLayout({{1, "", std::string("Agenda\r\nitem one") + '\0'},
                                {0xC100, "HTML Format", "<b>Agenda</b>"},
                                {8, "", Dib()}}));
    Put(LibPath(1, "group0.mod"), files::Bytes{3, 3, 4});
    StartWithClips();

    t.host.Click(Item(2), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr) << "a right click opens the viewer";
    EXPECT_TRUE(app.editing.EditorOpen);
    EXPECT_EQ(viewer->Caption(), " Clip Edit");
    EXPECT_EQ(viewer->title.Text(), "Meeting notes");
    EXPECT_EQ(viewer->Text1[0]->Text(), "Agenda\r\nitem one") << "the text ends at its NUL";
    EXPECT_TRUE(viewer->Text1[0]->Enabled());
    EXPECT_TRUE(viewer->PasteOption[4]->Value()) << "the clip's own paste mode";
    EXPECT_TRUE(viewer->Colr[13]->Value()) << "the default colour is \"Group Clr\"";
    EXPECT_FALSE(viewer->PictureFrame.Visible());

    t.host.Click(Item(0), MouseButton::Right);
    EXPECT_EQ(Viewer(), viewer) << "no second editor while one is open";

    std::vector<std::string> modals;
    t.host.onModal = [&](forms::Form& form) { modals.push_back(form.Name()); };
    viewer->Text1[0]->SetFocus();
    viewer->title.SetFocus();
    viewer->Text1[0]->SetFocus();
    EXPECT_EQ(modals, std::vector<std::string>{"warn"}) << "the warning comes once";

    viewer->Text1[0]->SetText("Agenda\r\nitem two");
    t.host.PressKey(forms::Key::Escape, 0, 27);
    EXPECT_EQ(Viewer(), nullptr) << "Escape saves and closes";
    EXPECT_EQ(Read(LibPath(1, "group0.2")), TextClipBytes("Agenda\r\nitem two"));
    EXPECT_EQ(Item(2).Caption(), "Meeting notes");
    EXPECT_EQ(app.store.ClipPasteMode[2], 4);
    EXPECT_FALSE(app.editing.EditorOpen);
    EXPECT_EQ(app.MainWindow().WindowState(), forms::WindowState::Normal)
        << "the Escape's release must not minimize the main window";
    EXPECT_EQ(StoredSettings().ViewerWidth, static_cast<float>(viewer->Width()));
}

TEST_F(ClipDialogs, AnUntouchedTextKeepsItsFileWhileTitleModeAndColourAreStored) {
    const files::Bytes older = OlderLayout(1, std::string("plain words") + '\0');
    PutGroupClip(5, "Words", older);
    PutGroupClip(6, "Other", OlderLayout(1, "x"));
    StartWithClips();

    t.host.Click(Item(5), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->PasteOption[0]->Value()) << "a mode never set shows as \"Clip\"";
    t.host.ChooseMenu(viewer->wordwrap);
    EXPECT_TRUE(viewer->Text1[1]->Visible());
    EXPECT_FALSE(viewer->wordwrap.Checked());
    t.host.ChooseMenu(viewer->wordwrap);
    viewer->title.SetText("Words, renamed");
    Choose(*viewer->Colr[4], t);
    Choose(*viewer->PasteOption[2], t);
    t.host.Click(viewer->OKBtn);

    EXPECT_EQ(Read(LibPath(1, "group0.5")), older) << "an untouched text keeps every byte";
    EXPECT_EQ(Item(5).Caption(), "Words, renamed");
    EXPECT_EQ(Item(5).BackColor(), SwatchColor(4));
    EXPECT_EQ(app.store.ClipPasteMode[5], PasteMode::WebPage);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 4 * 5),
              static_cast<std::int32_t>(SwatchColor(4)));

    // Opened again: the stored colour is found among the swatches; "Group Clr" stores 0.
    t.host.Click(Item(5), MouseButton::Right);
    viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->Colr[4]->Value());
    Choose(*viewer->Colr[13], t);
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 4 * 5), 0);
    EXPECT_EQ(Item(5).BackColor(), static_cast<forms::Color>(app.settings.GroupClipColor));
}

TEST_F(ClipDialogs, ATitleIsRequiredAndEnterSavesOnlyFromTheTitleBox) {
    PutGroupClip(0, "Short", OlderLayout(1, "text"));
    StartWithClips();
    t.host.Click(Item(0), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);

    viewer->title.SetText("   ");
    const int beeps = Beeps();
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(Viewer(), viewer) << "nothing stored, the viewer stays";
    EXPECT_EQ(viewer->title.Text(), "A title is required.");
    EXPECT_EQ(Beeps(), beeps + 2);
    EXPECT_EQ(Item(0).Caption(), "Short");

    viewer->Text1[0]->SetFocus();
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(Viewer(), viewer) << "Enter in the text is a line break";
    viewer->title.SetFocus();
    viewer->title.SetText(std::string(50, 'T'));
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(Item(0).Caption(), std::string(50, 'T')) << "fifty characters are stored whole";
}

TEST_F(ClipDialogs, APictureClipPreviewsAndItsSaveLeavesTheFile) {
    const files::Bytes picture = CurrentLayout({{8, "", Dib()}});
    PutGroupClip(3, "Logo", picture);
    StartWithClips();
    const auto clipboardBefore = t.clipboard.formats;
    t.host.Click(Item(3), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->Caption(), " Clip Preview ");
    EXPECT_TRUE(viewer->PictureFrame.Visible());
    EXPECT_FALSE(viewer->Text1[0]->Visible());
    EXPECT_FALSE(viewer->Text1[0]->Enabled());
    EXPECT_EQ(viewer->Text1[0]->Text(), "Non Text Clip");
    EXPECT_EQ(viewer->Image1.Picture().size(), 44u);
    t.host.ChooseMenu(viewer->editmenu);
    EXPECT_FALSE(viewer->wordwrap.Enabled());
    EXPECT_FALSE(viewer->Cut.Enabled());
    EXPECT_EQ(viewer->StretchBtn.Caption(), "True Size");
    t.host.Click(viewer->StretchBtn);
    EXPECT_FALSE(viewer->Image1.Stretch());
    EXPECT_EQ(viewer->StretchBtn.Caption(), "Fit To Viewer");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(Read(LibPath(1, "group0.3")), picture);
    EXPECT_EQ(t.clipboard.formats, clipboardBefore) << "previewing leaves the clipboard alone";
}

TEST_F(ClipDialogs, AClipboardClipEditsTitleAndTextOnlyAndTakesPastesWhileOpen) {
    Start();
    edit().SetWindowState(forms::WindowState::Normal);
    t.clipboard.PutFromOtherProgram({{1, {'f', 'i', 'r', 's', 't', 0}}});
    t.host.AdvanceTime(1000);
    t.clipboard.PutFromOtherProgram({{1, {'s', 'e', 'c', 'o', 'n', 'd', 0}}});
    t.host.AdvanceTime(1000);
    ASSERT_EQ(app.clip.ClipboardClipCount, 2);

    forms::Label& newest = *edit().clipboardPanel.ClipboardClip[1];
    t.host.Click(*edit().clipboardPanel.ClipboardClip[5], MouseButton::Right);
    EXPECT_EQ(Viewer(), nullptr) << "nothing to edit beyond the history";
    t.host.Click(newest, MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    EXPECT_FALSE(viewer->Frame1.Visible());
    EXPECT_FALSE(viewer->PasteOption[0]->Visible());
    EXPECT_FALSE(viewer->Label1[1]->Visible());
    EXPECT_EQ(viewer->Text1[0]->Text(), "second");

    // A clip clicked meanwhile pastes its text into the editor, at the selection.
    viewer->Text1[0]->SetSelStart(6);
    t.host.Click(*edit().clipboardPanel.ClipboardClip[0]);
    t.host.AdvanceTime(200);
    EXPECT_EQ(viewer->Text1[0]->Text(), "secondfirst");
    EXPECT_TRUE(viewer->Loaded());

    viewer->title.SetText("Edited");
    t.host.Click(viewer->OKBtn);
    EXPECT_TRUE(app.clip.TitlePending) << "the edited text becomes the newest clip";
    ASSERT_FALSE(t.clipboard.formats.empty());
    const std::vector<std::uint8_t> expected = {'s', 'e', 'c', 'o', 'n', 'd',
                                                'f', 'i', 'r', 's', 't', 0};
    EXPECT_EQ(t.clipboard.formats[0].second, expected);
    t.host.AdvanceTime(1000);
    EXPECT_EQ(app.clip.ClipboardClipCount, 3);
    EXPECT_EQ(files::TrimRight(edit().clipboardPanel.ClipboardClip[2]->Caption()), "Edited");
}

TEST_F(ClipDialogs, APreviewTakesNoPasteAndAnEditorTakesItWithTheFocusInItsText) {
    const files::Bytes picture = CurrentLayout({{8, "", Dib()}});
    const files::Bytes other = CurrentLayout({{0xC100, "HTML Format", "<b>no text</b>"}});
    PutGroupClip(3, "Logo", picture);
    PutGroupClip(4, "Words", OlderLayout(1, std::string("some words") + '\0'));
    PutGroupClip(5, "Rich",
                 CurrentLayout({{1, "", std::string("rich") + '\0'},
                                {0xC100, "HTML Format", "<b>rich</b>"}}));
    PutGroupClip(6, "Other", other);
    StartWithClips();

    for (const int n : {3, 6}) {
        t.host.Click(Item(n), MouseButton::Right);
        view* viewer = Viewer();
        ASSERT_NE(viewer, nullptr);
        const int beeps = Beeps();
        t.host.Click(Item(4));
        t.host.AdvanceTime(200);
        EXPECT_EQ(viewer->Text1[0]->Text(), "Non Text Clip") << "no paste into the disabled box";
        EXPECT_EQ(viewer->Text1[1]->Text(), "Non Text Clip");
        EXPECT_EQ(Beeps(), beeps + 2) << "refused with the two tones";
        viewer->title.SetFocus();
        t.host.PressKey(forms::Key::Escape, 0, 27);
        EXPECT_EQ(Viewer(), nullptr);
    }
    EXPECT_EQ(Read(LibPath(1, "group0.3")), picture) << "the picture clip keeps its file";
    EXPECT_EQ(Read(LibPath(1, "group0.6")), other);

    t.host.Click(Item(4), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    t.host.Click(Item(5));
    t.host.AdvanceTime(200);
    EXPECT_EQ(viewer->Text1[0]->Text(), "richsome words");
    EXPECT_EQ(t.host.FocusedControl(), viewer->Text1[0]) << "the focus goes to the text";
    t.host.Click(viewer->cancelbtn);

    t.host.Click(Item(5), MouseButton::Right);
    viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    std::vector<std::string> modals;
    t.host.onModal = [&](forms::Form& form) { modals.push_back(form.Name()); };
    t.host.Click(Item(4));
    t.host.AdvanceTime(200);
    EXPECT_EQ(viewer->Text1[0]->Text(), "some wordsrich");
    EXPECT_EQ(modals, std::vector<std::string>{"warn"})
        << "the warning comes before a save can lose the other formats";
}

TEST_F(ClipDialogs, AClipboardClipsEditorFollowsItsClipAsTheHistoryMoves) {
    StartWithClips();
    auto copy = [&](const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        t.clipboard.PutFromOtherProgram({{1, bytes}});
        t.host.AdvanceTime(1000);
    };
    auto title = [&](int i) {
        return files::TrimRight(
            edit().clipboardPanel.ClipboardClip[static_cast<size_t>(i)]->Caption());
    };
    auto editClip = [&](int i) {
        t.host.Click(*edit().clipboardPanel.ClipboardClip[static_cast<size_t>(i)],
                     MouseButton::Right);
        return Viewer();
    };
    for (int i = 0; i < 9; ++i) {
        copy("clip " + std::to_string(i));
    }
    view* viewer = editClip(2);
    ASSERT_NE(viewer, nullptr);
    copy("clip 9");
    ASSERT_EQ(title(1), "clip 2") << "the full history moved down one";
    viewer->title.SetText("Third");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(title(1), "Third") << "the title goes with its clip";
    EXPECT_EQ(title(2), "clip 3");
    EXPECT_FALSE(app.clip.TitlePending);

    // The clip leaves the history: its title and text are saved as a new clip.
    viewer = editClip(0);
    ASSERT_NE(viewer, nullptr);
    copy("clip 10");
    viewer->title.SetText("First again");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(title(0), "Third") << "the clip that moved into its place keeps its title";
    t.host.AdvanceTime(1000);
    EXPECT_EQ(title(8), "First again");
    const files::Bytes saved = Read(DataPath("clip.8"));
    EXPECT_NE(std::string(saved.begin(), saved.end()).find(std::string("clip 1") + '\0'),
              std::string::npos)
        << "with its text";

    // "Batch": the next copy starts a new history, and the clip has left it.
    viewer = editClip(4);
    ASSERT_NE(viewer, nullptr);
    app.clip.ClearOnNextCapture = true;
    copy("new batch");
    ASSERT_EQ(app.clip.ClipboardClipCount, 1);
    viewer->title.SetText("Kept");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(title(0), "new batch");
    t.host.AdvanceTime(1000);
    EXPECT_EQ(app.clip.ClipboardClipCount, 2);
    EXPECT_EQ(title(1), "Kept");
}

TEST_F(ClipDialogs, EnterOnTheClipSettingsOkWithABlankTitleIsRefusedOnce) {
    StartWithClips();
    t.host.onModal = [&](forms::Form& form) {
        auto& settings = static_cast<Settings&>(form);
        settings.title.SetText("");
        settings.Command1.SetFocus();
        t.host.PressKey(forms::Key::Return, 0, 13);
        EXPECT_TRUE(settings.Loaded()) << "the blank title is refused";
        EXPECT_EQ(settings.title.Text(), "A title is required.");
        EXPECT_EQ(t.host.FocusedControl(), &settings.title);
        EXPECT_EQ(Item(7).Caption(), "") << "the key's release stores nothing";
        t.host.Click(settings.Command1);
    };
    OpenClipSettings(app, 7);
    EXPECT_EQ(Item(7).Caption(), "A title is required.") << "a second, deliberate OK stores it";
}

TEST_F(ClipDialogs, AShortcutIsNeverOpenedAsTextAndAHotKeyClipRegistersItsLetter) {
    files::Bytes shortcut(1522, 0);
    files::WriteInt16(shortcut, 0, kShortcutMarker);
    Put(DataPath("trans.4"), shortcut);
    Put(DataPath("trans.dat"), Text(Padded("") + Padded("") + Padded("") + Padded("") +
                                    Padded("Editor") + std::string(150, ' ')));
    StartWithClips();
    std::vector<std::string> modals;
    t.host.onModal = [&](forms::Form& form) { modals.push_back(form.Name()); };
    t.host.Click(Slot(4), MouseButton::Right);
    t.host.onModal = nullptr;
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_FALSE(app.editing.EditorOpen);
    EXPECT_EQ(modals, std::vector<std::string>{"LaunchPad"}) << "the shortcut editor opens it";
    EXPECT_EQ(Read(DataPath("trans.4")), shortcut) << "closed without saving, it stays";

    t.host.Click(GroupName(22));
    ASSERT_EQ(app.settings.CurrentGroup, 22);
    const std::int32_t altC = platform::HookKey::Alt | 'C';
    EXPECT_EQ(t.keyboard.watched.count(altC), 0u);
    t.host.Click(Item(2), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    viewer->title.SetText("Signature");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(t.keyboard.watched.count(altC), 1u) << "Alt+C now pastes the new clip";
}

TEST_F(ClipDialogs, TheViewerKeepsItsMinimumSizeAndItsTwoSizeCommands) {
    PutGroupClip(1, "Sized", OlderLayout(1, "text"));
    StartWithClips();
    t.host.Click(Item(1), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    viewer->Move(viewer->Left(), viewer->Top(), 3000, 2000);
    EXPECT_EQ(viewer->Width(), 6828);
    EXPECT_EQ(viewer->Height(), 3900);
    t.host.ChooseMenu(viewer->Default);
    EXPECT_EQ(viewer->Width(), 6828);
    EXPECT_EQ(viewer->Height(), 5064);
    EXPECT_EQ(viewer->Left(), (t.host.screen.widthTwips - 6828) / 2);
    t.host.ChooseMenu(viewer->Wide);
    EXPECT_EQ(viewer->Width(), app.settings.LargeWindow == 1 ? 12048 : 9564);
    EXPECT_LE(viewer->title.Width(), 5088);
    EXPECT_GT(viewer->Text1[0]->Height(), 0);
    EXPECT_LT(viewer->Text1[0]->Top() + viewer->Text1[0]->Height(), viewer->title.Top());
    t.host.Click(viewer->cancelbtn);
    EXPECT_EQ(StoredSettings().ViewerWidth, static_cast<float>(viewer->Width()));
}

TEST_F(ClipDialogs, TheClipSettingsRememberThePasteOptionAndStartAtTheGroupColour) {
    StartWithClips();
    int opened = 0;
    t.host.onModal = [&](forms::Form& form) {
        auto& settings = static_cast<Settings&>(form);
        ++opened;
        EXPECT_TRUE(settings.Colr[13]->Value()) << "the colour starts at \"Group Clr\"";
        if (opened == 1) {
            EXPECT_TRUE(settings.PasteOption[0]->Value());
            settings.title.SetText("  ");
            t.host.Click(settings.Command1);
            EXPECT_EQ(settings.title.Text(), "A title is required.");
            settings.title.SetText("Dropped");
            Choose(*settings.PasteOption[4], t);
            Choose(*settings.Colr[7], t);
            t.host.Click(settings.Command1);
        } else {
            EXPECT_TRUE(settings.PasteOption[4]->Value()) << "the option clicked the last time";
            settings.title.SetText("Second");
            settings.title.SetFocus();
            t.host.PressKey(forms::Key::Escape, 0, 27);
            EXPECT_TRUE(settings.Loaded()) << "Escape does nothing";
            t.host.PressKey(forms::Key::Return, 0, 13);
            EXPECT_FALSE(settings.Loaded()) << "Enter in the title is OK";
        }
    };
    OpenClipSettings(app, 7);
    EXPECT_EQ(Item(7).Caption(), "Dropped");
    EXPECT_EQ(Item(7).BackColor(), SwatchColor(7));
    EXPECT_EQ(app.store.ClipPasteMode[7], PasteMode::FormClip);
    OpenClipSettings(app, 8);
    EXPECT_EQ(Item(8).Caption(), "Second");
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 4 * 8), 0) << "\"Group Clr\" is 0";
    EXPECT_EQ(opened, 2);
}

TEST_F(ClipDialogs, GroupnamerRenamesAGroupAndWritesItsColourInItsFourBytes) {
    StartWithClips();
    Put(LibPath(1, "groups.clr"), files::Bytes(128, 0x11));
    std::vector<std::string> typed = {"Recipes", "", "   "};
    size_t next = 0;
    t.host.onModal = [&](forms::Form& form) {
        if (form.Name() != "Groupnamer") {
            return;
        }
        auto& namer = static_cast<Groupnamer&>(form);
        EXPECT_FALSE(namer.Colr[12]->Value()) << "a stored colour of no swatch selects none";
        namer.title.SetText(typed[next]);
        if (next == 0) {
            Choose(*namer.Colr[3], t);
        }
        if (next == 1) {
            Choose(*namer.Colr[12], t);
        }
        ++next;
        namer.title.SetFocus();
        t.host.PressKey(forms::Key::Return, 0, 13);
    };
    t.host.Click(GroupName(5), MouseButton::Right);
    EXPECT_EQ(app.settings.CurrentGroup, 5) << "a right click chooses the group first";
    EXPECT_EQ(GroupName(5).Caption(), "Recipes");
    const files::Bytes colors = Read(LibPath(1, "groups.clr"));
    EXPECT_EQ(files::ReadInt32(colors, 20), static_cast<std::int32_t>(SwatchColor(3)));
    EXPECT_EQ(files::ReadInt32(colors, 16), 0x11111111) << "no other group's bytes change";
    EXPECT_EQ(colors.size(), 128u);
    EXPECT_EQ(Read(LibPath(1, "Groups.dat")).size(), 1600u);

    t.host.Click(GroupName(31), MouseButton::Right);
    EXPECT_EQ(GroupName(31).Caption(), "Untitled");
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "groups.clr")), 124), 0) << "\"Group Clr\" is 0";
    t.host.Click(GroupName(0), MouseButton::Right);
    EXPECT_EQ(GroupName(0).Caption(), "   ") << "blanks are a name";

    t.host.Click(GroupName(22), MouseButton::Right);
    EXPECT_EQ(next, 3u) << "\"Hot Key Clips\" is never renamed";
    EXPECT_EQ(app.HelpTopic, 11);
}

}  // namespace
}  // namespace mirvo
