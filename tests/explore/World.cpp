#include "explore/World.h"

#include <filesystem>

#include "files/DataFile.h"
#include "forms/FolderBrowser.h"
#include "platform/Desktop.h"
#include "startup/Main.h"

namespace mirvo::explore {

Machine::Machine(WatchedFileSystem& files, const std::string& root, int n)
    : fs(files), number(n), m_root(root) {
    const std::string appdata = root + "appdata" + std::to_string(n);
    std::filesystem::create_directories(root + "program");
    std::filesystem::create_directories(appdata);
    std::filesystem::create_directories(WindowsFolder());
    desktop.programFolder = ProgramFolder();
    desktop.windowsFolder = WindowsFolder();
    desktop.specialFolders[platform::Csidl::AppData] = appdata;
    desktop.windows[kNotepad] = {"Untitled - Notepad", false, false};
    desktop.windows[kDesktopWindow] = {"Program Manager", false, false};
    desktop.classNames[kDesktopWindow] = "Progman";
    desktop.foreground = kNotepad;
    desktop.cursor = {512, 384};
    keys.foreground = &desktop.foreground;
    keyboard.foreground = &desktop.foreground;
    disk.AddFile("C:\\Program Files\\Tool\\tool.exe");
    disk.AddFile("C:\\Program Files\\Tool\\readme.txt");
    disk.AddFile("C:\\My Docs\\a.txt");
    disk.AddFile("C:\\My Docs\\b.doc");
    disk.AddFolder("C:\\Empty");
}

Machine::~Machine() {
    Drop();
}

std::string Machine::PrivateFolder() const {
    return m_root + "appdata" + std::to_string(number) + "/Talbrook Software/Mirvo_Data/";
}

std::string Machine::WindowsFolder() const {
    return m_root + "windows" + std::to_string(number);
}

void Machine::WatchErrors() {
    Program& program = *m_program;
    forms::HeadlessHost& host = program.host;
    auto inner = host.ErrorHandler();
    host.SetErrorHandler([this, &program, inner](std::exception_ptr error) {
        HandlerError seen;
        try {
            std::rethrow_exception(error);
        } catch (const files::FatalFileError& e) {
            seen = {e.what(), true, true};
        } catch (const platform::FileError& e) {
            seen = {e.what(), false, true};
        } catch (const forms::DeviceUnavailable& e) {
            // The user chose a drive without a disk: nothing changes.
            seen = {e.what(), false, true};
            seen.worldFault = true;
            program.errors.push_back(seen);
            if (inner) {
                inner(error);
            }
            return;
        } catch (const std::exception& e) {
            seen = {e.what()};
        } catch (...) {
            seen = {"an exception of no known type"};
        }
        seen.worldFault = fs.worldFaults > 0;
        program.errors.push_back(seen);
        if (inner) {
            inner(error);
        }
    });
}

bool Machine::Start() {
    Drop();
    m_program = std::make_unique<Program>();
    Program& program = *m_program;
    program.host.endStopsAll = true;
    program.app = std::make_unique<App>(
        Platform{desktop, fs, clipboard, shell, program.host, &keyboard, &mouse, &keys});
    WatchErrors();
    if (beforeMain) {
        beforeMain(program);
    }
    try {
        program.running = Main(*program.app);
    } catch (const forms::ProgramEnded&) {
        program.running = false;
    }
    if (program.running && afterStart) {
        afterStart(*program.app);
    }
    return program.running;
}

void Machine::Drop() {
    clipboard.OnChange = nullptr;
    keyboard.OnKeyDown = nullptr;
    keyboard.OnKeyUp = nullptr;
    mouse.OnMouse = nullptr;
    // The hooks belong to the program's process and go with it: the next start finds none set.
    mouse.on = false;
    keyboard.watched.clear();
    keyboard.monitoring = 0;
    clipboard.isOpen = false;
    if (m_program) {
        // The program's windows go with it and Windows activates the next one, the user's other
        // program: a window number of the ended run never stays in front for the next run, whose
        // windows are numbered afresh, to take as a program to paste into.
        if (desktop.windows.count(desktop.foreground) == 0) {
            desktop.foreground = kNotepad;
        }
        m_program->running = false;
        m_program->host.onModal = nullptr;
        m_program->host.onDoEvents = nullptr;
        m_program->host.onEvent = nullptr;
        m_program->app.reset();
        m_program.reset();
    }
}

World::World(int machines) : snapshot(m_root.Path()) {
    for (int i = 0; i < machines; ++i) {
        m_machines.push_back(std::make_unique<Machine>(fs, m_root.Path(), i + 1));
    }
}

World::~World() {
    for (auto& machine : m_machines) {
        machine->Drop();
    }
}

}  // namespace mirvo::explore
