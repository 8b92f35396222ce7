// Checks the quick-help file that ships beside the program, "data/mirvo.qhp", as the program
// reads it: every topic 1..51 can be cut out and shows real text.
#include "help/QuickHelp.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#ifndef MIRVO_SOURCE_DIR
#define MIRVO_SOURCE_DIR "../.."
#endif

namespace mirvo {
namespace {

constexpr int kFirstTopic = 1;
constexpr int kLastTopic = 51;

std::string ShippedHelpFile() {
    const std::string path = std::string(MIRVO_SOURCE_DIR) + "/data/" + kQuickHelpFileName;
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

TEST(QuickHelpFile, IsPlainAsciiWithWindowsLineEndingsOnly) {
    const std::string file = ShippedHelpFile();
    ASSERT_FALSE(file.empty());
    for (size_t i = 0; i < file.size(); ++i) {
        const auto c = static_cast<unsigned char>(file[i]);
        ASSERT_LT(c, 0x80u) << "non-ASCII byte at offset " << i;
        if (c == '\n') {
            ASSERT_TRUE(i > 0 && file[i - 1] == '\r') << "bare line feed at offset " << i;
        }
        if (c == '\r') {
            ASSERT_TRUE(i + 1 < file.size() && file[i + 1] == '\n')
                << "bare carriage return at offset " << i;
        }
        if (c < 0x20 && c != '\r' && c != '\n') {
            ADD_FAILURE() << "control character " << static_cast<int>(c) << " at offset " << i;
        }
    }
}

TEST(QuickHelpFile, EveryTopicShowsWholeTextWithoutMarkersOrTrailingLineBreak) {
    const std::string file = ShippedHelpFile();
    for (int topic = kFirstTopic; topic <= kLastTopic; ++topic) {
        SCOPED_TRACE("topic " + std::to_string(topic));
        const auto text = ExtractTopic(file, topic);
        ASSERT_TRUE(text.has_value()) << "topic cannot be cut out (missing or misordered marker)";
        EXPECT_FALSE(text->empty());
        EXPECT_EQ(text->find("##"), std::string::npos);
        ASSERT_FALSE(text->empty());
        EXPECT_NE(text->back(), '\r');
        EXPECT_NE(text->back(), '\n');
        EXPECT_NE(text->back(), ' ');

        // The reader drops the three characters before the next marker; they must be exactly
        // the one space and line break that end the topic, so that no word is cut short.
        const std::string next = "##" + std::to_string(topic + 1);
        const size_t at = file.find(next);
        ASSERT_NE(at, std::string::npos);
        ASSERT_GE(at, 3u);
        EXPECT_EQ(file.substr(at - 3, 3), " \r\n");
    }
    // One marker per topic plus the closing marker after the last topic, and no other "##".
    size_t markers = 0;
    for (size_t at = file.find("##"); at != std::string::npos; at = file.find("##", at + 2)) {
        ++markers;
    }
    EXPECT_EQ(markers, static_cast<size_t>(kLastTopic + 1));
}

}  // namespace
}  // namespace mirvo
