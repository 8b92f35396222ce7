// The saving side of the crash-safety test: the program headless over a folder, saving its
// groups, group names, transfer slots, library list, history, last library and group, and
// settings with one of two known contents.
//   mirvo_save_loop <root> a|b   saves content A (or B) once and ends
//   mirvo_save_loop <root> loop  saves A, B, A, ... until it is killed, writing one byte to
//                                standard output after each complete save

#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "app/ClipboardState.h"
#include "app/Settings.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/History.h"
#include "files/Paths.h"
#include "harness/ProgramOver.h"
#include "mainwindow/Edit.h"
#include "panels/PanelColor.h"
#include "panels/Positions.h"
#include "store/Groups.h"
#include "store/LibraryFiles.h"
#include "store/TransferSlots.h"

namespace mirvo {
namespace {

using namespace store;

// Content A and B differ in every file, and their titles differ in length, so that a file
// mixed from both or cut short matches neither.
std::string Title(bool a, const char* what, size_t n) {
    return (a ? std::string("A ") : std::string("Bravo bravo ")) + what + " " + std::to_string(n);
}

AppSettings SettingsFor(bool a, const forms::ScreenMetrics& screen) {
    AppSettings s = DecodeSettings({});
    const ScreenTwips twips{screen.widthTwips, screen.heightTwips};
    UpgradeSettings(s, twips);
    RepairSettings(s, twips);
    s.FirstRunDone = 1;
    s.WindowTop = a ? 100 : 2000;
    s.WindowLeft = a ? 200 : 3000;
    s.BackgroundColor = a ? 0x123456 : 0x654321;
    s.EdgeRight = a ? 0 : 1;
    return s;
}

void Save(App& app, bool a) {
    GroupPanels& panels = app.MainWindow().groupPanels;
    const auto color = [a](size_t n) { return static_cast<forms::Color>((a ? 0x10 : 0x2000) + n); };
    for (size_t n = 0; n < kSlotCount; ++n) {
        panels.item[n]->SetCaption(Title(a, "clip", n));
        ShowTrueColor(app, kFirstGroupClipPos + static_cast<int>(n), color(n));
        app.store.ClipPasteMode[n] = a ? 0 : 4;
    }
    SaveGroup(app);
    for (size_t g = 0; g < kGroupCount; ++g) {
        panels.Group[g]->SetCaption(Title(a, "group", g));
    }
    SaveGroupNames(app);
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        panels.Trans[k]->SetCaption(Title(a, "slot", k));
        ShowTrueColor(app, kFirstTransferSlotPos + static_cast<int>(k), color(k));
        app.store.TransPasteMode[k] = a ? 1 : 2;
    }
    SaveTransferSlots(app);
    SaveLibraryList(app, std::vector<std::string>{a ? "Alpha" : "Bravo", a ? "Home" : "Work"});
    WriteLastLibrary(app, a ? 2 : 5, a ? "Alpha" : "Bravo");
    WriteLastGroup(app, app.LibraryFolder, a ? 3 : 9);
    for (size_t i = 0; i < 9; ++i) {
        app.MainWindow().clipboardPanel.ClipboardClip[i]->SetCaption(Title(a, "copy", i));
    }
    app.clip.ClipboardClipCount = a ? 9 : 4;
    SaveClipboardHistory(app);
    app.settings = SettingsFor(a, app.os.forms.Screen());
    SaveSettings(app);
}

}  // namespace
}  // namespace mirvo

int main(int argc, char** argv) {
    const std::string mode = argc == 3 ? argv[2] : "";
    if (mode != "a" && mode != "b" && mode != "loop") {
        std::fprintf(stderr, "usage: mirvo_save_loop <root> a|b|loop\n");
        return 2;
    }
    mirvo::test::ProgramOver program(mirvo::files::WithSeparator(argv[1]));
    if (!program.Start()) {
        return 1;
    }
    if (mode != "loop") {
        mirvo::Save(program.app(), mode == "a");
        return 0;
    }
    for (bool a = true;; a = !a) {
        mirvo::Save(program.app(), a);
        if (write(STDOUT_FILENO, "s", 1) != 1) {
            return 1;
        }
    }
}
