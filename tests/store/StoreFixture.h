#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "app/AppSettings.h"
#include "app/StoreLayout.h"
#include "doubles/TestApp.h"
#include "files/Paths.h"
#include "mainwindow/Edit.h"
#include "panels/MainForm.h"
#include "startup/Main.h"

namespace mirvo::test {

// The program over a temporary folder whose data lives in the program folder (the settings of a
// first start), with helpers to lay out data files before the start and read them after.
class StoreFixture : public ::testing::Test {
protected:
    static constexpr char kSep = files::kPathSeparator;

    // Starts the program; files put into DataPath() before are there from the start.
    void Start() { ASSERT_TRUE(Main(app)); }

    std::string DataPath(const std::string& relative = "") const {
        return t.temp.Path() + "program" + kSep + relative;
    }
    std::string LibPath(int library, const std::string& name = "") const {
        return DataPath("Lib" + std::to_string(library) + kSep + name);
    }
    void Put(const std::string& path, const files::Bytes& bytes) const {
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        WriteFileBytes(path, bytes);
    }
    files::Bytes Read(const std::string& path) const { return ReadFileBytes(path); }

    // Every file under a folder, by its path relative to the folder ("Lib1/Groups.dat").
    std::set<std::string> FilesUnder(const std::string& folder) const {
        std::set<std::string> names;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
            if (entry.is_regular_file()) {
                names.insert(std::filesystem::relative(entry.path(), folder).generic_string());
            }
        }
        return names;
    }

    static std::string Padded(const std::string& s, size_t width = 50) {
        return s + std::string(width - s.size(), ' ');
    }
    static files::Bytes Text(const std::string& s) { return files::Bytes(s.begin(), s.end()); }
    static files::Bytes Longs(std::initializer_list<std::int32_t> values, size_t count) {
        files::Bytes bytes(count * 4, 0);
        size_t i = 0;
        for (const std::int32_t v : values) {
            files::WriteInt32(bytes, 4 * i++, v);
        }
        return bytes;
    }
    // Group titles: the given ones first, the rest of the 96 blank.
    static files::Bytes Titles(std::initializer_list<std::string> titles, size_t count = 96) {
        std::string all;
        for (const std::string& title : titles) {
            all += Padded(title);
        }
        all.resize(count * 50, ' ');
        return Text(all);
    }

    // Record n (1-based) of "Lib.dat".
    std::string LibraryRecord(int library) const {
        const files::Bytes list = Read(DataPath("Lib.dat"));
        const size_t at = 20 * static_cast<size_t>(library - 1);
        return at + 20 <= list.size() ? std::string(list.begin() + at, list.begin() + at + 20)
                                      : "<none>";
    }
    AppSettings StoredSettings() const {
        return DecodeSettings(Read(t.PrivateFolder() + "mirvo.ini"));
    }

    MainForm& edit() { return app.MainWindow(); }
    GroupPanels& panels() { return edit().groupPanels; }
    forms::Label& Item(int n) { return *panels().item[static_cast<size_t>(n)]; }
    forms::Label& Key(int n) { return *panels().hotkey[static_cast<size_t>(n)]; }
    forms::Label& GroupName(int g) { return *panels().Group[static_cast<size_t>(g)]; }
    forms::Label& Slot(int k) { return *panels().Trans[static_cast<size_t>(k)]; }
    std::string LibLabel() { return edit().controlPanel.LibLabel.Caption(); }

    TestApp t;
    App& app = t.Start();
};

}  // namespace mirvo::test
