#include "win32/host/HostImpl.h"

#include <commctrl.h>

#include <algorithm>

#include "win32/host/FormWindow.h"
#include "win32/host/WindowBase.h"

namespace mirvo::win32 {

namespace {
HWND CreateOwnerWindow(HINSTANCE instance) {
    return CreateWindowExA(0, WindowBase::kOwnerClass, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           instance, nullptr);
}
}  // namespace

Win32FormsHost::Impl::Impl(Win32FormsHost& host, HINSTANCE module)
    : api(host),
      instance(module ? module : GetModuleHandleA(nullptr)),
      scale(TwipsScale::FromScreen()),
      gdi(scale),
      uxtheme(LoadLibraryA("uxtheme.dll")),
      drag(*this) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    WindowBase::RegisterClasses(instance);
    owner = OwnedWindow(CreateOwnerWindow(instance));
}

Win32FormsHost::Impl::~Impl() {
    // Forms still loaded lose their windows without events, as when they are released.
    for (const auto& window : forms) {
        forms::Form& form = window->Model();
        window->Detach();
        form.SyncState(false, false, false);
    }
    forms.clear();
    graveyard.clear();
}

FormWindow* Win32FormsHost::Impl::Find(const forms::Form& form) const {
    for (const auto& window : forms) {
        if (&window->Model() == &form) {
            return window.get();
        }
    }
    return nullptr;
}

void Win32FormsHost::Impl::ShowForm(forms::Form& form, bool modalShow) {
    FormWindow* window = Find(form);
    if (!window) {
        return;
    }
    // The handlers that run meanwhile may unload the form: the window object stays until this
    // returns, and nothing more happens once the form is gone.
    WindowBase::UseGuard use(*window);
    const bool wasShown = form.Visible() && IsWindowVisible(window->Hwnd());
    form.SyncState(true, true, modalShow);
    if (wasShown) {
        window->BringToFront();
        return;
    }
    window->ShowFromHidden();
    if (!window->Live()) {
        return;
    }
    form.RaiseResize();
    if (window->Live()) {
        window->FinishShow();
    }
}

void Win32FormsHost::Impl::Teardown(const forms::Form& form) {
    auto it = std::find_if(forms.begin(), forms.end(),
                           [&](const auto& w) { return &w->Model() == &form; });
    if (it == forms.end()) {
        return;
    }
    std::unique_ptr<FormWindow> window = std::move(*it);
    forms.erase(it);
    api.FormGone(form);
    drag.Forget(form);
    if (focus && &focus->Owner() == &form) {
        focus = nullptr;
    }
    if (active == &form) {
        active = nullptr;
    }
    EndModal(form);
    forms::Form& model = window->Model();
    window->Detach();
    model.SyncState(false, false, false);
    // Hiding hands the activation to another form, which may raise its events.
    ShowWindow(window->Hwnd(), SW_HIDE);
    if (window->Busy()) {
        graveyard.push_back(std::move(window));
    }
}

void Win32FormsHost::Impl::Sweep() {
    std::vector<std::unique_ptr<FormWindow>> idle;
    for (auto& window : graveyard) {
        if (!window->Busy()) {
            idle.push_back(std::move(window));
        }
    }
    graveyard.erase(std::remove(graveyard.begin(), graveyard.end(), nullptr), graveyard.end());
    idle.clear();
}

bool Win32FormsHost::Impl::PumpMessage() {
    MSG msg{};
    const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    if (got == -1) {
        return false;
    }
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
    Sweep();
    return true;
}

void Win32FormsHost::Impl::NativeFocus(forms::Control& control) {
    if (focus == &control) {
        return;
    }
    forms::Control* old = focus;
    focus = &control;
    ++focusMoves;
    if (old && Find(old->Owner())) {
        old->RaiseLostFocus();
    }
    if (focus == &control && Find(control.Owner())) {
        control.RaiseGotFocus();
    }
}

void Win32FormsHost::Impl::FormActivated(FormWindow& window) {
    forms::Form& form = window.Model();
    if (active == &form) {
        return;
    }
    if (forms::Form* old = active) {
        active = nullptr;
        if (Find(*old)) {
            old->RaiseDeactivate();
        }
    }
    if (!window.Live() || active) {
        return;
    }
    active = &form;
    form.RaiseActivate();
}

void Win32FormsHost::Impl::FormDeactivated(FormWindow& window, HWND next) {
    if (active != &window.Model()) {
        return;
    }
    // Only another of the program's forms takes the activation from a form; a switch to another
    // program or to a message box leaves it the active form.
    auto* other = dynamic_cast<FormWindow*>(WindowBase::FromHandle(next));
    if (!other || !other->Live() || other == &window) {
        return;
    }
    active = nullptr;
    window.Model().RaiseDeactivate();
}

std::vector<HWND> Win32FormsHost::Impl::DisableFormsExcept(HWND keep) const {
    std::vector<HWND> disabled;
    for (const auto& window : forms) {
        HWND h = window->Hwnd();
        if (h && h != keep && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    }
    return disabled;
}

void Win32FormsHost::Impl::Reenable(std::vector<HWND>& windows) {
    for (HWND h : windows) {
        if (IsWindow(h)) {
            EnableWindow(h, TRUE);
        }
    }
    windows.clear();
}

void Win32FormsHost::Impl::EndModal(const forms::Form& form) {
    for (ModalShow& show : modal) {
        if (show.form == &form) {
            Reenable(show.disabled);
        }
    }
}

HWND Win32FormsHost::Impl::ActiveFormWindow() const {
    HWND current = GetActiveWindow();
    auto* window = dynamic_cast<FormWindow*>(WindowBase::FromHandle(current));
    if (window && window->Live()) {
        return current;
    }
    if (active) {
        if (FormWindow* form = Find(*active); form && IsWindowVisible(form->Hwnd())) {
            return form->Hwnd();
        }
    }
    return nullptr;
}

void Win32FormsHost::Impl::TurnOffVisualStyle(HWND window) const {
    if (!uxtheme.Get()) {
        return;
    }
    using SetWindowThemeProc = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    FARPROC proc = GetProcAddress(uxtheme.Get(), "SetWindowTheme");
    if (proc) {
        auto setTheme = reinterpret_cast<SetWindowThemeProc>(reinterpret_cast<void (*)()>(proc));
        setTheme(window, L"", L"");
    }
}

}  // namespace mirvo::win32
