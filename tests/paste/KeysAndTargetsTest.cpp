#include <gtest/gtest.h>

#include "paste/WebClips.h"
#include "platform/BraceKeys.h"

namespace mirvo {
namespace {

std::vector<KeyStroke> Strokes(std::initializer_list<std::pair<int, bool>> list) {
    std::vector<KeyStroke> strokes;
    for (const auto& [key, down] : list) {
        strokes.push_back({key, down});
    }
    return strokes;
}

TEST(BraceKeys, ModifiersHoldForTheKeyThatFollows) {
    EXPECT_EQ(ParseBraceKeys("^{v}"),
              Strokes({{0x11, true}, {0x56, true}, {0x56, false}, {0x11, false}}));
    EXPECT_EQ(ParseBraceKeys("+{INSERT}"),
              Strokes({{0x10, true}, {0x2D, true}, {0x2D, false}, {0x10, false}}));
    EXPECT_EQ(ParseBraceKeys("+{END}"),
              Strokes({{0x10, true}, {0x23, true}, {0x23, false}, {0x10, false}}));
    EXPECT_EQ(ParseBraceKeys("{TAB}{ENTER}"),
              Strokes({{0x09, true}, {0x09, false}, {0x0D, true}, {0x0D, false}}));
    EXPECT_EQ(ParseBraceKeys("{home}{BACKSPACE}{DOWN}"), Strokes({{0x24, true},
                                                                  {0x24, false},
                                                                  {0x08, true},
                                                                  {0x08, false},
                                                                  {0x28, true},
                                                                  {0x28, false}}));
    EXPECT_EQ(ParseBraceKeys("^+a"), Strokes({{0x11, true},
                                              {0x10, true},
                                              {0x41, true},
                                              {0x41, false},
                                              {0x10, false},
                                              {0x11, false}}));
    EXPECT_EQ(ParseBraceKeys("%{5}"),
              Strokes({{0x12, true}, {0x35, true}, {0x35, false}, {0x12, false}}));
}

TEST(BraceKeys, InvalidNotationGivesNothing) {
    for (const char* bad : {"{NOPE}", "^", "{TAB", "+{}", "~"}) {
        EXPECT_FALSE(ParseBraceKeys(bad).has_value()) << bad;
    }
    EXPECT_EQ(ParseBraceKeys(""), std::vector<KeyStroke>{});
}

TEST(WebClipTargets, OnlyWebAddressesAreHandedOver) {
    EXPECT_EQ(WebAddressFromText("https://example.org/a?b=1"), "https://example.org/a?b=1");
    EXPECT_EQ(WebAddressFromText("  HTTP://Example.org  \r\nsecond line"), "HTTP://Example.org");
    EXPECT_EQ(WebAddressFromText("ftp://files.example.org"), "ftp://files.example.org");
    EXPECT_EQ(WebAddressFromText("www.example.org"), "http://www.example.org");
    for (const char* other : {"C:\\Windows\\system32\\calc.exe", "calc", "file:///c:/x.bat",
                              "javascript:alert(1)", "http://", "", "mailto:a@b.c"}) {
        EXPECT_FALSE(WebAddressFromText(other).has_value()) << other;
    }
}

TEST(WebClipTargets, EmailTargetsAreAlwaysMailtoAddresses) {
    EXPECT_EQ(MailTargetFromText("ann@example.org"), "mailto:ann@example.org");
    EXPECT_EQ(MailTargetFromText("MailTo:ann@example.org"), "MailTo:ann@example.org");
    EXPECT_EQ(MailTargetFromText(" ann@example.org\r\nsecond"), "mailto:ann@example.org");
    EXPECT_EQ(MailTargetFromText("C:\\x.exe"), "mailto:C:\\x.exe") << "never a program";
}

}  // namespace
}  // namespace mirvo
