#include "fuzz/FuzzProgram.h"

#include <filesystem>

#include "app/App.h"
#include "app/ClipboardState.h"
#include "app/StoreLayout.h"
#include "app/StoreState.h"
#include "clipboard/BulkCache.h"
#include "clipboard/Capture.h"
#include "clipboard/History.h"
#include "clipboard/Markers.h"
#include "files/DataFile.h"
#include "fuzz/FuzzTargets.h"
#include "help/QuickHelp.h"
#include "mainwindow/Edit.h"
#include "panels/PanelColor.h"
#include "panels/Positions.h"
#include "paste/BulkForm.h"
#include "startup/Main.h"
#include "store/Groups.h"
#include "store/LibraryFiles.h"
#include "store/TransferSlots.h"

namespace mirvo::fuzz {

using namespace store;

void Require(bool ok, const std::string& what) {
    if (!ok) {
        throw Violation(what);
    }
}

void RequireTitle(const std::string& title, size_t width, const std::string& what) {
    Require(title.size() <= width, what + " longer than its record");
    Require(title.empty() || title.back() != ' ', what + " keeps a trailing space");
}

FuzzProgram& FuzzProgram::Get() {
    static FuzzProgram program;
    return program;
}

FuzzProgram::FuzzProgram() : m_app(m_test.Start()) {
    Require(Main(m_app), "the program did not start");
    GiveContent();
    for (const auto& entry : std::filesystem::recursive_directory_iterator(m_test.temp.Path())) {
        if (entry.is_regular_file()) {
            m_written[entry.path().string()] = Read(entry.path().string());
        }
    }
}

// Every record file gets values other than its defaults, written by the program itself.
void FuzzProgram::GiveContent() {
    GroupPanels& panels = m_app.MainWindow().groupPanels;
    for (size_t n = 0; n < kSlotCount; ++n) {
        panels.item[n]->SetCaption("Clip " + std::to_string(n) + std::string(n % 40, 'x'));
        ShowTrueColor(m_app, kFirstGroupClipPos + static_cast<int>(n),
                      static_cast<forms::Color>(0x102030 * (n + 1)));
        m_app.store.ClipPasteMode[n] = static_cast<std::uint8_t>(n % (kHighestPasteMode + 1));
    }
    SaveGroup(m_app);
    for (size_t g = 0; g < kGroupCount; ++g) {
        panels.Group[g]->SetCaption("Group " + std::to_string(g));
    }
    SaveGroupNames(m_app);
    for (size_t k = 0; k < kTransferSlotCount; ++k) {
        panels.Trans[k]->SetCaption("Slot " + std::to_string(k));
        ShowTrueColor(m_app, kFirstTransferSlotPos + static_cast<int>(k),
                      static_cast<forms::Color>(0x0F0F0F * (k + 1)));
        m_app.store.TransPasteMode[k] = static_cast<std::uint8_t>(k % (kHighestPasteMode + 1));
    }
    SaveTransferSlots(m_app);

    const std::vector<std::string> libraries = {"Work", " Home", "Recipes"};
    SaveLibraryList(m_app, libraries);
    WriteLastLibrary(m_app, 3, "Recipes");
    WriteLastGroup(m_app, m_app.LibraryFolder, 7);

    // A capture of text and a registered format, and the history that names it.
    m_test.clipboard.PutFromOtherProgram({{1, {'h', 'e', 'l', 'l', 'o', 0}},
                                          {m_test.clipboard.RegisterFormat("HTML Format"),
                                           {'<', 'b', '>', 'h', 'i', '<', '/', 'b', '>'}}});
    m_test.clipboard.Open(0);
    CaptureClipboard(m_app);
    m_test.clipboard.Close();
    files::MoveDataFile(m_app.os.files, CaptureFilePath(m_app), m_app.DataFolder + "clip.0");
    m_app.MainWindow().clipboardPanel.ClipboardClip[0]->SetCaption("hello");
    m_app.clip.ClipboardClipCount = 1;
    SaveClipboardHistory(m_app);

    // Two bulk items and the bulk paste's user text.
    AddToBulkCache(m_app, m_app.DataFolder + "clip.0", "hello");
    AddToBulkCache(m_app, m_app.DataFolder + "clip.0", "hello again");
    BulkForm bulk(m_app);
    bulk.Show();
    bulk.spaceoption[BulkSeparator::UserText]->SetValue(true);
    bulk.Text1.SetText(" | ");
    m_test.host.Click(bulk.OKBtn);

    // The quick-help file that ships beside the program.
    Write(m_app.ProgramFolder + kQuickHelpFileName,
          Read(std::string(MIRVO_SOURCE_DIR) + "/data/" + kQuickHelpFileName));
    GiveLaunchPadContent(m_app);
}

files::Bytes FuzzProgram::AsWritten(const std::string& path) const {
    const auto found = m_written.find(path);
    return found == m_written.end() ? files::Bytes() : found->second;
}

void FuzzProgram::Write(const std::string& path, const files::Bytes& bytes) {
    test::WriteFileBytes(path, bytes);
}

files::Bytes FuzzProgram::Read(const std::string& path) const {
    return test::ReadFileBytes(path);
}

void FuzzProgram::RequireKeptOrDefault(const std::string& path, const files::Bytes& input,
                                       const files::Bytes& defaults) const {
    const files::Bytes stored = Read(path);
    if (input.empty()) {
        Require(stored == defaults, "an empty " + path + " did not get its defaults");
    } else {
        Require(stored == input, "reading " + path + " changed it");
    }
}

void FuzzProgram::ResetClipboard() {
    m_test.clipboard = test::FakeClipboard();
    RegisterMarkerFormats(m_app);
}

}  // namespace mirvo::fuzz
