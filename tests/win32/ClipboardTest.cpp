// The clipboard monitor and restore against the real clipboard: another process (cliptool)
// plays the foreign program that copies and the one that pastes.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "app/ClipboardState.h"
#include "clipboard/ClipDataFile.h"
#include "clipboard/Markers.h"
#include "clipboard/Monitor.h"
#include "clipboard/Restore.h"
#include "files/DataFile.h"
#include "mainwindow/Edit.h"
#include "win32/WinTestSupport.h"
#include "win32/WindowsApp.h"

namespace mirvo {
namespace {

struct Record {
    std::string name;  // "" for predefined formats
    std::uint32_t format = 0;
    std::vector<std::uint8_t> data;
    bool operator==(const Record& o) const {
        return name == o.name && (!name.empty() || format == o.format) && data == o.data;
    }
};

std::vector<std::uint8_t> Text(const std::string& s) {
    std::vector<std::uint8_t> b(s.begin(), s.end());
    b.push_back(0);
    return b;
}

// A 4 x 2 pixel, 32-bit device-independent bitmap.
std::vector<std::uint8_t> SmallDib() {
    std::vector<std::uint8_t> dib(40 + 4 * 2 * 4, 0);
    auto put32 = [&](size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) {
            dib[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
        }
    };
    put32(0, 40);
    put32(4, 4);
    put32(8, 2);
    dib[12] = 1;   // planes
    dib[14] = 32;  // bits per pixel
    for (size_t p = 40; p < dib.size(); ++p) {
        dib[p] = static_cast<std::uint8_t>(p * 7);
    }
    return dib;
}

class RealClipboard : public ::testing::Test {
protected:
    RealClipboard() {
        w.app.DataFolder = temp.Path() + "\\";
        CreateMainWindow(w.app);
        w.app.MainWindow().Load();
        RegisterMarkerFormats(w.app);
        Edit().Timer1.SetEnabled(false);  // the tests poll themselves
    }

    mirvo::MainForm& Edit() { return w.app.MainWindow(); }
    void Poll() {
        PollClipboard(w.app);
        Edit().Timer1.SetEnabled(false);
    }
    std::string Caption(int slot) {
        return files::TrimRight(
            Edit().clipboardPanel.ClipboardClip[static_cast<size_t>(slot)]->Caption());
    }

    // Runs the foreign program and waits for it.
    void Tool(const std::string& verb, const std::string& file) {
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        std::string command =
            "\"" + wintest::TestProgramFolder() + "cliptool.exe\" " + verb + " \"" + file + "\"";
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        WaitForSingleObject(process.hProcess, 30000);
        DWORD code = 1;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(code, 0u) << "cliptool " << verb;
    }

    void Copy(const std::vector<Record>& records) {
        std::string out;
        auto put = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i) {
                out.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
            }
        };
        for (const Record& r : records) {
            put(static_cast<std::uint32_t>(r.name.size()));
            out += r.name;
            put(r.format);
            put(static_cast<std::uint32_t>(r.data.size()));
            out.append(r.data.begin(), r.data.end());
        }
        const std::string request = temp.Path() + "\\formats.bin";
        std::ofstream(request, std::ios::binary)
            .write(out.data(), static_cast<std::streamsize>(out.size()));
        Tool("set", request);
    }
    void CopyText(const std::string& text) { Copy({{"", 1, Text(text)}}); }

    std::vector<Record> Dump() {
        const std::string path = temp.Path() + "\\dump.bin";
        Tool("dump", path);
        std::ifstream in(path, std::ios::binary);
        const std::vector<char> b((std::istreambuf_iterator<char>(in)),
                                  std::istreambuf_iterator<char>());
        std::vector<Record> records;
        size_t at = 0;
        auto get = [&] {
            std::uint32_t v = 0;
            for (int i = 0; i < 4; ++i) {
                v |= static_cast<std::uint32_t>(static_cast<unsigned char>(b[at++])) << (8 * i);
            }
            return v;
        };
        while (at + 12 <= b.size()) {
            Record r;
            const std::uint32_t nameLength = get();
            r.name.assign(b.data() + at, nameLength);
            at += nameLength;
            r.format = get();
            const std::uint32_t size = get();
            r.data.assign(b.begin() + static_cast<std::ptrdiff_t>(at),
                          b.begin() + static_cast<std::ptrdiff_t>(at + size));
            at += size;
            records.push_back(std::move(r));
        }
        return records;
    }

    // The records of a stored clip data file.
    std::vector<Record> Stored(const std::string& name) {
        files::DataFile file = files::OpenDataFile(w.files, w.app.DataFolder + name);
        std::vector<Record> records;
        ScanClipFile(file.Raw(), [&](const StoredFormat& f) {
            Record r{f.name, f.format, std::vector<std::uint8_t>(f.size)};
            file.Raw().ReadAt(f.offset, r.data.data(), f.size);
            records.push_back(std::move(r));
            return true;
        });
        return records;
    }

    wintest::TempFolder temp;
    wintest::WindowsApp w;
};

TEST_F(RealClipboard, ForeignContentIsCapturedWholeAndRestoredIdentically) {
    const std::vector<std::uint8_t> html = Text("Version:0.9\r\n<b>Hello</b>");
    Copy({{"", 1, Text("Hello from another program")},
          {"HTML Format", 0, html},
          {"", 8, SmallDib()}});
    const std::vector<Record> foreign = Dump();
    Poll();

    EXPECT_EQ(w.app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(Caption(0), "Hello from another program");
    const std::vector<Record> stored = Stored("clip.0");
    EXPECT_EQ(stored, foreign) << "every global-memory format, with its name";

    // Something else is copied; then the clip is restored for a paste.
    CopyText("other");
    Poll();
    ASSERT_TRUE(Loadclipboard(w.app, ClipKind::Clip, 0));
    const std::vector<Record> restored = Dump();
    std::vector<Record> content;
    std::map<std::string, std::string> markers;
    for (const Record& r : restored) {
        if (r.name == "Oldfolio" || r.name == "QuilletData" || r.name == "PictavoData") {
            markers[r.name] = std::string(r.data.begin(), r.data.end());
        } else {
            content.push_back(r);
        }
    }
    EXPECT_EQ(content, stored) << "identical bytes for every format";
    EXPECT_EQ(markers, (std::map<std::string, std::string>{
                           {"Oldfolio", "ok"}, {"PictavoData", "ok"}, {"QuilletData", "ok"}}));
    const auto dib =
        std::find_if(content.begin(), content.end(), [](const Record& r) { return r.format == 8; });
    ASSERT_NE(dib, content.end());
    EXPECT_EQ(dib->data, SmallDib()) << "the picture survives byte for byte";

    Poll();
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 2) << "a restored clip is not captured again";
}

TEST_F(RealClipboard, ATenthCopyDropsTheOldest) {
    for (int i = 1; i <= 10; ++i) {
        CopyText("copy " + std::to_string(i));
        Poll();
    }
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 9);
    EXPECT_EQ(Caption(0), "copy 2");
    EXPECT_EQ(Caption(8), "copy 10");
    EXPECT_EQ(Stored("clip.0")[0].data, Text("copy 2"));
}

TEST_F(RealClipboard, CaptureOffAndOnAgainSkipsWhatWasCopiedMeanwhile) {
    forms::OptionButton& off = *Edit().controlPanel.CaptureMode[1];
    off.RaiseMouseUp(forms::MouseButton::Left, 0, 0, 0);
    CopyText("copied while off");
    Poll();
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 0);
    off.RaiseMouseUp(forms::MouseButton::Left, 0, 0, 0);
    EXPECT_EQ(w.app.settings.CaptureMode, 0);
    Poll();
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 0);
    CopyText("copied after");
    Poll();
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 1);
    EXPECT_EQ(Caption(0), "copied after");
}

TEST_F(RealClipboard, ContentThatAsksNotToBeRecordedIsNotCaptured) {
    Copy({{"", 1, Text("s3cret")}, {"ExcludeClipboardContentFromMonitorProcessing", 0, {0}}});
    Poll();
    Copy({{"", 1, Text("s3cret")}, {"CanIncludeInClipboardHistory", 0, {0, 0, 0, 0}}});
    Poll();
    EXPECT_EQ(w.app.clip.ClipboardClipCount, 0);
    EXPECT_FALSE(w.files.Exists(w.app.DataFolder + "clip.0"));
    bool seen = false;
    for (const Record& r : Dump()) {
        seen = seen || r.name == "Oldfolio";
    }
    EXPECT_TRUE(seen) << "marked as seen";
}

}  // namespace
}  // namespace mirvo
