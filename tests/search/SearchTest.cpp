#include "search/SearchCore.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "app/AppSettings.h"
#include "app/Modes.h"
#include "app/SearchState.h"
#include "files/AnsiText.h"
#include "search/Searchit.h"
#include "store/StoreFixture.h"

namespace mirvo {
namespace {

// Libraries as the search reads them: group names and titles by (library, group).
struct Libraries {
    std::map<int, std::string> names;
    std::map<std::pair<int, int>, std::string> titles;

    void Title(int library, int group, int slot, const std::string& title) {
        std::string& all = titles[{library, group}];
        all.resize(4800, ' ');
        all.replace(static_cast<size_t>(slot) * 50, title.size(), title);
    }
    void Name(int library, int group, const std::string& name) {
        std::string& all = names[library];
        all.resize(1600, ' ');
        all.replace(static_cast<size_t>(group) * 50, name.size(), name);
    }
    SearchFiles Files() const {
        return {[this](int l) -> std::optional<std::string> {
                    const auto it = names.find(l);
                    return it == names.end() ? std::nullopt : std::optional(it->second);
                },
                [this](int l, int g) -> std::optional<std::string> {
                    const auto it = titles.find({l, g});
                    return it == titles.end() ? std::nullopt : std::optional(it->second);
                }};
    }
};

std::string Where(const std::optional<SearchHit>& hit) {
    if (!hit) {
        return "none";
    }
    return std::to_string(hit->library) + "/" + std::to_string(hit->group) +
           (hit->groupName ? " name"
                           : " r" + std::to_string(hit->row) + "c" + std::to_string(hit->column));
}

TEST(SearchCore, FindsTitlesAndNamesInOrderAcrossLibrariesAndStopsWhereItBegan) {
    Libraries libs;
    libs.Title(3, 0, 1, "Invoice March");
    libs.Title(3, 0, 40, "invoice april");  // column 2, row 8
    libs.Title(3, 5, 95, "Old invoice");    // the last slot
    libs.Name(7, 4, "Invoices");
    libs.Title(29, 31, 2, "INVOICE copy");
    libs.Title(1, 2, 0, "Invoice one");
    libs.Title(2, 0, 0, "Invoice two");  // library 2 is the stop library of a search from 3

    const SearchFiles files = libs.Files();
    const std::string term = SearchUpper("invoice");
    SearchPosition at = NewSearch(3);
    std::vector<std::string> found;
    for (int i = 0; i < 8; ++i) {
        found.push_back(Where(FindNext(files, term, at, true)));
    }
    EXPECT_EQ(found, (std::vector<std::string>{"3/0 r1c1", "3/0 r8c2", "3/5 r31c3", "7/4 name",
                                               "29/31 r2c1", "1/2 r0c1", "2/0 r0c1", "none"}))
        << "case-insensitive, group after group, wrapping from 29 to 1, up to the stop library";
}

// Every byte at every place of texts of every length around the blocks the conversion works in:
// only a..z change, code page letters above 127 stay as they are.
TEST(SearchCore, UpperCaseChangesTheAsciiLettersOnlyAtAnyLength) {
    for (size_t length = 0; length <= 40; ++length) {
        for (int first = 0; first < 256; first += 7) {
            std::string text(length, '\0');
            for (size_t i = 0; i < length; ++i) {
                text[i] = static_cast<char>((first + static_cast<int>(i) * 13) % 256);
            }
            std::string expected = text;
            for (char& c : expected) {
                if (c >= 'a' && c <= 'z') {
                    c = static_cast<char>(c - 'a' + 'A');
                }
            }
            ASSERT_EQ(SearchUpper(text), expected) << "length " << length << ", from " << first;
        }
    }
}

TEST(SearchCore, TheSmallWindowSearchesWhatItShowsAndNothingFoundIsNone) {
    Libraries libs;
    libs.Title(1, 0, 23, "hidden row");    // row 23 of column 1
    libs.Title(1, 0, 64, "third column");  // column 3
    libs.Title(1, 0, 54, "last shown");    // row 22 of column 2
    libs.Title(1, 23, 0, "hidden group");  // group 23
    libs.Name(1, 25, "hidden name");
    const SearchFiles files = libs.Files();
    for (const char* word : {"HIDDEN", "THIRD"}) {
        SearchPosition at = NewSearch(1);
        EXPECT_EQ(Where(FindNext(files, word, at, false)), "none") << word;
    }
    SearchPosition at = NewSearch(1);
    EXPECT_EQ(Where(FindNext(files, "LAST SHOWN", at, false)), "1/0 r22c2");
    at = NewSearch(1);
    EXPECT_EQ(Where(FindNext(files, "HIDDEN ROW", at, true)), "1/0 r23c1") << "the large one does";
    at = NewSearch(1);
    EXPECT_EQ(Where(FindNext(files, "", at, true)), "none");
}

TEST(SearchCore, SkipsTheHotKeyClipsOfTheLaunchPadWhichAClickThereRefuses) {
    Libraries libs;
    for (int library : {28, 29, 1}) {
        libs.Name(library, 22, "Hot Key Clips");
    }
    libs.Title(29, 22, 0, "hot key copy");
    libs.Title(29, 21, 0, "hot keys list");
    const SearchFiles files = libs.Files();
    SearchPosition at = NewSearch(28);
    std::vector<std::string> found;
    for (int i = 0; i < 5; ++i) {
        found.push_back(Where(FindNext(files, "HOT KEY", at, true)));
    }
    EXPECT_EQ(found,
              (std::vector<std::string>{"28/22 name", "29/21 r0c1", "1/22 name", "none", "none"}));
}

class SearchBox : public test::StoreFixture {};

TEST_F(SearchBox, AMatchInAnotherLibrarySwitchesToItWholeAndNothingFoundSaysSo) {
    std::string names = Padded("Travel");
    names.resize(1600, ' ');
    Put(LibPath(4, "Groups.dat"), Text(names));
    std::string titles = Padded("") + Padded("Passport number");
    titles.resize(4800, ' ');
    Put(LibPath(4, "group6.dat"), Text(titles));
    Put(LibPath(4, "Last.grp"), {6, 0});
    Start();
    edit().SetWindowState(forms::WindowState::Normal);
    forms::TextBox& box = edit().controlPanel.Search;

    box.SetFocus();
    box.SetText("passport");
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(app.CurrentLibrary, 4);
    EXPECT_EQ(app.settings.CurrentGroup, 6);
    EXPECT_EQ(GroupName(0).Caption(), "Travel") << "the library's group names came with it";
    EXPECT_EQ(Item(1).Caption(), "Passport number");
    EXPECT_EQ(LibLabel(), "Library 4");
    EXPECT_EQ(StoredSettings().CommonLibrary, 4) << "the library comes back at the next start";
    EXPECT_TRUE(edit().Pointer.Visible());
    const forms::Label& matched = Item(1);
    const int labelLeft = matched.Container()->Left() + matched.Left();
    EXPECT_EQ(edit().Pointer.Left() + edit().Pointer.Width(), labelLeft) << "just left of it";
    EXPECT_NEAR(edit().Pointer.Top() + edit().Pointer.Height() / 2,
                matched.Container()->Top() + matched.Top() + matched.Height() / 2, 1);
    EXPECT_EQ(box.Text(), "passport");
    const forms::Color before = edit().Pointer.BackColor();
    t.host.AdvanceTime(200);
    EXPECT_NE(edit().Pointer.BackColor(), before) << "the marker blinks";

    const int beeps = static_cast<int>(t.desktop.beeps.size());
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(static_cast<int>(t.desktop.beeps.size()), beeps + 2) << "nothing more: two tones";
    EXPECT_EQ(app.search.SearchTerm, "");
    EXPECT_EQ(box.Text(), "");
    EXPECT_FALSE(edit().Pointer.Visible());

    edit().holdfocus.SetFocus();
    EXPECT_EQ(box.Text(), "Search");
    EXPECT_FALSE(box.ContextMenu()) << "the right button is the search's help";
    t.host.Click(box, forms::MouseButton::Right);
    EXPECT_EQ(app.HelpTopic, 47);
}

TEST_F(SearchBox, EnterInTheLeftColumnDisplaySearchesInTheFullWindowAndPastesNothing) {
    std::string titles = Padded("") + Padded("Passport number") + Padded("Passport copy");
    titles.resize(4800, ' ');
    Put(LibPath(4, "group6.dat"), Text(titles));
    Start();
    t.desktop.foreground = 0x4242;  // the window the user works in
    const std::string copied = "clip one";
    t.clipboard.PutFromOtherProgram({{1, files::Bytes(copied.begin(), copied.end() + 1)}});
    t.host.AdvanceTime(1000);
    ASSERT_EQ(files::TrimRight(edit().clipboardPanel.ClipboardClip[0]->Caption()), "clip one");
    edit().SetWindowState(forms::WindowState::Normal);
    t.host.Click(edit().clipboardPanel.TopBtn0);
    ASSERT_EQ(app.settings.CompactLayout, 1) << "the left-column display";
    forms::TextBox& box = edit().controlPanel.Search;
    ASSERT_TRUE(box.VisibleInTree()) << "it keeps the search box";

    t.host.Click(box);
    box.SetFocus();
    box.SetText("passport");
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(app.settings.CompactLayout, 0) << "Enter first returns to the full window";
    EXPECT_EQ(app.CurrentLibrary, 4) << "then it searches";
    EXPECT_EQ(app.settings.CurrentGroup, 6);
    EXPECT_TRUE(edit().Pointer.Visible());
    EXPECT_EQ(box.Text(), "passport");
    t.host.AdvanceTime(200);
    EXPECT_TRUE(t.keys.Keys().empty()) << "nothing is pasted";
    EXPECT_EQ(edit().WindowState(), forms::WindowState::Normal);

    const int pointerTop = edit().Pointer.Top();
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_GT(edit().Pointer.Top(), pointerTop) << "the next Enter finds the next title";
    EXPECT_TRUE(t.keys.Keys().empty());
}

TEST_F(SearchBox, ASearchFromTheLaunchPadPassesItsHotKeyClipsAsAClickDoes) {
    std::string names(1600, ' ');
    names.replace(22 * 50, 13, "Hot Key Clips");
    Put(LibPath(29, "Groups.dat"), Text(names));
    Put(LibPath(1, "Groups.dat"), Text(names));
    AppSettings s = DecodeSettings({});
    UpgradeSettings(s, {19200, 14400});
    s.DataOption = DataLocation::Common;
    s.CommonLibrary = 29;
    t.StoreSettings(s);
    Start();
    ASSERT_EQ(app.CurrentLibrary, 29);
    edit().SetWindowState(forms::WindowState::Normal);
    t.host.Click(*edit().groupPanels.Group[22]);
    ASSERT_NE(app.settings.CurrentGroup, 22) << "the launch pad refuses it";

    forms::TextBox& box = edit().controlPanel.Search;
    box.SetFocus();
    box.SetText("hot key");
    t.host.PressKey(forms::Key::Return, 0, 13);
    EXPECT_EQ(app.CurrentLibrary, 1) << "the first library's, after the launch pad's";
    EXPECT_EQ(app.settings.CurrentGroup, 22);
}

}  // namespace
}  // namespace mirvo
