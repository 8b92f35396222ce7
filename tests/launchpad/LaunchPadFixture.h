#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "doubles/FakeFolderBrowser.h"
#include "launchpad/LaunchPad.h"
#include "store/StoreFixture.h"

namespace mirvo::test {

// The program with a disk of Windows paths behind its folder lists, shown normal.
class LaunchPadFixture : public StoreFixture {
protected:
    LaunchPadFixture() {
        disk.AddFile("C:\\Program Files\\Tool\\tool.exe");
        disk.AddFile("C:\\Program Files\\Tool\\readme.txt");
        disk.AddFile("C:\\Program Files\\Tool\\notes");
        disk.AddFile("C:\\My Docs\\a.txt");
        disk.AddFile("C:\\My Docs\\b.doc");
        disk.AddFolder("C:\\Old Stuff");
        disk.AddFolder("C:\\Empty");
        t.host.browser = &disk;
    }
    void StartShown() {
        Start();
        edit().SetWindowState(forms::WindowState::Normal);
    }
    void PressLaunchPad(forms::MouseButton button = forms::MouseButton::Left) {
        t.host.Click(edit().controlPanel.LaunchBtn, button);
    }
    // Runs body in the shortcut editor that opening opens; false when none opened.
    bool InEditor(const std::function<void()>& opening,
                  const std::function<void(LaunchPad&)>& body) {
        bool opened = false;
        t.host.onModal = [&](forms::Form& form) {
            if (form.Name() == "LaunchPad" && !opened) {
                opened = true;
                body(static_cast<LaunchPad&>(form));
            }
        };
        opening();
        t.host.onModal = nullptr;
        return opened;
    }
    int Beeps() const { return static_cast<int>(t.desktop.beeps.size()); }

    FakeFolderBrowser disk;
};

}  // namespace mirvo::test
