#include "clipboard/ClipDataFile.h"

#include <gtest/gtest.h>

#include "doubles/TempFolder.h"
#include "files/DataFile.h"
#include "files/StdFileSystem.h"

namespace mirvo {
namespace {

using namespace std::string_literals;

// Little-endian Long, built independently of the code under test.
void Long(files::Bytes& b, std::int32_t v) {
    for (int i = 0; i < 4; ++i) {
        b.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    }
}
void Text(files::Bytes& b, const std::string& s) {
    b.insert(b.end(), s.begin(), s.end());
}

struct Seen {
    std::uint32_t format;
    std::string name;
    std::string data;
};

class ClipFileTest : public ::testing::Test {
protected:
    // Scans bytes written to a real file; the data of each record is read back at its offset.
    ClipFileScan Scan(const files::Bytes& bytes, std::vector<Seen>& seen) {
        const std::string path = temp.Path() + "clip.0";
        test::WriteFileBytes(path, bytes);
        auto file = fs.Open(path, platform::OpenMode::ReadOnly);
        return ScanClipFile(*file, [&](const StoredFormat& f) {
            std::string data(f.size, '\0');
            file->ReadAt(f.offset, data.data(), f.size);
            seen.push_back({f.format, f.name, data});
            return true;
        });
    }

    test::TempFolder temp;
    files::StdFileSystem fs;
};

TEST_F(ClipFileTest, TheCurrentLayoutIsWrittenAndReadByteForByte) {
    files::Bytes expected;
    Long(expected, -1);
    Long(expected, 2);
    Long(expected, 1);  // CF_TEXT, no name
    Long(expected, 0);
    Long(expected, 3);
    Text(expected, "hi\0"s);
    Long(expected, 0xC123);  // a registered format, with its name
    Long(expected, 8);
    Text(expected, "Rich Txt");
    Long(expected, 2);
    Text(expected, "{}");

    const std::string path = temp.Path() + "clip.tmp";
    {
        files::DataFile out = files::OpenDataFile(fs, path);
        ClipFileWriter writer(out.Raw());
        const std::uint8_t text[] = {'h', 'i', 0};
        const std::uint8_t rtf[] = {'{', '}'};
        writer.Add(1, "", text, 3);
        writer.Add(0xC123, "Rich Txt", rtf, 2);
        writer.Finish();
    }
    EXPECT_EQ(test::ReadFileBytes(path), expected);

    std::vector<Seen> seen;
    const ClipFileScan scan = Scan(expected, seen);
    EXPECT_EQ(scan.layout, ClipLayout::Current);
    EXPECT_FALSE(scan.truncated);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].format, 1u);
    EXPECT_EQ(seen[0].data, "hi\0"s);
    EXPECT_EQ(seen[1].name, "Rich Txt");
    EXPECT_EQ(seen[1].data, "{}");
}

TEST_F(ClipFileTest, TheTextAndOlderLayoutsAreRead) {
    files::Bytes text;
    Long(text, -1);
    Long(text, -1);
    Long(text, 5);
    Text(text, "hello");
    EXPECT_EQ(TextClipBytes("hello"), text);
    std::vector<Seen> seen;
    EXPECT_EQ(Scan(text, seen).layout, ClipLayout::Text);
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].format, 1u);
    EXPECT_EQ(seen[0].data, "hello");

    files::Bytes older;
    Long(older, 2);
    Long(older, 1);
    Long(older, 2);
    Text(older, "a\0"s);
    Long(older, 0xC001);
    Long(older, 1);
    Text(older, "x");
    seen.clear();
    const ClipFileScan scan = Scan(older, seen);
    EXPECT_EQ(scan.layout, ClipLayout::Older);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[1].format, 0xC001u);
    EXPECT_EQ(seen[1].name, "");

    seen.clear();
    const ClipFileScan empty = Scan({}, seen);
    EXPECT_EQ(empty.layout, ClipLayout::Older) << "an empty file is a clip of no formats";
    EXPECT_FALSE(empty.truncated);
    EXPECT_TRUE(seen.empty());
}

TEST_F(ClipFileTest, AShortcutFileIsRecognisedByItsFirstInteger) {
    files::Bytes shortcut = {0xE7, 0x03};  // 999
    Text(shortcut, std::string(1520, ' '));
    std::vector<Seen> seen;
    EXPECT_EQ(Scan(shortcut, seen).layout, ClipLayout::Shortcut);
    EXPECT_TRUE(seen.empty());
}

TEST_F(ClipFileTest, CountsAndSizesPastTheEndStopTheReadingThere) {
    struct Case {
        const char* what;
        files::Bytes bytes;
        size_t whole;  // records that are complete
    };
    std::vector<Case> cases;
    {
        files::Bytes b;
        Long(b, -1);
        Long(b, 1000000);  // claims a million records
        Long(b, 1);
        Long(b, 0);
        Long(b, 1);
        Text(b, "a");
        cases.push_back({"count past the end", b, 1});
    }
    {
        files::Bytes b;
        Long(b, -1);
        Long(b, 2);
        Long(b, 1);
        Long(b, 0);
        Long(b, 2);
        Text(b, "ab");
        Long(b, 7);
        Long(b, 0);
        Long(b, 0x7FFFFFFF);  // a size far beyond the file
        Text(b, "cd");
        cases.push_back({"size past the end", b, 1});
    }
    {
        files::Bytes b;
        Long(b, -1);
        Long(b, 1);
        Long(b, 0xC000);
        Long(b, -5);  // a negative name length
        cases.push_back({"negative name length", b, 0});
    }
    {
        files::Bytes b;
        Long(b, 3);
        Long(b, 1);
        Long(b, -2);  // negative size
        cases.push_back({"older layout, negative size", b, 0});
    }
    {
        files::Bytes b;
        Long(b, -1);
        Long(b, -1);
        Long(b, 100);  // text length beyond the file
        Text(b, "partial");
        cases.push_back({"text shorter than its length", b, 1});
    }
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<Seen> seen;
        const ClipFileScan scan = Scan(c.bytes, seen);
        EXPECT_TRUE(scan.truncated);
        EXPECT_EQ(seen.size(), c.whole);
    }
}

TEST(ClipFormats, SkippedNamesAndHandleFormats) {
    for (const char* name : {"Native", "EMBED SOURCE", "Link Source", "ObjectLink",
                             "Ole Private Data", "Embedded Object"}) {
        EXPECT_TRUE(IsSkippedFormatName(name)) << name;
    }
    for (const char* name : {"", "Rich Text Format", "HTML Format", "OLEX", "Oldfolio"}) {
        EXPECT_FALSE(IsSkippedFormatName(name)) << name;
    }
    for (std::uint32_t f : {2u, 3u, 9u, 14u, 0x80u, 0x82u, 0x83u, 0x8Eu, 0x200u, 0x3FFu}) {
        EXPECT_TRUE(IsHandleFormat(f)) << f;
    }
    for (std::uint32_t f : {1u, 7u, 8u, 13u, 16u, 17u, 0x81u, 0x1FFu, 0x400u, 0xC000u}) {
        EXPECT_FALSE(IsHandleFormat(f)) << f;
    }
}

}  // namespace
}  // namespace mirvo
