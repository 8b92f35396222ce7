#include "files/RecordMerge.h"

#include <gtest/gtest.h>

namespace mirvo::files {
namespace {

// Three records of a title byte in one file and a colour byte in another.
const RecordLayout kLayout{3, {{0, 0, 1}, {1, 0, 1}}, {Bytes(3, ' '), Bytes(3, 0)}};

RecordFiles Files(const std::string& titles, const std::string& colors) {
    return {Bytes(titles.begin(), titles.end()), Bytes(colors.begin(), colors.end())};
}

TEST(RecordMerge, ASaveWritesItsOwnRecordsAndKeepsWhatAnotherChangedMeanwhile) {
    // The file as read: slot 0 with a stray colour, which the panel does not show.
    const RecordBaseline seen{
        {"t", "c"}, Files("a  ", std::string("x\0\0", 3)), Files("a  ", std::string(3, '\0'))};

    // Alone, a save writes what the panel shows, as it always did: the stray colour goes.
    const RecordFiles ours = Files("ab ", std::string(3, '\0'));
    EXPECT_EQ(MergeRecords(kLayout, seen, seen.stored, ours), ours);

    // Another wrote slot 2, and slot 1 too, which this panel changed as well: its own wins.
    const RecordFiles theirs = Files("aqz", std::string("x\0y", 3));
    EXPECT_EQ(MergeRecords(kLayout, seen, theirs, ours), Files("abz", std::string("\0\0y", 3)));
    EXPECT_EQ(ChangedRecords(kLayout, MergeRecords(kLayout, seen, theirs, ours), ours),
              (std::vector<int>{2}));

    // Another deleted the files: what they lack reads as a new file holds it.
    EXPECT_EQ(MergeRecords(kLayout, seen, {Bytes(), Bytes()}, ours),
              Files(" b ", std::string(3, '\0')));

    // A record kept as stored stays, though nobody changed it since.
    EXPECT_EQ(MergeRecords(kLayout, seen, seen.stored, ours, [](int k) { return k == 0; }),
              Files("ab ", std::string("x\0\0", 3)));
}

}  // namespace
}  // namespace mirvo::files
