#pragma once

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "doubles/TestApp.h"
#include "mainwindow/Edit.h"
#include "panels/MainForm.h"
#include "startup/Main.h"

namespace mirvo::test {

using Formats = std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>>;

inline std::vector<std::uint8_t> Bytes(const std::string& s) {
    return std::vector<std::uint8_t>(s.begin(), s.end());
}
// Text as a program puts it on the clipboard: with its terminating NUL.
inline std::vector<std::uint8_t> CText(const std::string& s) {
    std::vector<std::uint8_t> b = Bytes(s);
    b.push_back(0);
    return b;
}

// The program started over an empty data folder, with a fake clipboard that another program
// fills.
class ClipboardFixture : public ::testing::Test {
protected:
    ClipboardFixture() { EXPECT_TRUE(Main(app)); }

    MainForm& edit() { return app.MainWindow(); }
    std::string Caption(int slot) {
        return edit().clipboardPanel.ClipboardClip[static_cast<size_t>(slot)]->Caption();
    }
    // Another program copies text; then the clipboard timer ticks once.
    void CopyText(const std::string& text) { CopyFormats({{1, CText(text)}}); }
    void CopyFormats(Formats formats) {
        t.clipboard.PutFromOtherProgram(std::move(formats));
        Tick();
    }
    void Tick() { t.host.AdvanceTime(1000); }
    std::string DataFile(const std::string& name) { return app.DataFolder + name; }
    static std::string Title(const std::string& s) { return s + std::string(50 - s.size(), ' '); }

    TestApp t;
    App& app = t.Start();
};

}  // namespace mirvo::test
