#pragma once

// The program over data files written by a test, with Wine's notepad beside its window: the
// fixture of the paste tests and the bulk paste tests.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "clipboard/ClipDataFile.h"
#include "e2e/Notepad.h"
#include "e2e/ProgramRun.h"
#include "win32/WinTestSupport.h"

namespace mirvo::e2e {

// The texts of the visible child windows, for failure messages.
std::string VisibleTexts(HWND window);
// The number of clips the history file lists, -1 when it has none.
int HistoryCount(const std::string& path);

struct Slot {
    std::string title;
    std::uint8_t mode;
    std::string text;
};

// The program over data files written by the test, with notepad beside its window. The
// launcher beside the program is the probe that records its hand-overs.
class Paste : public ::testing::Test {
protected:
    std::string Library() const { return setup.ProgramFolder() + "Lib1\\"; }
    std::string History() const { return setup.ProgramFolder() + "clip.dat"; }
    std::string Launched() const { return setup.Launched(); }

    // The first slots of a group with their titles, paste modes and text clips.
    void WriteGroup(const std::string& folder, int group, const std::vector<Slot>& slots) {
        CreateDirectoryA(folder.c_str(), nullptr);
        const std::string prefix = folder + "group" + std::to_string(group) + ".";
        std::string titles;
        std::vector<std::uint8_t> modes(96, 3);
        for (size_t n = 0; n < slots.size(); ++n) {
            titles += Padded(slots[n].title);
            modes[n] = slots[n].mode;
            WriteBytes(prefix + std::to_string(n), TextClipBytes(slots[n].text));
        }
        titles.resize(4800, ' ');
        WriteBytes(prefix + "dat", Text(titles));
        WriteBytes(prefix + "mod", modes);
    }

    void Start() {
        program = std::make_unique<ProgramProcess>(setup.Executable());
        main = program->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(main); }, 5000)) << "a first start shows it";
        ASSERT_TRUE(WaitFor([&] { return Exists(History()); }, 10000));
        ASSERT_TRUE(WaitFor([&] { return !Launched().empty(); }, 10000))
            << "a first start hands its tutorial page to the launcher";
        notepad = std::make_unique<Notepad>(main);
        ASSERT_TRUE(notepad->Ready());
    }
    void TearDown() override {
        if (main) {
            PostMessageA(main, WM_CLOSE, 0, 0);
            EXPECT_EQ(program->WaitForExit(), 0);
        }
    }

    // Closes the program and starts it again over the settings it saved, patched: the Integer
    // at this offset of the settings record gets the value.
    void RestartWithSetting(size_t offset, std::int16_t value) {
        RestartWithSettings({{offset, value}});
    }
    void RestartWithSettings(std::initializer_list<std::pair<size_t, std::int16_t>> patches) {
        PostMessageA(main, WM_CLOSE, 0, 0);
        ASSERT_EQ(program->WaitForExit(), 0);
        std::vector<std::uint8_t> settings = ReadBytes(setup.SettingsFile());
        for (const auto& [offset, value] : patches) {
            ASSERT_GT(settings.size(), offset + 1);
            settings[offset] = static_cast<std::uint8_t>(value & 0xFF);
            settings[offset + 1] = static_cast<std::uint8_t>(value >> 8);
        }
        WriteBytes(setup.SettingsFile(), settings);
        program = std::make_unique<ProgramProcess>(setup.Executable());
        main = program->WaitForMainWindow();
        ASSERT_NE(main, nullptr);
        Restore();
    }

    HWND Showing(const std::string& text) {
        HWND control = nullptr;
        WaitFor([&] { return (control = LabelShowing(main, text)) != nullptr; }, 5000);
        return control;
    }
    // A real click on what the main window shows with this text.
    void Click(const std::string& text) {
        HWND control = Showing(text);
        ASSERT_NE(control, nullptr) << text << " is not among " << VisibleTexts(main);
        wintest::ClickAt(wintest::CenterOf(control));
    }
    void Restore() {
        ShowWindow(main, SW_RESTORE);
        ASSERT_TRUE(WaitFor([&] { return !IsIconic(main) && IsWindowVisible(main); }, 5000));
    }

    ProgramSetup setup;
    std::unique_ptr<ProgramProcess> program;
    HWND main = nullptr;
    std::unique_ptr<Notepad> notepad;
};

// The bulk paste: the bulk key, the window that asks for the separator, and every item in
// notepad in the order it was copied.
class BulkPaste : public Paste {
protected:
    static constexpr size_t kBulkCountAt = 7;
    static constexpr size_t kBulkSpacingAt = 95;

    int StoredSetting(size_t offset) const {
        const std::vector<std::uint8_t> b = ReadBytes(setup.SettingsFile());
        return b.size() > offset + 1 ? static_cast<std::int16_t>(b[offset] | (b[offset + 1] << 8))
                                     : -1;
    }
    // The bulk key in notepad, and the window that asks for the separator.
    HWND PressTheBulkKey() {
        notepad->SetText("");
        EXPECT_TRUE(notepad->Focus());
        LetThePollSeeIt();
        wintest::PressKey(VK_INSERT, {VK_CONTROL});
        HWND window = nullptr;
        WaitFor(
            [&] {
                window = FindWindowA(nullptr, "Bulk Paste - Clip Spacing");
                return window && IsWindowVisible(window) && GetForegroundWindow() == window;
            },
            5000);
        return window;
    }
    // The bulk cache holds these texts, its titles too.
    void WriteBulkCache(const std::vector<std::string>& texts) {
        std::string titles;
        for (size_t n = 0; n < texts.size(); ++n) {
            WriteBytes(setup.ProgramFolder() + "bulk." + std::to_string(n),
                       TextClipBytes(texts[n]));
            titles += Padded(texts[n]);
        }
        WriteBytes(setup.ProgramFolder() + "bulk.dat", Text(titles));
    }
    void ClickIn(HWND window, const std::string& text) {
        HWND control = LabelShowing(window, text);
        ASSERT_NE(control, nullptr) << text << " is not among " << VisibleTexts(window);
        wintest::ClickAt(wintest::CenterOf(control));
    }
};

}  // namespace mirvo::e2e
