// Faults the sequence explorer found, each held by the steps it shrank them to: they replay in a
// fresh world and must break no invariant now.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explore/Explorer.h"

namespace mirvo::explore {
namespace {

void ExpectNoViolation(const std::vector<std::string>& steps, int machines = 1) {
    const std::optional<Violation> violation = Replay(steps, machines);
    EXPECT_FALSE(violation) << violation->Describe();
}

TEST(ExploredFaults, ACaptureThatMeetsAFullDiskLeavesNoCaptureFileBehind) {
    ExpectNoViolation({"disk full", "copy text \"hello\""});
}

TEST(ExploredFaults, ACaptureWhileAnotherProgramHoldsTheHistoryFileLeavesNoCaptureFileBehind) {
    ExpectNoViolation({"hold file program/clip.dat", "copy text \"hello\""});
}

TEST(ExploredFaults, AnotherDataFolderShowsItsOwnBulkCache) {
    ExpectNoViolation({"click Edit.CaptureMode(2)", "click Edit.OptionButton", "copy picture 5",
                       "click Options.DataOption(0)", "close Options"});
}

TEST(ExploredFaults, TheLaunchPadChosenInTheManagerAndLeftByItsButtonIsNotTheNextStart) {
    ExpectNoViolation(
        {"click Edit.LibLabel", "click LibForm.Item(28)", "click Edit.LaunchBtn", "restart"});
}

TEST(ExploredFaults, AGroupErasedWhileAnotherProgramSharesItsTitlesFileIsErased) {
    ExpectNoViolation({"copy formats \"several formats 1\"", "copy text \"hello\"",
                       "drag Edit.ClipboardClip(1) to Edit.item(51)",
                       "share file program/Lib1/group0.dat", "close Settings",
                       "drag Edit.Group(0) to Edit.TrashLabel(0)"});
}

TEST(ExploredFaults, AGroupOpenedOnAFullDiskShowsItsOwnClipsAndSavesNoOtherGroupsInto) {
    ExpectNoViolation({"right click Edit.item(91)", "click view.OKBtn",
                       "drag Edit.item(91) to Edit.item(75)", "disk full",
                       "drag Edit.item(75) over Edit.Group(24) to Edit.item(57)"});
}

TEST(ExploredFaults, ARightClickOnAViewerSwatchShowsItsHelpAndChoosesNoColour) {
    ExpectNoViolation({"right click Edit.item(0)", "click view.Colr(0)", "right click view.Colr(5)",
                       "close HelpForm", "click view.OKBtn"});
}

TEST(ExploredFaults, AFullDiskAtTheStartLeavesTheDataWhereItIs) {
    ExpectNoViolation({"disk full after 3 writes", "restart"});
}

TEST(ExploredFaults, ASaveThatMeetsAFullDiskInASharedFileLeavesNoTemporaryFileBehind) {
    ExpectNoViolation({"right click Edit.item(41)", "click view.OKBtn",
                       "drag Edit.item(41) to Edit.item(34)", "drag Edit.item(34) to Edit.item(57)",
                       "share file program/Lib1/group0.dat", "disk full after 3 writes",
                       "right drag Edit.item(57) to Edit.item(35)"});
}

TEST(ExploredFaults, ADataFolderOpenedOnAFullDiskStillGetsItsLibraryFolder) {
    ExpectNoViolation({"disk full after 1 writes", "click Edit.OptionButton",
                       "click Options.DataOption(0)", "close Options", "right click Edit.item(0)",
                       "key Enter"});
}

TEST(ExploredFaults, ABulkTitleThatMeetsAFullDiskLeavesNoPartOfItInTheTitlesFile) {
    ExpectNoViolation(
        {"copy picture 2", "disk full after 1 writes", "drag Edit.CaptureMode(2) to nowhere"});
}

TEST(ExploredFaults, AMoveBetweenTransferSlotsOnAFillingDiskKeepsTheClip) {
    ExpectNoViolation({"copy text \"C:\\\\My Docs\\\\a.txt\"",
                       "drag Edit.ClipboardClip(0) to Edit.Trans(5)", "disk full after 1 writes",
                       "drag Edit.Trans(5) to Edit.Trans(3)"});
}

TEST(ExploredFaults, TheBulkCacheDroppedOnAGroupNameOnAFillingDiskKeepsItsItems) {
    ExpectNoViolation({"click Edit.CaptureMode(2)", "copy text \"hello\"", "copy text \"a\"",
                       "disk full after 4 writes", "drag Edit.CaptureMode(2) to Edit.Group(5)"});
}

TEST(ExploredFaults, ABulkItemWithABlankTitleDroppedOnAGroupNameStaysAClip) {
    ExpectNoViolation({"copy text \"   \"", "drag Edit.CaptureMode(2) to nowhere",
                       "drag Edit.CaptureMode(2) to Edit.Group(7)"});
}

TEST(ExploredFaults, AGroupColourStoredInANewColourFileGivesItItsWholeLayout) {
    ExpectNoViolation({"disk full after 3 writes", "click Edit.LaunchBtn",
                       "right click Edit.Group(0)", "type \"line one\\r\\nline two\""});
}

// The explorer's own model: a dialog edits its clip where a move by its program took it, alone or
// with its group; a capture in a step nested in a dialog's step moves the history's titles.
TEST(ExploredFaults, AnEditorFollowsItsClipMovedAloneOrWithItsGroup) {
    ExpectNoViolation({"right click Edit.item(77)", "click view.OKBtn", "right click Edit.item(77)",
                       "drag Edit.item(77) to Edit.item(74)", "click view.Colr(0)",
                       "click view.OKBtn"});
    ExpectNoViolation({"copy text \"hello\"",
                       "right drag Edit.ClipboardClip(0) over Edit.Group(6) to Edit.item(27)",
                       "close Settings", "right click Edit.item(0)",
                       "drag Edit.Group(6) to Edit.Group(10)", "click view.OKBtn"});
}

TEST(ExploredFaults, ACaptureWhileAClipboardClipIsEditedRenamesNoOtherClip) {
    ExpectNoViolation({"copy formats \"several formats 103\"", "right click Edit.ClipboardClip(0)",
                       "click view.Text1(0)", "copy text \"   \"", "key Escape",
                       "click warn.Command1"});
}

// Two machines over one data folder.
TEST(ExploredFaults, TwoMachinesEachShowWhatTheFilesHoldOnceTheirWindowLooked) {
    // A bulk paste left on one while the other captures: the first window's timer runs again.
    ExpectNoViolation({"hot key Ctrl+Insert", "wait 3000", "close BulkForm",
                       "[2] copy text \"C:\\\\My Docs\\\\a.txt\""},
                      2);
    // Each machine stores a colour equal to its own default as the default.
    ExpectNoViolation(
        {"[2] click Edit.OptionButton", "[2] click Options.Opt(4)", "[2] right click Edit.item(0)",
         "copy formats \"several formats 50\"", "[2] click view.Colr(5)", "[2] key Escape",
         "[2] click Edit.OptionButton", "[2] click Options.Hotcolor(15)",
         "[2] drag Edit.ClipboardClip(0) to Edit.item(81)"},
        2);
}

TEST(ExploredFaults, ALibraryMovedAwayByTheOtherMachineLeavesANewLibraryAsAStartShowsIt) {
    ExpectNoViolation({"[2] click Edit.LibLabel", "[2] drag LibForm.Item(0) to LibForm.Item(15)",
                       "[2] close LibForm", "restart"},
                      2);
}

TEST(ExploredFaults, AnEditorWhoseClipTheOtherMachineMovedAwaySavesNoTitleWithoutData) {
    ExpectNoViolation(
        {"[2] copy text \"ann@example.org\"", "right drag Edit.ClipboardClip(0) to Edit.Trans(3)",
         "[2] click Edit.SizerBtn(1)",
         "[2] drag Edit.ClipboardClip(0) over Edit.Group(3) to Edit.item(15)", "[2] close Settings",
         "[2] right drag Edit.Trans(3) to nowhere", "[2] type \"   \"", "[2] click view.OKBtn",
         "drag Edit.Trans(3) to Edit.item(24)", "[2] click view.OKBtn"},
        2);
}

TEST(ExploredFaults, TheSecondMachineThatMetAFullDiskWritesWhatItShows) {
    ExpectNoViolation(
        {"click Edit.Group(1)", "[2] copy text \"   \"", "copy formats \"several formats 256\"",
         "[2] drag Edit.ClipboardClip(1) to Edit.item(90)", "[2] disk full after 2 writes",
         "[2] close Settings", "[2] right click Edit.item(0)", "[2] click view.OKBtn"},
        2);
}

TEST(ExploredFaults, AWindowOfTheEndedRunIsNoPasteTargetForTheNextOne) {
    ExpectNoViolation({"right click Edit.Trans(0)",
                       "right click view.Colr(0)",
                       "close HelpForm",
                       "click view.cancelbtn",
                       "click Edit.OptionButton",
                       "close Options",
                       "right click Edit.SizerBtn(0)",
                       "close HelpForm",
                       "click Edit.LibLabelFrame",
                       "close LibForm",
                       "restart",
                       "copy text \"line one\\r\\nline two\"",
                       "restore Edit",
                       "click Edit.TopBtn(0)",
                       "click Edit.LibLabel",
                       "close LibForm",
                       "click Edit.LibLabel",
                       "drag LibForm.Item(28) to nowhere",
                       "mouse to the top edge",
                       "click Edit.ClipboardClip(0)",
                       "drag Edit.ClipboardClip(0) to Edit.item(33)",
                       "click LaunchPad.Hlp",
                       "wait 1000"});
}

TEST(ExploredFaults, EachMachineLeavesTheLaunchPadForTheLibraryItCameFrom) {
    ExpectNoViolation(
        {"[2] click Edit.LibLabelFrame", "[2] click LibForm.Item(1)", "click Edit.LaunchBtn",
         "[2] click Edit.LaunchBtn", "click Edit.LaunchBtn", "restart"},
        2);
}

TEST(ExploredFaults, AClearOfTheHistoryThatMeetsAFullDiskMovesNoOtherMachinesEditor) {
    ExpectNoViolation({"copy text \"line one\\r\\nline two\"", "[2] disk full", "hot key Ctrl+0",
                       "[2] right click Edit.ClipboardClip(0)", "copy text \"ann@example.org\"",
                       "[2] click view.OKBtn"},
                      2);
}

TEST(ExploredFaults, AClipWithoutDataStaysOneWhenADropOfItMeetsAFullDisk) {
    ExpectNoViolation({"copy picture 1",
                       "drag Edit.ClipboardClip(0) over Edit.Group(0) to Edit.item(15)",
                       "close Settings", "right click Edit.item(66)", "click view.OKBtn",
                       "drag Edit.Group(0) to Edit.Group(30)", "disk full",
                       "drag Edit.item(66) to Edit.item(91)"});
}

}  // namespace
}  // namespace mirvo::explore
