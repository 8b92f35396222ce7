#include "app/App.h"

#include <exception>

#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "mainwindow/Edit.h"
#include "platform/Desktop.h"

namespace mirvo {

App::App(const Platform& platform) : os(platform), ansi(platform.desktop.AnsiLeadBytes()) {
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
    m_edit.reset();
    os.forms.SetErrorHandler(nullptr);
}

Edit& App::MainWindow() {
    if (!m_edit) {
        CreateMainWindow();
    }
    return *m_edit;
}

void App::CreateMainWindow() { m_edit = std::make_unique<Edit>(*this); }

void App::RefusalTones() {
    os.desktop.Beep(100, 100);
    os.desktop.Beep(70, 100);
}

}  // namespace mirvo
