#include "store/TransferSlots.h"

#include "app/StoreState.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

using forms::Color;

class TransferSlots : public test::StoreFixture {
protected:
    Color SlotColor() const { return static_cast<Color>(app.settings.TransferSlotColor); }
    files::Bytes TransTitles(std::initializer_list<std::string> titles,
                             std::initializer_list<std::int16_t> sources) {
        std::string text;
        for (const std::string& title : titles) {
            text += Padded(title);
        }
        text.resize(400, ' ');
        files::Bytes bytes = Text(text);
        for (int k = 0; k < 8; ++k) {
            files::WriteInt16(bytes, 400 + 2 * static_cast<size_t>(k), -1);
        }
        size_t k = 0;
        for (const std::int16_t source : sources) {
            files::WriteInt16(bytes, 400 + 2 * k++, source);
        }
        return bytes;
    }
};

TEST_F(TransferSlots, AFirstStartCreatesTheThreeFiles) {
    Start();
    files::Bytes expected = Text(std::string(400, ' '));
    expected.resize(416, 0xFF);
    EXPECT_EQ(Read(DataPath("trans.dat")), expected);
    EXPECT_EQ(Read(DataPath("trans.mod")), files::Bytes(8, 3));
    EXPECT_EQ(Read(DataPath("trans.clr")), files::Bytes(32, 0));
    for (int k = 0; k < 8; ++k) {
        EXPECT_EQ(Slot(k).Caption(), "");
        EXPECT_EQ(Slot(k).BackColor(), SlotColor());
    }
}

TEST_F(TransferSlots, OwnClipsComeBackAndGroupReferencesComeBackEmpty) {
    Put(DataPath("trans.dat"),
        TransTitles({"Own clip", "Group reference", "", "Own too"}, {-1, 4, -1, -1}));
    Put(DataPath("trans.mod"), {1, 2, 3, 4, 3, 3, 3, 3});
    Put(DataPath("trans.clr"), Longs({0x0000FF, 0x00FF00, 0, 0}, 8));
    Start();

    EXPECT_EQ(Slot(0).Caption(), "Own clip");
    EXPECT_EQ(Slot(0).BackColor(), 0x0000FFu);
    EXPECT_EQ(app.store.TransPasteMode[0], 1);
    EXPECT_EQ(Slot(3).Caption(), "Own too");
    EXPECT_EQ(app.store.TransPasteMode[3], 4);
    EXPECT_EQ(Slot(3).BackColor(), SlotColor());

    // The emptied slot is an empty slot of its own, not a reference to group 1.
    EXPECT_EQ(Slot(1).Caption(), "");
    EXPECT_EQ(app.store.TransSource[1], -1);
    EXPECT_EQ(app.store.TransSourceFolder[1], "");
    EXPECT_EQ(app.store.TransPasteMode[1], 3);

    SaveTransferSlots(app);
    const files::Bytes saved = Read(DataPath("trans.dat"));
    ASSERT_EQ(saved.size(), 416u);
    EXPECT_EQ(std::string(saved.begin() + 50, saved.begin() + 100), std::string(50, ' '));
    EXPECT_EQ(files::ReadInt16(saved, 402), -1);
    EXPECT_EQ(Read(DataPath("trans.mod")), (files::Bytes{1, 3, 3, 4, 3, 3, 3, 3}));
}

TEST_F(TransferSlots, SavingStoresTheTrueColourOfTheHighlightedSlotAndZeroForTheDefault) {
    Start();
    Slot(0).SetCaption("Default");
    Slot(1).SetCaption("Red");
    Slot(1).SetBackColor(0x0000FF);
    Slot(2).SetCaption("Highlighted");
    Slot(2).SetBackColor(forms::kHighlight);
    app.store.HighlightPos = 105 + 2;
    app.store.HighlightColor = 0xFF0000;
    SaveTransferSlots(app);
    const files::Bytes colors = Read(DataPath("trans.clr"));
    ASSERT_EQ(colors.size(), 32u);
    EXPECT_EQ(files::ReadInt32(colors, 0), 0);
    EXPECT_EQ(files::ReadInt32(colors, 4), 0x0000FF);
    EXPECT_EQ(files::ReadInt32(colors, 8), 0xFF0000);

    // A new default colour reaches every slot stored as 0.
    app.settings.TransferSlotColor = 0x00FFFF;
    app.store.HighlightPos = 0;
    LoadTransferSlots(app);
    EXPECT_EQ(Slot(0).BackColor(), 0x00FFFFu);
    EXPECT_EQ(Slot(1).BackColor(), 0x0000FFu);
    EXPECT_EQ(Slot(2).BackColor(), 0xFF0000u);
}

TEST_F(TransferSlots, AShortTitleFileKeepsItsTitles) {
    Put(DataPath("trans.dat"), Text(Padded("Only title")));
    Start();
    EXPECT_EQ(Slot(0).Caption(), "Only title") << "the missing sources mean own clips";
    EXPECT_EQ(Slot(1).Caption(), "");
}

}  // namespace
}  // namespace mirvo
