// Faults the sequence explorer found, each held by the steps it shrank them to: they replay in a
// fresh world and must break no invariant now.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "explore/Explorer.h"

namespace mirvo::explore {
namespace {

void ExpectNoViolation(const std::vector<std::string>& steps) {
    const std::optional<Violation> violation = Replay(steps);
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

}  // namespace
}  // namespace mirvo::explore
