#include "app/App.h"

#include <exception>
#include <stdexcept>

#include "app/ClipboardState.h"
#include "app/DisplayState.h"
#include "app/DragState.h"
#include "app/EditContext.h"
#include "app/FolderSync.h"
#include "app/PasteState.h"
#include "app/SearchState.h"
#include "app/StoreState.h"
#include "files/DataFile.h"
#include "forms/Form.h"
#include "forms/FormsHost.h"
#include "platform/Desktop.h"

namespace mirvo {

App::App(const Platform& platform)
    : os(platform),
      ansi(platform.desktop.AnsiLeadBytes()),
      m_clip(std::make_unique<ClipboardState>()),
      m_store(std::make_unique<StoreState>()),
      m_editing(std::make_unique<EditingState>()),
      m_display(std::make_unique<DisplayState>()),
      m_paste(std::make_unique<PasteState>()),
      m_drag(std::make_unique<DragState>()),
      m_search(std::make_unique<SearchState>()),
      m_folder(std::make_unique<FolderSync>()),
      clip(*m_clip),
      store(*m_store),
      editing(*m_editing),
      display(*m_display),
      paste(*m_paste),
      drag(*m_drag),
      search(*m_search),
      folder(*m_folder) {
    // A data file that cannot be opened ends the program with its one message, from whatever
    // event it happened in; every other error only ends the event's handler.
    os.forms.SetErrorHandler([this](std::exception_ptr error) {
        try {
            std::rethrow_exception(error);
        } catch (const files::FatalFileError&) {
            os.forms.MsgBox(files::kFatalFileMessage, files::kFatalFileMessageStyle, "Mirvo");
            os.forms.End(1);
        } catch (...) {
        }
    });
}

App::~App() {
    m_mainWindowView = nullptr;
    m_mainWindow.reset();
    os.forms.SetErrorHandler(nullptr);
}

MainForm& App::MainWindow() {
    if (!m_mainWindow) {
        throw std::logic_error("the main window is used before the start-up sequence made it");
    }
    return *m_mainWindowView;
}

void App::RefusalTones() {
    if (folder.lockDepth > 0) {
        // The tones take 200 ms: they sound once the data folder's lock is let go.
        folder.tonesPending = true;
        return;
    }
    os.desktop.Beep(100, 100);
    os.desktop.Beep(70, 100);
}

void WaitMs(App& app, std::uint32_t ms) {
    const std::uint32_t start = app.os.desktop.TickCount();
    // Unsigned difference: correct across the tick counter's wrap.
    while (app.os.desktop.TickCount() - start <= ms) {
        app.os.forms.DoEvents();
    }
}

}  // namespace mirvo
