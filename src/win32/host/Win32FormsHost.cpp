#include "win32/host/Win32FormsHost.h"

#include <cstdio>
#include <iterator>

#include "forms/Form.h"
#include "win32/host/FormStyle.h"
#include "win32/host/FormWindow.h"
#include "win32/host/HostImpl.h"

namespace mirvo::win32 {

Win32FormsHost::Win32FormsHost(HINSTANCE instance, forms::FolderBrowser& browser)
    : m_impl(std::make_unique<Impl>(*this, instance)), m_browser(browser) {}

Win32FormsHost::~Win32FormsHost() = default;

void Win32FormsHost::Load(forms::Form& form) {
    if (form.Loaded()) {
        return;
    }
    auto window = std::make_unique<FormWindow>(*m_impl, form);
    FormWindow& created = *window;
    m_impl->forms.push_back(std::move(window));
    try {
        created.Create();
    } catch (...) {
        m_impl->forms.pop_back();
        throw;
    }
    form.SyncState(true, false, false);
    form.RaiseLoad();
}

void Win32FormsHost::Show(forms::Form& form, forms::ShowMode mode) {
    Load(form);
    if (!form.Loaded()) {
        return;  // Form_Load unloaded it again
    }
    if (mode == forms::ShowMode::Modeless) {
        m_impl->ShowForm(form, form.Modal() && form.Visible());
        return;
    }
    HWND previous = GetActiveWindow();
    // The other forms wait until this one unloads (or hides); they are disabled before it shows,
    // so that no click reaches them in between.
    FormWindow* window = m_impl->Find(form);
    m_impl->modal.push_back({&form, m_impl->DisableFormsExcept(window->Hwnd())});
    m_impl->ShowForm(form, true);
    while (form.Loaded() && form.Visible() && m_impl->PumpMessage()) {
    }
    m_impl->EndModal(form);
    auto& shows = m_impl->modal;
    for (auto it = shows.rbegin(); it != shows.rend(); ++it) {
        if (it->form == &form) {
            shows.erase(std::next(it).base());
            break;
        }
    }
    if (previous && IsWindow(previous) && IsWindowVisible(previous) && IsWindowEnabled(previous) &&
        GetForegroundWindow() != previous) {
        SetForegroundWindow(previous);
    }
}

void Win32FormsHost::Hide(forms::Form& form) {
    Load(form);
    FormWindow* window = m_impl->Find(form);
    if (!window) {
        return;
    }
    m_impl->EndModal(form);
    if (m_impl->focus && &m_impl->focus->Owner() == &form) {
        m_impl->focus = nullptr;
    }
    form.SyncState(true, false, form.Modal());
    WindowBase::UseGuard use(*window);
    ShowWindow(window->Hwnd(), SW_HIDE);
}

bool Win32FormsHost::Unload(forms::Form& form, forms::UnloadMode mode) {
    if (!form.Loaded() || m_impl->unloading.count(&form) != 0) {
        return true;  // not loaded, or already on its way out
    }
    m_impl->unloading.insert(&form);
    const bool agreed = form.RaiseUnload(mode);
    m_impl->unloading.erase(&form);
    if (!agreed) {
        return false;
    }
    m_impl->Teardown(form);
    return true;
}

void Win32FormsHost::Release(forms::Form& form) {
    m_impl->unloading.erase(&form);
    if (!m_impl->Find(form)) {
        return;
    }
    m_impl->Teardown(form);
}

void Win32FormsHost::SetFocus(forms::Control& control) {
    forms::Form& form = control.Owner();
    if (!form.Visible() || !control.CanTakeFocus() || !control.VisibleInTree() ||
        !control.Enabled()) {
        throw forms::InvalidFocus();
    }
    FormWindow* window = m_impl->Find(form);
    HWND target = window ? window->ControlHandle(control) : nullptr;
    if (!target) {
        throw forms::InvalidFocus();
    }
    const unsigned moves = m_impl->focusMoves;
    if (GetFocus() != target) {
        ::SetFocus(target);
    }
    if (!m_impl->Find(form)) {
        return;  // a focus handler unloaded the form
    }
    // The focus went elsewhere after the target had it (its GotFocus handler gave it on): that
    // is where it stays.
    const bool movedOn = m_impl->focusMoves != moves;
    if (GetFocus() != target && !movedOn) {
        // The window cannot have it now (its form is disabled under a modal one): the model's
        // focus moves all the same, and the window gets it when its form is active again.
        m_impl->Find(form)->RememberFocus(target);
        m_impl->NativeFocus(control);
    }
}

forms::Control* Win32FormsHost::FocusedControl() const {
    return m_impl->focus;
}

void Win32FormsHost::BeginDrag(forms::Control& source) {
    FormWindow* window = m_impl->Find(source.Owner());
    HWND sourceWindow = window ? window->ControlHandle(source) : nullptr;
    if (sourceWindow) {
        m_impl->drag.Begin(source, sourceWindow);
    }
}

forms::Control* Win32FormsHost::DragSource() const {
    return m_impl->drag.Source();
}

void Win32FormsHost::Refresh(forms::Form& form) {
    if (FormWindow* window = m_impl->Find(form)) {
        // Whatever changed is painted now, children included. Unchanged parts would paint the
        // same pixels again: a forced repaint of the main window costs about 0.2 s under Wine,
        // which a paste would wait for.
        RedrawWindow(window->Hwnd(), nullptr, nullptr, RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

forms::MsgResult Win32FormsHost::MsgBox(const std::string& text, int style,
                                        const std::string& title) {
    // Modal to the whole program: every form waits for the answer.
    HWND owner = m_impl->ActiveFormWindow();
    std::vector<HWND> disabled = m_impl->DisableFormsExcept(owner);
    const int answer = MessageBoxA(owner, text.c_str(), title.c_str(), static_cast<UINT>(style));
    Impl::Reenable(disabled);
    return static_cast<forms::MsgResult>(answer);
}

void Win32FormsHost::DoEvents() {
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    m_impl->Sweep();
}

void Win32FormsHost::WaitForEvents(std::uint32_t ms) {
    // Messages sent by other threads and programs wake the wait too, and are served at once.
    MsgWaitForMultipleObjectsEx(0, nullptr, ms, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    DoEvents();
}

forms::ScreenMetrics Win32FormsHost::Screen() const {
    const TwipsScale& scale = m_impl->scale;
    forms::ScreenMetrics metrics;
    metrics.widthTwips = scale.XTwips(GetSystemMetrics(SM_CXSCREEN));
    metrics.heightTwips = scale.YTwips(GetSystemMetrics(SM_CYSCREEN));
    metrics.twipsPerPixelX = scale.XTwips(1);
    metrics.twipsPerPixelY = scale.YTwips(1);
    return metrics;
}

std::vector<forms::Form*> Win32FormsHost::LoadedForms() const {
    std::vector<forms::Form*> loaded;
    for (const auto& window : m_impl->forms) {
        loaded.push_back(&window->Model());
    }
    return loaded;
}

forms::WindowHandle Win32FormsHost::Handle(const forms::Form& form) const {
    FormWindow* window = m_impl->Find(form);
    return window ? reinterpret_cast<forms::WindowHandle>(window->Hwnd()) : 0;
}

int Win32FormsHost::NonClientWidth(const forms::Form& form) const {
    return m_impl->scale.XTwips(NonClientPixels(form).cx);
}

int Win32FormsHost::NonClientHeight(const forms::Form& form) const {
    return m_impl->scale.YTwips(NonClientPixels(form).cy);
}

void Win32FormsHost::End(int exitCode) {
    // No more events: the process ends here, with what it wrote flushed.
    std::fflush(nullptr);
    ExitProcess(static_cast<UINT>(exitCode));
}

int Win32FormsHost::Run() {
    while (!m_impl->forms.empty()) {
        MSG msg{};
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            return static_cast<int>(msg.wParam);
        }
        if (got == -1) {
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        m_impl->Sweep();
    }
    m_impl->Sweep();
    return 0;
}

HWND Win32FormsHost::ControlWindow(const forms::Control& control) const {
    FormWindow* window = m_impl->Find(control.Owner());
    return window ? window->ControlHandle(control) : nullptr;
}

}  // namespace mirvo::win32
