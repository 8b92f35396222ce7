#include "dragdrop/Drops.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/ClipboardState.h"
#include "app/DragState.h"
#include "app/Modes.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/ClipDataFile.h"
#include "dialogs/SettingsForm.h"
#include "dialogs/ViewForm.h"
#include "forms/Color.h"
#include "panels/PanelDisplay.h"
#include "paste/BulkForm.h"
#include "platform/KeySender.h"
#include "platform/KeyboardHook.h"
#include "store/Libraries.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using forms::MouseButton;

class DragDrop : public test::StoreFixture {
protected:
    void StartWith(const std::vector<std::pair<int, std::string>>& clips, int group = 0) {
        std::string all(4800, ' ');
        for (const auto& [n, title] : clips) {
            all.replace(static_cast<size_t>(n) * 50, title.size(), title);
            Put(LibPath(1, "group" + std::to_string(group) + "." + std::to_string(n)),
                Text("data of " + title));
        }
        Put(LibPath(1, "group" + std::to_string(group) + ".dat"), Text(all));
        Start();
        edit().SetWindowState(forms::WindowState::Normal);
    }
    // Presses on the source, moves it beyond the start distance and drops it on the target.
    void Drag(forms::Control& source, forms::Control& target,
              MouseButton button = MouseButton::Left, forms::Control* passing = nullptr) {
        StartDrag(source, button);
        if (passing) {
            t.host.DragOver(*passing);
        }
        t.host.Drop(target);
    }
    void StartDrag(forms::Control& source, MouseButton button = MouseButton::Left) {
        t.host.MouseDown(source, button, 100, 100);
        t.host.MouseMove(source, 100, 110, button);
        ASSERT_EQ(t.host.DragSource(), nullptr) << "20 twips do not start a drag";
        t.host.MouseMove(source, 100, 121, button);
        ASSERT_EQ(t.host.DragSource(), &source) << source.Name();
    }
    void Copy(const std::string& text) {
        std::vector<std::uint8_t> bytes(text.begin(), text.end());
        bytes.push_back(0);
        t.clipboard.PutFromOtherProgram({{1, bytes}});
        t.host.AdvanceTime(1000);
    }
    forms::Label& Clip(int i) {
        return *edit().clipboardPanel.ClipboardClip[static_cast<size_t>(i)];
    }
    forms::Label& Trash() { return *edit().controlPanel.TrashLabel[3]; }
    forms::Control& BulkButton() { return *edit().controlPanel.CaptureMode[Capture::Bulk]; }
    std::string Data(int group, int n) const {
        const std::string path =
            LibPath(1, "group" + std::to_string(group) + "." + std::to_string(n));
        if (!std::filesystem::exists(path)) {
            return "<none>";
        }
        const files::Bytes bytes = Read(path);
        return std::string(bytes.begin(), bytes.end());
    }
    // The clip viewer open on the main window, or nullptr.
    view* Viewer() {
        for (forms::Form* form : t.host.LoadedForms()) {
            if (form->Name() == "view") {
                return static_cast<view*>(form);
            }
        }
        return nullptr;
    }
    // The clip settings, when a clipboard clip is dropped, store the title given.
    void AnswerSettingsWith(const std::string& title) {
        t.host.onModal = [this, title](forms::Form& form) {
            auto& settings = static_cast<Settings&>(form);
            settings.title.SetText(title);
            t.host.Click(settings.Command1);
        };
    }
    int Beeps() const { return static_cast<int>(t.desktop.beeps.size()); }
    std::string Record(int group, int n) {
        const files::Bytes titles = Read(LibPath(1, "group" + std::to_string(group) + ".dat"));
        return files::TrimRight(std::string(titles.begin() + n * 50, titles.begin() + n * 50 + 50));
    }
};

TEST_F(DragDrop, AClipIsFiledCopiedMovedAndErasedThroughTheSlots) {
    StartWith({});
    Copy("alpha text");
    const files::Bytes clipData = Read(DataPath("clip.0"));
    std::string offered;
    t.host.onModal = [&](forms::Form& form) {
        auto& settings = static_cast<Settings&>(form);
        offered = settings.title.Text();
        settings.title.SetText("Alpha");
        t.host.Click(settings.Command1);
    };
    Drag(Clip(0), Item(3));
    EXPECT_TRUE(edit().controlPanel.BulkDropPicture.Visible());
    EXPECT_FALSE(Trash().Visible()) << "a clipboard clip cannot be erased";
    EXPECT_EQ(offered, "alpha text") << "the clip's title is offered";
    EXPECT_EQ(Item(3).Caption(), "Alpha");
    EXPECT_EQ(Read(LibPath(1, "group0.3")), clipData);
    EXPECT_EQ(GroupName(0).Caption(), "Right click to enter title");
    EXPECT_EQ(Clip(0).Caption().substr(0, 10), "alpha text") << "clipboard clips are copied";

    Drag(Item(3), Slot(1), MouseButton::Right);
    EXPECT_EQ(Slot(1).Caption(), "Alpha");
    EXPECT_EQ(Read(DataPath("trans.1")), clipData);
    EXPECT_EQ(Item(3).Caption(), "Alpha") << "a right drag copies";

    Drag(Slot(1), Item(5));
    EXPECT_EQ(Item(5).Caption(), "Alpha");
    EXPECT_EQ(Slot(1).Caption(), "") << "a left drag moves";
    EXPECT_FALSE(std::filesystem::exists(DataPath("trans.1")));
    EXPECT_EQ(app.store.TransSource[1], -1);
    EXPECT_EQ(app.store.TransPasteMode[1], 3);

    // A copy that fails (a full disk) leaves both ends as they were.
    t.fs.diskFullFor = "group0.7";
    Drag(Item(5), Item(7));
    t.fs.diskFullFor.clear();
    EXPECT_EQ(Item(7).Caption(), "");
    EXPECT_EQ(Item(5).Caption(), "Alpha");
    EXPECT_EQ(Data(0, 5), std::string(clipData.begin(), clipData.end()));

    Drag(Item(5), Item(3));
    EXPECT_EQ(Data(0, 5), std::string(clipData.begin(), clipData.end()))
        << "an occupied slot takes nothing, the source stays";
    Drag(Item(5), Item(5));
    EXPECT_EQ(Item(5).Caption(), "Alpha") << "a clip dropped on itself stays";

    Drag(Item(5), Trash());
    EXPECT_TRUE(Trash().Visible());
    EXPECT_EQ(Item(5).Caption(), "");
    EXPECT_EQ(Data(0, 5), "<none>");
    EXPECT_EQ(Record(0, 5), "");
    t.host.MouseMove(*edit().groupPanels.item[10], 0, 0);
    EXPECT_FALSE(Trash().Visible()) << "the targets go with the drag";
}

TEST_F(DragDrop, PassingOverAGroupNameOpensItAndTheSourceGroupIsTheOneEmptied) {
    StartWith({{2, "Two"}, {7, "Seven"}});
    std::string four = std::string(7 * 50, ' ') + Padded("Kept");
    four.resize(4800, ' ');
    Put(LibPath(1, "group4.dat"), Text(four));
    Put(LibPath(1, "group4.7"), Text("kept data"));

    Drag(Item(2), Item(0), MouseButton::Left, &GroupName(4));
    EXPECT_EQ(app.settings.CurrentGroup, 4) << "passing over the name opened the group";
    EXPECT_EQ(Item(0).Caption(), "Two");
    EXPECT_EQ(Data(4, 0), "data of Two");
    EXPECT_EQ(Data(0, 2), "<none>") << "moved out of group 0";
    EXPECT_EQ(Record(0, 2), "");
    EXPECT_EQ(Read(LibPath(1, "group0.mod"))[2], 3);

    t.host.Click(GroupName(0));
    Drag(Item(7), Trash(), MouseButton::Left, &GroupName(4));
    EXPECT_EQ(app.settings.CurrentGroup, 4);
    EXPECT_EQ(Record(0, 7), "") << "the erased clip is the dragged one, of group 0";
    EXPECT_EQ(Data(0, 7), "<none>");
    EXPECT_EQ(Item(7).Caption(), "Kept") << "slot 7 of the group shown is untouched";
    EXPECT_EQ(Data(4, 7), "kept data");
}

TEST_F(DragDrop, WholeGroupsAreCopiedMovedAndErasedOnlyOntoGroupsThatAreEmpty) {
    std::string names = Padded("") + Padded("Work");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    std::string seven = Padded("A clip of an unnamed group");
    seven.resize(4800, ' ');
    Put(LibPath(1, "group7.dat"), Text(seven));
    StartWith({{0, "First"}, {95, "Last"}}, 1);
    const files::Bytes records = Read(LibPath(1, "group1.dat"));

    Drag(GroupName(1), GroupName(7));
    EXPECT_EQ(GroupName(7).Caption(), "") << "a blank name over clips is no empty group";
    EXPECT_EQ(Read(LibPath(1, "group7.dat")), Text(seven));
    Drag(GroupName(1), GroupName(1));
    EXPECT_EQ(GroupName(1).Caption(), "Work");

    Drag(GroupName(1), GroupName(5), MouseButton::Right);
    EXPECT_EQ(GroupName(5).Caption(), "Work");
    EXPECT_EQ(app.settings.CurrentGroup, 5) << "the new group is shown";
    EXPECT_EQ(Item(95).Caption(), "Last");
    EXPECT_EQ(Read(LibPath(1, "group5.dat")), records);
    EXPECT_EQ(Data(5, 0), "data of First");
    EXPECT_EQ(Data(1, 0), "data of First") << "a right drag copies";

    Drag(GroupName(1), GroupName(6));
    EXPECT_EQ(GroupName(6).Caption(), "Work");
    EXPECT_EQ(GroupName(1).Caption(), "") << "a left drag moves";
    EXPECT_EQ(Data(1, 0), "<none>");
    EXPECT_FALSE(std::filesystem::exists(LibPath(1, "group1.dat")));
    EXPECT_EQ(Data(6, 95), "data of Last");

    Drag(GroupName(6), Trash());
    EXPECT_EQ(GroupName(6).Caption(), "");
    EXPECT_EQ(Data(6, 95), "<none>");
    EXPECT_EQ(Item(95).Caption(), "") << "the erased group was shown: its clips go too";
    EXPECT_EQ(Data(5, 95), "data of Last") << "the copy stays";
}

TEST_F(DragDrop, AGroupIsCarriedToAnotherLibraryInATransferSlot) {
    std::string names = Padded("") + Padded("Recipes");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    StartWith({{4, "Soup"}}, 1);
    Put(DataPath("trans.2"), Text("own clip"));

    Drag(GroupName(1), Slot(0));
    EXPECT_EQ(Slot(0).Caption(), "Recipes");
    EXPECT_EQ(app.store.TransSource[0], 1);
    SwitchLibrary(app, 2);

    Drag(Slot(0), GroupName(3));
    EXPECT_EQ(GroupName(3).Caption(), "Recipes");
    EXPECT_EQ(app.settings.CurrentGroup, 3);
    EXPECT_EQ(Item(4).Caption(), "Soup");
    const std::string copied = LibPath(2, "group3.4");
    EXPECT_EQ(Read(copied), Text("data of Soup"));
    EXPECT_EQ(Slot(0).Caption(), "");
    EXPECT_EQ(app.store.TransSource[0], -1);

    // A slot holding a clip of its own is no group: the drop does nothing.
    ShowTitle(app, 105 + 2, "Own");
    Drag(Slot(2), GroupName(8));
    EXPECT_EQ(GroupName(8).Caption(), "");
    EXPECT_EQ(Slot(2).Caption(), "Own");
    EXPECT_EQ(Read(DataPath("trans.2")), Text("own clip"));
}

TEST_F(DragDrop, TheBulkCacheTakesClipsAndGroupsUpToItsSizeAndBecomesAGroup) {
    std::string names = Padded("Three clips");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    StartWith({{0, "One"}, {1, "Two"}, {2, "Three"}});
    Copy("copied");
    Drag(Clip(0), *edit().controlPanel.BulkDrop.Container());
    Drag(GroupName(0), edit().controlPanel.BulkDrop);
    EXPECT_EQ(app.settings.BulkCount, 4);
    EXPECT_EQ(BulkButton().Caption(), "4");
    EXPECT_EQ(Read(DataPath("bulk.3")), Text("data of Three"));

    Drag(BulkButton(), GroupName(9));
    EXPECT_EQ(GroupName(9).Caption(), "Bulk Captures");
    EXPECT_EQ(app.settings.CurrentGroup, 9);
    EXPECT_EQ(files::TrimRight(Item(0).Caption()), "copied");
    EXPECT_EQ(Item(3).Caption(), "Three");
    EXPECT_EQ(Data(9, 3), "data of Three");
    EXPECT_FALSE(std::filesystem::exists(DataPath("bulk.3"))) << "moved, not copied";
    EXPECT_FALSE(std::filesystem::exists(DataPath("bulk.dat")));
    EXPECT_EQ(app.settings.BulkCount, 0);
    EXPECT_EQ(BulkButton().Caption(), "Bulk");

    for (int i = 0; i < 96; ++i) {
        AddToBulkCache(app, DataPath("clip.0"), "item");
    }
    const int beeps = static_cast<int>(t.desktop.beeps.size());
    Drag(Item(3), edit().controlPanel.BulkDrop);
    EXPECT_EQ(app.settings.BulkCount, 96);
    EXPECT_EQ(static_cast<int>(t.desktop.beeps.size()), beeps + 2) << "a full cache refuses";
    Drag(BulkButton(), Trash());
    EXPECT_EQ(app.settings.BulkCount, 0);
    EXPECT_FALSE(std::filesystem::exists(DataPath("bulk.95")));
}

TEST_F(DragDrop, AnOpenEditorSavesIntoItsOwnClipWhateverIsDroppedMeanwhile) {
    StartWith({{0, "Alpha"}});
    Copy("dropped text");
    const files::Bytes dropped = Read(DataPath("clip.0"));
    t.host.Click(Item(0), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);

    AnswerSettingsWith("Dropped");
    Drag(Clip(0), Item(4));
    ASSERT_EQ(Item(4).Caption(), "Dropped");
    viewer->Text1[0]->SetText("edited text");
    viewer->title.SetFocus();
    t.host.PressKey(forms::Key::Escape, 0, 27);
    EXPECT_EQ(Viewer(), nullptr) << "Escape saved and closed the editor";
    EXPECT_EQ(Item(4).Caption(), "Dropped") << "the dropped clip keeps its title";
    EXPECT_EQ(Read(LibPath(1, "group0.4")), dropped) << "and its data";
    EXPECT_EQ(Item(0).Caption(), "Alpha");
    EXPECT_EQ(Read(LibPath(1, "group0.0")), TextClipBytes("edited text"));
}

TEST_F(DragDrop, TheClipBeingEditedIsFollowedWhereItMovesAndIsNeitherErasedNorLost) {
    std::string names = Padded("Work");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    StartWith({{0, "Alpha"}, {1, "Beta"}});
    t.host.Click(Item(0), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);

    Drag(Item(0), Slot(2));
    Drag(Slot(2), Item(6));
    ASSERT_EQ(Item(6).Caption(), "Alpha");
    ASSERT_EQ(Item(0).Caption(), "");
    const int beeps = Beeps();
    Drag(Item(6), Trash());
    EXPECT_EQ(Item(6).Caption(), "Alpha") << "the clip being edited is not erased";
    EXPECT_EQ(Data(0, 6), "data of Alpha");
    Drag(GroupName(0), Trash());
    EXPECT_EQ(GroupName(0).Caption(), "Work") << "nor the group that holds it";
    EXPECT_EQ(Data(0, 6), "data of Alpha");
    EXPECT_EQ(Beeps(), beeps + 4) << "both refused with the two tones";
    Drag(Item(1), Trash());
    EXPECT_EQ(Item(1).Caption(), "") << "another clip is erased";

    Drag(GroupName(0), GroupName(3));
    ASSERT_EQ(app.settings.CurrentGroup, 3);
    viewer->title.SetText("Alpha renamed");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(Viewer(), nullptr);
    EXPECT_EQ(app.settings.CurrentGroup, 3);
    EXPECT_EQ(Item(6).Caption(), "Alpha renamed") << "saved where the clip went";
    EXPECT_EQ(Record(3, 6), "Alpha renamed");
    EXPECT_EQ(Data(3, 6), "data of Alpha");
    EXPECT_EQ(Item(0).Caption(), "");
    EXPECT_EQ(GroupName(0).Caption(), "") << "the moved group stays moved";
    EXPECT_FALSE(std::filesystem::exists(LibPath(1, "group0.dat")))
        << "no title was saved onto an emptied slot";
}

TEST_F(DragDrop, AnEmptySlotOpenInTheEditorTakesNoDropThatItsSaveWouldOverwrite) {
    StartWith({{0, "Alpha"}});
    for (forms::Label* empty : {&Item(5), &Slot(3)}) {
        SCOPED_TRACE(empty->Name());
        t.host.Click(*empty, MouseButton::Right);
        view* viewer = Viewer();
        ASSERT_NE(viewer, nullptr) << "the editor opens on an empty slot too";
        const int beeps = Beeps();
        Drag(Item(0), *empty);
        EXPECT_EQ(empty->Caption(), "") << "the drop is refused";
        EXPECT_EQ(Beeps(), beeps + 2);
        EXPECT_EQ(Item(0).Caption(), "Alpha");
        EXPECT_EQ(Data(0, 0), "data of Alpha") << "the clip is not moved away";
        viewer->title.SetText("Typed");
        viewer->Text1[0]->SetText("typed text");
        t.host.Click(viewer->OKBtn);
        EXPECT_EQ(empty->Caption(), "Typed") << "the editor fills it";
    }
    EXPECT_EQ(Read(LibPath(1, "group0.5")), TextClipBytes("typed text"));
    EXPECT_EQ(Read(DataPath("trans.3")), TextClipBytes("typed text"));
}

TEST_F(DragDrop, ASaveIntoAnotherGroupShowsThatGroupAsTheCurrentOne) {
    std::string names = Padded("Work");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    StartWith({{0, "Alpha"}});
    t.host.Click(Item(0), MouseButton::Right);
    view* viewer = Viewer();
    ASSERT_NE(viewer, nullptr);
    Drag(GroupName(0), GroupName(5), MouseButton::Right);
    ASSERT_EQ(app.settings.CurrentGroup, 5) << "the copy is shown";
    ASSERT_EQ(GroupName(5).BackColor(), forms::kHighlight);

    viewer->title.SetText("Alpha renamed");
    t.host.Click(viewer->OKBtn);
    EXPECT_EQ(app.settings.CurrentGroup, 0) << "the save shows the clip's own group";
    EXPECT_EQ(Item(0).Caption(), "Alpha renamed");
    EXPECT_EQ(GroupName(0).BackColor(), forms::kHighlight) << "marked as the current group";
    EXPECT_EQ(GroupName(0).ForeColor(), forms::kHighlightText);
    EXPECT_EQ(GroupName(5).BackColor(), static_cast<forms::Color>(app.settings.GroupNameColor))
        << "the group left is no longer marked";
    EXPECT_EQ(GroupName(5).ForeColor(), forms::Color{0});
}

TEST_F(DragDrop, ACopyDuringAClipboardClipsDragWaitsSoThatTheDropFilesTheClipPickedUp) {
    StartWith({});
    for (int i = 0; i < 9; ++i) {
        Copy("copy " + std::to_string(i));
    }
    AnswerSettingsWith("Picked");
    auto dropWhileACopyArrives = [&](int clip, int slot, const std::string& copied) {
        const files::Bytes picked = Read(DataPath("clip." + std::to_string(clip)));
        Clip(clip).RaiseMouseDown(MouseButton::Left, 0, 100, 100);
        Clip(clip).RaiseMouseMove(MouseButton::Left, 0, 100, 130);
        ASSERT_EQ(t.host.DragSource(), &Clip(clip));
        Copy(copied);
        t.host.Drop(Item(slot));
        EXPECT_EQ(Read(LibPath(1, "group0." + std::to_string(slot))), picked);
        EXPECT_EQ(Item(slot).Caption(), "Picked");
    };
    dropWhileACopyArrives(8, 2, "copied while dragging");
    t.host.AdvanceTime(1000);
    EXPECT_EQ(files::TrimRight(Clip(8).Caption()), "copied while dragging")
        << "captured once the drop is done";
    EXPECT_EQ(files::TrimRight(Clip(0).Caption()), "copy 1");

    // "Batch": the next copy starts a new history.
    app.clip.ClearOnNextCapture = true;
    dropWhileACopyArrives(3, 5, "a new batch");
    t.host.AdvanceTime(1000);
    EXPECT_EQ(app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(files::TrimRight(Clip(0).Caption()), "a new batch");
}

TEST_F(DragDrop, ShortcutsAndGroupReferencesNeverEnterTheBulkCache) {
    std::string names = Padded("Mixed");
    names.resize(1600, ' ');
    Put(LibPath(1, "Groups.dat"), Text(names));
    StartWith({{0, "Text"}, {1, "Tool"}, {2, "More text"}});
    files::Bytes shortcut(1522, 0);
    files::WriteInt16(shortcut, 0, kShortcutMarker);
    Put(LibPath(1, "group0.1"), shortcut);
    const int beeps = Beeps();

    Drag(Item(1), edit().controlPanel.BulkDrop);
    EXPECT_EQ(app.settings.BulkCount, 0) << "a shortcut is refused";
    EXPECT_EQ(Beeps(), beeps + 2);
    Drag(GroupName(0), edit().controlPanel.BulkDrop);
    EXPECT_EQ(app.settings.BulkCount, 2) << "a group gives its clips, not its shortcuts";
    EXPECT_EQ(Read(DataPath("bulk.1")), Text("data of More text"));
    EXPECT_EQ(Beeps(), beeps + 4);

    Drag(GroupName(0), Slot(0));
    ASSERT_EQ(app.store.TransSource[0], 0);
    Drag(Slot(0), edit().controlPanel.BulkDrop);
    EXPECT_EQ(app.settings.BulkCount, 2) << "a group reference is refused";
    EXPECT_EQ(Beeps(), beeps + 6);
    EXPECT_FALSE(std::filesystem::exists(DataPath("trans.0"))) << "no empty clip file is made";
    EXPECT_EQ(Slot(0).Caption(), "Mixed");
}

// The keys a paste sends, each Shift+Insert recorded as the text it found on the clipboard.
class PastedTexts : public platform::KeySender {
public:
    explicit PastedTexts(test::FakeClipboard& clipboard) : m_clipboard(clipboard) {}
    void Send(const std::string& keys, platform::SendWait) override {
        if (keys != "+{INSERT}") {
            sent.push_back(keys);
            return;
        }
        // The window in front pastes: it asks for the clipboard's text.
        const auto data = m_clipboard.PasteInOtherProgram(platform::Format::Text, 0x4242);
        sent.push_back(data ? std::string(data->begin(), std::find(data->begin(), data->end(), 0))
                            : "(no text)");
    }
    std::vector<std::string> sent;

private:
    test::FakeClipboard& m_clipboard;
};

TEST_F(DragDrop, TheBulkButtonDroppedToPasteStartsTheBulkPasteAndNothingElseDoes) {
    StartWith({{0, "Filed"}});
    t.desktop.foreground = 0x4242;  // the user works in another program
    PastedTexts pasted(t.clipboard);
    app.os.keySender = &pasted;
    ControlPanel& panel = edit().controlPanel;
    int asked = 0;
    bool targetShown = false;
    t.host.onModal = [&](forms::Form& form) {
        auto& bulk = dynamic_cast<BulkForm&>(form);
        ++asked;
        targetShown = panel.BulkPaste.Visible() && panel.BulkPastelabel[0]->Visible();
        t.host.Click(*bulk.spaceoption[BulkSeparator::NewLine]);
        t.host.Click(bulk.OKBtn);
    };
    t.host.Click(BulkButton());
    Copy("alpha");
    Copy("beta");
    ASSERT_EQ(app.settings.BulkCount, 2);

    std::vector<forms::Control*> targets(panel.BulkPastelabel.begin(), panel.BulkPastelabel.end());
    targets.push_back(&panel.BulkPaste);
    for (forms::Control* source :
         {static_cast<forms::Control*>(&Item(0)), static_cast<forms::Control*>(&Clip(0))}) {
        StartDrag(*source);
        for (forms::Control* target : targets) {
            EXPECT_FALSE(t.host.Reachable(*target))
                << target->Name() << " shows only for the \"Bulk\" button";
        }
        t.host.Drop(*source);
        EXPECT_EQ(asked, 0);
        EXPECT_TRUE(pasted.sent.empty());
    }
    EXPECT_EQ(Item(0).Caption(), "Filed");
    EXPECT_EQ(app.settings.BulkCount, 2);

    for (forms::Control* target : targets) {
        SCOPED_TRACE(target->Name());
        pasted.sent.clear();
        edit().SetWindowState(forms::WindowState::Normal);
        asked = 0;
        targetShown = false;
        Drag(BulkButton(), *target);
        EXPECT_EQ(asked, 1) << "the separator is asked for";
        EXPECT_TRUE(targetShown) << "the drag of the \"Bulk\" button shows the target";
        EXPECT_EQ(pasted.sent, (std::vector<std::string>{"alpha", "{ENTER}", "beta"}));
        EXPECT_EQ(edit().WindowState(), forms::WindowState::Minimized);
        EXPECT_FALSE(panel.BulkPaste.Visible()) << "the drop targets go with the paste";
        EXPECT_FALSE(Trash().Visible());
        EXPECT_EQ(app.settings.BulkCount, 2) << "the cache is kept";
    }
}

TEST_F(DragDrop, HotKeyClipsDroppedInOrOutWatchTheirLetter) {
    StartWith({{1, "Sig"}});
    t.host.Click(GroupName(22));
    Put(DataPath("group22.0"), Text("x"));
    const std::int32_t altB = platform::HookKey::Alt | 'B';
    EXPECT_EQ(t.keyboard.watched.count(altB), 0u);
    t.host.Click(GroupName(0));
    Drag(Item(1), Item(1), MouseButton::Left, &GroupName(22));
    EXPECT_EQ(Item(1).Caption(), "Sig");
    EXPECT_EQ(t.keyboard.watched.count(altB), 1u) << "Alt+B pastes the new hot-key clip";
    Drag(Item(1), Trash());
    EXPECT_EQ(t.keyboard.watched.count(altB), 0u);
}

TEST_F(DragDrop, AClipboardClipDragFromACompactDisplayReturnsToIt) {
    StartWith({});
    Copy("compact");
    t.host.Click(*edit().clipboardPanel.SizerBtn[ClipboardOnly::Vertical]);
    ASSERT_EQ(app.settings.ClipboardOnlyMode, ClipboardOnly::Vertical);
    t.host.MouseDown(Clip(0), MouseButton::Left);
    t.host.MouseMove(Clip(0), 0, 40, MouseButton::Left);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, ClipboardOnly::Off) << "the full window opens";
    EXPECT_TRUE(edit().groupPanels.CtrlFrame1.Visible());
    t.host.Drop(GroupName(3));
    t.host.MouseMove(Clip(1), 0, 0);
    EXPECT_EQ(app.settings.ClipboardOnlyMode, ClipboardOnly::Vertical) << "and goes again";
}

}  // namespace
}  // namespace mirvo
