#include "store/EditedClip.h"

#include "app/ClipboardState.h"
#include "app/EditContext.h"
#include "app/StoreState.h"
#include "clipboard/History.h"
#include "store/Groups.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

class EditedClip : public test::StoreFixture {
protected:
    void Edit(int source, int index, const std::string& title) {
        edited.EditSource = source;
        edited.EditIndex = index;
        edited.EditGroup = app.settings.CurrentGroup;
        edited.EditTextChanged = 0;
        edited.EditPasteMode = 3;
        edited.EditColor = 0;
        app.clip.PendingTitle = Padded(title);
    }
    // The context of the dialog that saves.
    EditContext edited;
    std::string StoredTitle(const std::string& path, int n) {
        const files::Bytes stored = Read(path);
        return std::string(stored.begin() + 50 * n, stored.begin() + 50 * (n + 1));
    }
};

TEST_F(EditedClip, AGroupClipOfAnotherGroupIsSavedThereWithItsNewText) {
    Start();
    Edit(2, 4, "Renamed");
    edited.EditGroup = 6;
    edited.EditPasteMode = 2;
    edited.EditColor = 0x0080FF;
    edited.EditTextChanged = 1;
    app.clip.ClipText = "new text";
    SaveEditedClip(app, edited);

    EXPECT_EQ(app.settings.CurrentGroup, 6) << "the panel switched to the clip's group";
    EXPECT_EQ(app.store.GroupDataPrefix, LibPath(1, "group6."));
    EXPECT_EQ(Item(4).Caption(), "Renamed");
    EXPECT_EQ(Item(4).BackColor(), 0x0080FFu);
    EXPECT_EQ(StoredTitle(LibPath(1, "group6.dat"), 4), Padded("Renamed"));
    EXPECT_EQ(Read(LibPath(1, "group6.mod"))[4], 2);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr6.dat")), 16), 0x0080FF);

    files::Bytes textClip = {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 8, 0, 0, 0};
    const files::Bytes text = Text("new text");
    textClip.insert(textClip.end(), text.begin(), text.end());
    EXPECT_EQ(Read(LibPath(1, "group6.4")), textClip);
}

TEST_F(EditedClip, AnUnchangedTextLeavesTheDataFileAndADefaultColourIsStoredAsZero) {
    Put(LibPath(1, "group0.3"), Text("all formats"));
    Start();
    Edit(2, 3, "Title only");
    SaveEditedClip(app, edited);
    EXPECT_EQ(Read(LibPath(1, "group0.3")), Text("all formats"));
    EXPECT_EQ(Item(3).BackColor(), static_cast<forms::Color>(app.settings.GroupClipColor));
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 12), 0);
}

TEST_F(EditedClip, TheHighlightKeepsTheColourOfTheClipItIsOn) {
    Start();
    // The highlight is on slot 0, whose true colour is red.
    Item(0).SetCaption("Highlighted");
    Item(0).SetBackColor(forms::kHighlight);
    app.store.HighlightPos = 9;
    app.store.HighlightColor = 0x0000FF;

    Edit(2, 1, "Edited");
    edited.EditColor = 0x00FF00;
    SaveEditedClip(app, edited);
    EXPECT_EQ(app.store.HighlightColor, 0x0000FFu);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 0), 0x0000FF);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 4), 0x00FF00);

    // Editing the highlighted clip itself changes the colour the highlight gives back.
    Edit(2, 0, "Highlighted");
    edited.EditColor = 0xFF00FF;
    SaveEditedClip(app, edited);
    EXPECT_EQ(app.store.HighlightColor, 0xFF00FFu);
    EXPECT_EQ(Item(0).BackColor(), forms::kHighlight);
    EXPECT_EQ(files::ReadInt32(Read(LibPath(1, "Colr0.dat")), 0), 0xFF00FF);
}

TEST_F(EditedClip, ATransferSlotKeepsItsEditInItsFiles) {
    Start();
    Edit(3, 2, "Parked");
    edited.EditPasteMode = 1;
    edited.EditTextChanged = 1;
    app.clip.ClipText = "abc";
    SaveEditedClip(app, edited);
    EXPECT_EQ(Slot(2).Caption(), "Parked");
    EXPECT_EQ(Slot(2).BackColor(), static_cast<forms::Color>(app.settings.TransferSlotColor));
    EXPECT_EQ(StoredTitle(DataPath("trans.dat"), 2), Padded("Parked"));
    EXPECT_EQ(Read(DataPath("trans.mod"))[2], 1);
    EXPECT_EQ(Read(DataPath("trans.2")).size(), 15u);
}

TEST_F(EditedClip, AClipboardClipGetsItsNewTitleOrItsNewTextGoesToTheClipboard) {
    Start();
    edit().clipboardPanel.ClipboardClip[1]->SetCaption("Old");
    app.clip.ClipboardClipCount = 2;
    Edit(1, 1, "New title");
    SaveEditedClip(app, edited);
    EXPECT_EQ(edit().clipboardPanel.ClipboardClip[1]->Caption(), "New title");
    EXPECT_EQ(DecodeHistory(Read(DataPath("clip.dat"))).titles[1], "New title")
        << "the title lasts beyond the run";

    Edit(1, 1, "Corrected");
    edited.EditTextChanged = 1;
    app.clip.ClipText = "corrected text";
    SaveEditedClip(app, edited);
    ASSERT_EQ(t.clipboard.formats.size(), 1u);
    EXPECT_EQ(t.clipboard.formats[0].first, 1u);
    const files::Bytes text = Text(std::string("corrected text") + '\0');
    EXPECT_EQ(t.clipboard.formats[0].second, text);
    EXPECT_FALSE(t.clipboard.isOpen);
    EXPECT_EQ(app.clip.TitlePending, 1);
    EXPECT_EQ(app.clip.PendingTitle, Padded("Corrected"));
    EXPECT_EQ(app.clip.PendingText, "corrected text");
    EXPECT_EQ(edit().clipboardPanel.ClipboardClip[1]->Caption(), "New title");
}

TEST_F(EditedClip, AClipboardHeldByAnotherProgramIsRefusedAudibly) {
    Start();
    t.clipboard.PutFromOtherProgram({{1, Text(std::string("theirs") + '\0')}});
    t.clipboard.heldByOtherForOpens = 1000;
    t.desktop.beeps.clear();
    Edit(1, 0, "Title");
    edited.EditTextChanged = 1;
    app.clip.ClipText = "mine";
    SaveEditedClip(app, edited);
    EXPECT_EQ(app.clip.TitlePending, 0);
    EXPECT_EQ(t.desktop.beeps, (std::vector<std::pair<int, int>>{{100, 100}, {70, 100}}));
}

}  // namespace
}  // namespace mirvo
