// The bulk paste into Wine's notepad: the bulk key, the window that asks for the separator, and
// every item in notepad in the order it was copied.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "clipboard/ClipDataFile.h"
#include "e2e/PasteFixture.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {
namespace {

// For a paste that did not arrive: where the keys would have gone.
std::string WhatIsInFront(HWND bulk) {
    char title[256] = "";
    GetWindowTextA(GetForegroundWindow(), title, sizeof title);
    return std::string(" (in front: \"") + title + "\"; the bulk window " +
           (IsWindowVisible(bulk) ? "still shows)" : "has gone)");
}

TEST_F(BulkPaste, ThreeBulkCapturesGoIntoNotepadWithTheChosenSeparator) {
    Start();
    Click("Bulk");  // the capture mode "Bulk"
    ASSERT_TRUE(Showing("0")) << "the bulk button counts the cache: " << VisibleTexts(main);
    const char* copies[] = {"alpha", "beta", "gamma"};
    for (int n = 0; n < 3; ++n) {
        notepad->Copy(copies[n]);
        ASSERT_TRUE(WaitFor([&] { return StoredSetting(kBulkCountAt) == n + 1; }, 5000))
            << copies[n];
    }

    HWND bulk = PressTheBulkKey();
    ASSERT_NE(bulk, nullptr) << "the bulk key shows the separator window";
    wintest::PressKey('3');  // "Blank line between clips", saved at once
    ASSERT_TRUE(WaitFor([&] { return StoredSetting(kBulkSpacingAt) == 2; }, 3000));
    ClickIn(bulk, "Paste");
    EXPECT_TRUE(notepad->Shows("alpha\r\n\r\nbeta\r\n\r\ngamma")) << notepad->Text();
    EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));

    // The window stays minimized: the bulk key works from there too.
    bulk = PressTheBulkKey();
    ASSERT_NE(bulk, nullptr);
    ClickIn(bulk, "4");  // "User supplied text": the focus goes to the text box
    ASSERT_TRUE(WaitFor([&] { return StoredSetting(kBulkSpacingAt) == 3; }, 3000));
    wintest::TypeText(" 3 ");  // a digit typed there stays text
    ClickIn(bulk, "Paste");
    EXPECT_TRUE(notepad->Shows("alpha 3 beta 3 gamma")) << notepad->Text() << WhatIsInFront(bulk);
    const std::vector<std::uint8_t> spacer = ReadBytes(setup.ProgramFolder() + "Spacer.txt");
    EXPECT_EQ(std::string(spacer.begin(), spacer.end()), " 3 ");
    LetThePollSeeIt();
    EXPECT_EQ(HistoryCount(History()), 3) << "neither the clips nor the text were captured again";
    EXPECT_EQ(StoredSetting(kBulkCountAt), 3);
}

TEST_F(BulkPaste, NinetySixItemsArriveWholeAndInOrder) {
    Start();
    std::string titles;
    std::string expected;
    for (int n = 0; n < 96; ++n) {
        const std::string text = "Bulk item " + std::to_string(n);
        WriteBytes(setup.ProgramFolder() + "bulk." + std::to_string(n), TextClipBytes(text));
        titles += Padded(text);
        expected += (n > 0 ? "\r\n" : "") + text;
    }
    WriteBytes(setup.ProgramFolder() + "bulk.dat", Text(titles));
    RestartWithSettings({{kBulkCountAt, 96}, {kBulkSpacingAt, 1}});  // "New line between clips"
    ASSERT_TRUE(Showing("96")) << VisibleTexts(main);

    std::vector<DWORD> times;
    for (int run = 0; run < 3; ++run) {
        HWND bulk = PressTheBulkKey();
        ASSERT_NE(bulk, nullptr) << "run " << run;
        HWND paste = LabelShowing(bulk, "Paste");
        ASSERT_NE(paste, nullptr);
        const DWORD start = GetTickCount();
        wintest::ClickAt(wintest::CenterOf(paste));
        while (notepad->Text() != expected && GetTickCount() - start < 60000) {
            Sleep(5);
        }
        times.push_back(GetTickCount() - start);
        ASSERT_EQ(notepad->Text(), expected) << "run " << run;
        EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "  bulk paste of 96 items into notepad: median %lu ms over 3 runs (%lu .. %lu ms)\n",
        static_cast<unsigned long>(times[1]), static_cast<unsigned long>(times.front()),
        static_cast<unsigned long>(times.back()));
}

// Every separator between 96 items: each item once, in order, and the separator between two.
TEST_F(BulkPaste, NinetySixItemsArriveInOrderWithEverySeparator) {
    WriteGroup(Library(), 0, {{"Separator clip", 0, "<first clip>"}});
    WriteBytes(setup.ProgramFolder() + "Spacer.txt", Text(" | "));
    Start();
    std::vector<std::string> items;
    for (int n = 0; n < 96; ++n) {
        items.push_back("Item " + std::to_string(n));
    }
    WriteBulkCache(items);
    RestartWithSettings({{kBulkCountAt, 96}});
    ASSERT_TRUE(Showing("96")) << VisibleTexts(main);

    // What notepad shows between two items. The down arrow on notepad's last line moves nothing.
    const char* between[] = {"", "\r\n", "\r\n\r\n", " | ", "<first clip>", "\t", ""};
    for (int separator = 0; separator < 7; ++separator) {
        SCOPED_TRACE(separator);
        std::string expected;
        for (const std::string& item : items) {
            expected += (expected.empty() ? "" : between[separator]) + item;
        }
        HWND bulk = PressTheBulkKey();
        ASSERT_NE(bulk, nullptr);
        wintest::PressKey(static_cast<WORD>('1' + separator));
        ASSERT_TRUE(WaitFor([&] { return StoredSetting(kBulkSpacingAt) == separator; }, 3000));
        const DWORD start = GetTickCount();
        ClickIn(bulk, "Paste");
        while (notepad->Text() != expected && GetTickCount() - start < 60000) {
            Sleep(5);
        }
        ASSERT_EQ(notepad->Text(), expected);
        std::printf("  96 items with separator %d: %lu ms\n", separator + 1,
                    static_cast<unsigned long>(GetTickCount() - start));
        EXPECT_TRUE(WaitFor([&] { return IsIconic(main) != FALSE; }, 3000));
    }
    LetThePollSeeIt();
    EXPECT_EQ(HistoryCount(History()), 0) << "nothing the paste put on the clipboard was captured";
}

}  // namespace
}  // namespace mirvo::e2e
