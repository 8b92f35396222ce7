#pragma once

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/App.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeDesktop.h"
#include "doubles/FakeFolderBrowser.h"
#include "doubles/FakeHooks.h"
#include "doubles/FakeShell.h"
#include "explore/Sandbox.h"
#include "forms/HeadlessHost.h"

namespace mirvo::explore {

// Windows of other programs on every machine.
inline constexpr platform::WindowHandle kNotepad = 0x7001;
inline constexpr platform::WindowHandle kDesktopWindow = 0x7002;

// An error that ended a handler, as the program's error handler saw it.
struct HandlerError {
    std::string what;
    bool fatalFile = false;   // the one fatal file error
    bool fileError = false;   // another error of the file system
    bool worldFault = false;  // a fault the world caused (a held file, a full disk) was met
};

// One run of the program: its window host and its App, from the start to its end.
struct Program {
    forms::HeadlessHost host;
    std::unique_ptr<App> app;
    bool running = false;  // the start succeeded and the program has not ended
    std::vector<HandlerError> errors;
};

// One machine with the program on it: its own desktop, clipboard, shell, hooks and keys; the
// files it shares with the other machines. The program is started and closed on it.
class Machine {
public:
    Machine(WatchedFileSystem& fs, const std::string& root, int number);
    ~Machine();

    // Starts the program over the machine's folders; false when the start ended it.
    bool Start();
    // Tears the program down without any event (after it ended, or at the end of a run).
    void Drop();
    bool Running() const { return m_program && m_program->running; }
    Program* Current() { return m_program.get(); }
    App& app() { return *m_program->app; }
    forms::HeadlessHost& host() { return m_program->host; }
    std::string PrivateFolder() const;
    std::string ProgramFolder() const { return m_root + "program/"; }
    std::string WindowsFolder() const;

    WatchedFileSystem& fs;
    test::FakeDesktop desktop;
    test::FakeClipboard clipboard;
    test::FakeShell shell;
    test::FakeKeyboardHook keyboard;
    test::FakeMouseHook mouse;
    test::FakeKeySender keys;
    const int number;
    test::FakeFolderBrowser disk;  // what the shortcut editor's folder lists show
    // Runs before the start procedure, with the program's host and App made.
    std::function<void(Program&)> beforeMain;
    // A hook for a test: runs right after every start (to plant a fault, for instance).
    std::function<void(App&)> afterStart;

private:
    void WatchErrors();

    std::string m_root;
    std::unique_ptr<Program> m_program;
};

// Everything the program meets: the shared folder tree, the file system with its faults and
// the machines (one, or two over the same data folder).
class World {
    ScratchRoot m_root;  // first: the members below live in it

public:
    explicit World(int machines = 1);
    ~World();

    const std::string& Root() const { return m_root.Path(); }
    Machine& machine(int i) { return *m_machines[static_cast<size_t>(i)]; }
    int Machines() const { return static_cast<int>(m_machines.size()); }

    WatchedFileSystem fs;
    Snapshot snapshot;

private:
    std::vector<std::unique_ptr<Machine>> m_machines;
};

}  // namespace mirvo::explore
