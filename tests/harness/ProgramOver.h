#pragma once

#include <memory>
#include <string>

#include "app/App.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeDesktop.h"
#include "doubles/FakeShell.h"
#include "doubles/FaultyFileSystem.h"
#include "files/Paths.h"
#include "forms/HeadlessHost.h"

namespace mirvo::test {

// The program headless over a folder that outlives it, laid out as TestApp lays out its own:
// <root>program/ (the program and its common data), <root>appdata/ and <root>windows/. Later
// runs, or other processes, meet the data an earlier one left.
class ProgramOver {
public:
    // root ends in a separator; the three folders are made when missing. With a user root the
    // user's folders (appdata/, windows/) are there instead: users of other computers that share
    // one program folder.
    explicit ProgramOver(std::string root, std::string userRoot = "");

    // The start-up sequence; true when the main window is up.
    bool Start();
    App& app() { return *m_app; }
    std::string PrivateFolder() const;
    std::string ProgramFolder() const { return m_root + "program" + files::kPathSeparator; }

    FakeDesktop desktop;
    FakeClipboard clipboard;
    FakeShell shell;
    FaultyFileSystem fs;
    forms::HeadlessHost host;

private:
    std::string m_root;
    std::string m_userRoot;
    std::unique_ptr<App> m_app;
};

}  // namespace mirvo::test
