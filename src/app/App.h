#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "app/AppSettings.h"
#include "files/AnsiText.h"

namespace mirvo {

namespace forms {
class Form;
class FormsHost;
}  // namespace forms
namespace platform {
class Clipboard;
class Desktop;
class FileSystem;
class KeyboardHook;
class KeySender;
class MouseHook;
class Shell;
}  // namespace platform

class MainForm;
struct ClipboardState;
struct DisplayState;
struct DragState;
struct EditingState;
struct FolderSync;
struct PasteState;
struct SearchState;
struct StoreState;

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
// a temporary folder. The state of each subsystem is declared in its own header under app/,
// which only the files that use it include.
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

private:
    std::unique_ptr<ClipboardState> m_clip;
    std::unique_ptr<StoreState> m_store;
    std::unique_ptr<EditingState> m_editing;
    std::unique_ptr<DisplayState> m_display;
    std::unique_ptr<PasteState> m_paste;
    std::unique_ptr<DragState> m_drag;
    std::unique_ptr<SearchState> m_search;
    std::unique_ptr<FolderSync> m_folder;

public:
    // Subsystem state (app/ClipboardState.h, StoreState.h, EditContext.h, DisplayState.h,
    // PasteState.h, DragState.h, SearchState.h), and the data folder shared with other
    // instances (app/FolderSync.h).
    ClipboardState& clip;
    StoreState& store;
    EditingState& editing;
    DisplayState& display;
    PasteState& paste;
    DragState& drag;
    SearchState& search;
    FolderSync& folder;

    // Topic for the quick-help window.
    int HelpTopic = 0;

    // The main window; created by the start-up sequence before anything shows data in it.
    MainForm& MainWindow();
    bool HasMainWindow() const { return m_mainWindow != nullptr; }
    // Takes the main window (a form derived from MainForm).
    template <class Window>
    void SetMainWindow(std::unique_ptr<Window> window) {
        m_mainWindowView = window.get();
        m_mainWindow = std::move(window);
    }

    // Two short tones: the program's "refused" signal.
    void RefusalTones();

private:
    std::unique_ptr<forms::Form> m_mainWindow;
    MainForm* m_mainWindowView = nullptr;
};

// Waits ms milliseconds on the tick count, serving window messages meanwhile.
void WaitMs(App& app, std::uint32_t ms);

}  // namespace mirvo
