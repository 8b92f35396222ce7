#include "startup/Main.h"

#include <stdexcept>

#include "app/App.h"
#include "app/Launcher.h"
#include "app/Modes.h"
#include "app/Settings.h"
#include "clipboard/Markers.h"
#include "display/DisplayModes.h"
#include "display/Layout.h"
#include "files/DataFile.h"
#include "files/Paths.h"
#include "forms/Form.h"
#include "forms/FormsHost.h"
#include "libraries/DataFolder.h"
#include "mainwindow/Edit.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"
#include "startup/Folders.h"
#include "startup/Instance.h"
#include "store/HotKeyWatch.h"

namespace mirvo {

namespace {

// The height of a window reduced to its title bar and borders: what the system adds to a client
// area for the style of the small caption form, asked without making its window.
int MeasureCaptionHeight(App& app) {
    const forms::Form captionForm(app.os.forms, "CaptionForm");
    return app.os.forms.NonClientHeight(captionForm);
}

// The main window at its place and in its full size, before the data folder fills it. Its windows
// are made only after that, with their captions, colours and places already in the controls,
// rather than made blank and then changed one by one.
void PlaceMainWindow(App& app) {
    MainForm& edit = app.MainWindow();
    ApplyWindowSize(app);
    edit.SetTop(app.settings.WindowTop);
    edit.SetLeft(app.settings.WindowLeft);
}

void ShowAtStart(App& app) {
    MainForm& edit = app.MainWindow();
    edit.TimerEdge.SetEnabled(true);
    edit.SetWindowState(forms::WindowState::Minimized);
    edit.controlPanel.NoMinimizeBtn.SetValue(app.settings.NoMinimize);
    edit.Show();
    edit.Timer1.SetEnabled(true);
    if (app.settings.FirstRunDone == 0) {
        edit.SetWindowState(forms::WindowState::Normal);
        edit.Refresh();
        OpenTutorialPage(app, "Firstoptions.htm");
        app.settings.FirstRunDone = 1;
    }
}

}  // namespace

int ProbeWindowsFolder(App& app) {
    platform::FileSystem& fs = app.os.files;
    const std::string stem =
        app.WindowsFolder + "Mirvo-probe-" + std::to_string(app.os.desktop.TickCount());
    for (int attempt = 0; attempt < 10; ++attempt) {
        const std::string path = stem + "-" + std::to_string(attempt) + ".tmp";
        if (fs.Exists(path)) {
            continue;
        }
        try {
            std::unique_ptr<platform::File> file = fs.Open(path, platform::OpenMode::CreateNew);
            bool written = false;
            bool diskFull = false;
            try {
                const char mark = 'M';
                file->WriteAt(0, &mark, 1);
                char back = 0;
                written = file->ReadAt(0, &back, 1) == 1 && back == mark;
            } catch (const platform::FileError& e) {
                // A full disk says nothing of the right to write there: it must not move the
                // data to the private folder for good.
                diskFull = e.Kind() == platform::FileErrorKind::DiskFull;
            }
            file.reset();
            // The file is ours: it is removed whatever the outcome.
            const bool removed = fs.Remove(path);
            return (written || diskFull) && removed ? 0 : 1;
        } catch (const platform::FileError&) {
            return 1;
        }
    }
    return 1;
}

bool Main(App& app) {
    try {
        if (!BuildTitleAndCheckInstance(app)) {
            return false;
        }
        CreateMainWindow(app);
        StartHotKeys(app);
        app.WindowsFolder = files::WithSeparator(app.os.desktop.WindowsFolder());
        app.CaptionHeight = MeasureCaptionHeight(app);
        app.ProgramFolder = files::WithSeparator(app.os.desktop.ProgramFolder());
        app.UserName = app.os.desktop.UserName();
        app.PrivateDataFolder = ResolvePrivateDataFolder(app);
        LoadSettings(app);
        PlaceMainWindow(app);

        app.LimitedUser = ProbeWindowsFolder(app);
        if (app.LimitedUser == 1) {
            app.settings.DataOption = DataLocation::Private;
            SaveSettings(app);
        }

        LoadDataFolder(app);
        app.MainWindow().Load();
        ApplyTopmost(app);
        RegisterMarkerFormats(app);
        if (OpenClipboardRetrying(app)) {
            MarkClipboard(app, 0);
        }
        ShowAtStart(app);
        return true;
    } catch (const std::logic_error&) {
        throw;  // a programming error, never a file's: it must not pass for one
    } catch (const std::exception&) {
        // Start-up cannot go on without its files (a fatal file error, or a data folder that
        // cannot be made): the one fatal message, and the end.
        app.os.forms.MsgBox(files::kFatalFileMessage, files::kFatalFileMessageStyle, "Mirvo");
        app.os.forms.End(1);
        return false;
    }
}

}  // namespace mirvo
