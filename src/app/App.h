#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/EditContext.h"
#include "clipboard/ClipboardState.h"
#include "files/AnsiText.h"
#include "mainwindow/DisplayState.h"
#include "paste/PasteState.h"
#include "startup/AppSettings.h"
#include "store/StoreState.h"

namespace mirvo {

namespace forms {
class FormsHost;
}
namespace platform {
class Clipboard;
class Desktop;
class FileSystem;
class KeyboardHook;
class KeySender;
class MouseHook;
class Shell;
}  // namespace platform

class Edit;

// The operating-system services the program uses. The hooks and the key sender may be absent
// where nothing needs them.
struct Platform {
    platform::Desktop& desktop;
    platform::FileSystem& files;
    platform::Clipboard& clipboard;
    platform::Shell& shell;
    forms::FormsHost& forms;
    platform::KeyboardHook* keyboardHook = nullptr;
    platform::MouseHook* mouseHook = nullptr;
    platform::KeySender* keySender = nullptr;
};

// The program-wide state: the settings record, the folders, the shared flags, the platform
// services and the main window. Subsystems take it by reference; tests build a fresh one over
// a temporary folder.
class App {
public:
    explicit App(const Platform& platform);
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    Platform os;
    AppSettings settings;
    files::AnsiCodePage ansi;

    // Start-up state.
    std::string MainTitle;
    const std::string BlankTitle = std::string(50, ' ');
    std::string WindowsFolder;
    std::string ProgramFolder;
    std::string UserName;
    std::string PrivateDataFolder;
    std::string DataFolder;
    std::string LibraryFolder;
    int CurrentLibrary = 1;
    int CaptionHeight = 0;
    int LimitedUser = 0;

    // Clipboard marker formats "Oldfolio", "QuilletData", "PictavoData".
    std::array<std::uint32_t, 3> MarkerFormats{};

    // Subsystem state.
    ClipboardState clip;
    StoreState store;
    EditContext editing;
    DisplayState display;
    PasteState paste;

    // The next key-up on the main window is ignored (the key that closed a dialog).
    int SwallowKeyUp = 0;
    // Topic for the quick-help window.
    int HelpTopic = 0;

    // The main window; created by the start-up sequence.
    Edit& MainWindow();
    bool HasMainWindow() const { return m_edit != nullptr; }
    void CreateMainWindow();

    // Two short tones: the program's "refused" signal.
    void RefusalTones();

private:
    std::unique_ptr<Edit> m_edit;
};

}  // namespace mirvo
