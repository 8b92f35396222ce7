#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "app/StoreState.h"
#include "doubles/TestApp.h"
#include "mainwindow/Edit.h"
#include "panels/MainForm.h"
#include "startup/Main.h"

namespace mirvo::test {

// The program started (not for the first time) over a fresh data folder, with the window shown
// normal, on a screen large enough for the large window.
class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        t.host.screen = {19200, 14400, 15, 15};
        EXPECT_TRUE(Main(app));
        edit().SetWindowState(forms::WindowState::Normal);
    }

    MainForm& edit() { return app.MainWindow(); }
    void Key(int keyCode, int times = 1) {
        for (int i = 0; i < times; ++i) {
            t.host.PressKey(keyCode);
        }
    }
    int Highlight() const { return app.store.HighlightPos; }

    // Every control's place and visibility, to compare layouts.
    using Snapshot = std::map<std::string, std::tuple<int, int, int, int, bool>>;
    Snapshot Take() {
        Snapshot s;
        for (const auto& c : edit().Controls()) {
            s[c->Name() + "(" + std::to_string(c->Index()) + ")"] =
                std::make_tuple(c->Left(), c->Top(), c->Width(), c->Height(), c->Visible());
        }
        s["window"] = std::make_tuple(edit().Left(), edit().Top(), edit().Width(), edit().Height(),
                                      edit().Visible());
        return s;
    }

    TestApp t;
    App& app = t.Start();
};

}  // namespace mirvo::test
