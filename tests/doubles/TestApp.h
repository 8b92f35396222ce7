#pragma once

#include <memory>
#include <string>

#include "app/App.h"
#include "doubles/FakeClipboard.h"
#include "doubles/FakeDesktop.h"
#include "doubles/FakeHooks.h"
#include "doubles/FakeShell.h"
#include "doubles/FaultyFileSystem.h"
#include "doubles/TempFolder.h"
#include "forms/HeadlessHost.h"

namespace mirvo::test {

// The program over a temporary folder with a headless host and fake system services:
// <temp>/program/ is the program folder, <temp>/appdata the user's application data,
// <temp>/windows the Windows folder.
class TestApp {
public:
    TestApp();

    // The private data folder as the start-up sequence resolves it.
    std::string PrivateFolder() const;
    // The settings record of an earlier run, in the private data folder.
    void StoreSettings(const AppSettings& settings);
    // Builds the App (once); tests set up files and fakes before.
    App& Start();
    App& app() { return *m_app; }

    TempFolder temp;
    FakeDesktop desktop;
    FakeClipboard clipboard;
    FakeShell shell;
    FakeKeyboardHook keyboard;
    FakeMouseHook mouse;
    FakeKeySender keys;
    FaultyFileSystem fs;
    forms::HeadlessHost host;

private:
    std::unique_ptr<App> m_app;
};

}  // namespace mirvo::test
