#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "forms/FolderBrowser.h"
#include "forms/FormsHost.h"

namespace mirvo::win32 {

// Shows the model's forms as native windows: one window per form, one native control per model
// control, twips converted at the real DPI, every property change applied at once and native
// input turned into the model's events. A new form needs no Win32 code.
class Win32FormsHost : public forms::FormsHost {
public:
    Win32FormsHost(HINSTANCE instance, forms::FolderBrowser& browser);
    ~Win32FormsHost() override;
    Win32FormsHost(const Win32FormsHost&) = delete;
    Win32FormsHost& operator=(const Win32FormsHost&) = delete;

    // forms::FormsHost.
    void Load(forms::Form& form) override;
    void Show(forms::Form& form, forms::ShowMode mode) override;
    void Hide(forms::Form& form) override;
    bool Unload(forms::Form& form, forms::UnloadMode mode) override;
    void Release(forms::Form& form) override;
    void SetFocus(forms::Control& control) override;
    forms::Control* FocusedControl() const override;
    void BeginDrag(forms::Control& source) override;
    forms::Control* DragSource() const override;
    void Refresh(forms::Form& form) override;
    forms::MsgResult MsgBox(const std::string& text, int style, const std::string& title) override;
    void DoEvents() override;
    void WaitForEvents(std::uint32_t ms) override;
    forms::ScreenMetrics Screen() const override;
    std::vector<forms::Form*> LoadedForms() const override;
    forms::WindowHandle Handle(const forms::Form& form) const override;
    int NonClientWidth(const forms::Form& form) const override;
    int NonClientHeight(const forms::Form& form) const override;
    forms::FolderBrowser& Browser() override { return m_browser; }
    // Ends the process at once (no further events), with the exit code.
    void End(int exitCode) override;

    // Runs the message loop until the last form unloads or End; returns the exit code.
    int Run();

    // The native window of a control of a loaded form (nullptr for windowless kinds such as
    // timers and menus), for tests that check what the user sees.
    HWND ControlWindow(const forms::Control& control) const;

    struct Impl;

private:
    std::unique_ptr<Impl> m_impl;
    forms::FolderBrowser& m_browser;
};

}  // namespace mirvo::win32
