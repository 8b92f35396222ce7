#include "win32/host/FormWindow.h"

#include <windowsx.h>

#include <commctrl.h>

#include <algorithm>

#include "forms/Lists.h"
#include "forms/TextBox.h"
#include "win32/host/ButtonWindow.h"
#include "win32/host/ContainerWindow.h"
#include "win32/host/FormStyle.h"
#include "win32/host/HostImpl.h"
#include "win32/host/ImageWindow.h"
#include "win32/host/InputState.h"
#include "win32/host/LabelWindow.h"
#include "win32/host/ListWindow.h"
#include "win32/host/TextBoxWindow.h"

namespace mirvo::win32 {

namespace {
constexpr int kToolTipWidth = 400;

std::unique_ptr<ControlWindow> MakeWindowFor(FormWindow& form, forms::Control& control) {
    using forms::ControlKind;
    switch (control.Kind()) {
        case ControlKind::Label:
            return std::make_unique<LabelWindow>(form, static_cast<forms::Label&>(control));
        case ControlKind::CommandButton:
        case ControlKind::OptionButton:
        case ControlKind::CheckBox:
            return std::make_unique<ButtonWindow>(form, control);
        case ControlKind::TextBox:
            return std::make_unique<TextBoxWindow>(form, static_cast<forms::TextBox&>(control));
        case ControlKind::Frame:
        case ControlKind::PictureBox:
            return std::make_unique<ContainerWindow>(form, control);
        case ControlKind::Image:
            return std::make_unique<ImageWindow>(form, static_cast<forms::Image&>(control));
        case ControlKind::DriveList:
        case ControlKind::DirList:
        case ControlKind::FileList:
            return std::make_unique<ListWindow>(form, static_cast<forms::ListControl&>(control));
        case ControlKind::Timer:
        case ControlKind::Menu:
            break;
    }
    return nullptr;
}

forms::WindowState StateOfWindow(HWND window) {
    if (IsIconic(window)) {
        return forms::WindowState::Minimized;
    }
    return IsZoomed(window) ? forms::WindowState::Maximized : forms::WindowState::Normal;
}
}  // namespace

FormWindow::FormWindow(Win32FormsHost::Impl& host, forms::Form& form)
    : m_host(host), m_form(form), m_menu(form), m_keys(*this) {}

FormWindow::~FormWindow() {
    // The children are destroyed with the form window while their objects still exist.
    if (HWND window = DetachHandle()) {
        DestroyWindow(window);
    }
}

void FormWindow::Create() {
    const FormStyles styles = StylesFor(m_form);
    CreateParams params;
    params.className = kFormClass;
    params.text = m_form.Caption().c_str();
    params.style = styles.style;
    params.exStyle = styles.exStyle;
    params.bounds =
        m_host.scale.Pixels(m_form.Left(), m_form.Top(), m_form.Width(), m_form.Height());
    params.parent = m_form.ShowInTaskbar() ? nullptr : m_host.owner.Get();
    m_normalBounds = CurrentBounds();
    m_creating = true;
    CreateOwn(params, m_host.instance);
    if (!m_form.Enabled()) {
        EnableWindow(Hwnd(), FALSE);
    }
    m_menu.Build(Hwnd());
    AddControlWindows(nullptr);
    for (const auto& control : m_form.Controls()) {
        if (control->Kind() == forms::ControlKind::Timer) {
            ScheduleTimer(static_cast<forms::Timer&>(*control));
        }
    }
    m_form.AttachPeer(this);
    RecordSize();
    m_creating = false;
}

void FormWindow::Detach() {
    if (!m_live) {
        return;
    }
    m_live = false;
    for (const auto& control : m_form.Controls()) {
        if (control->Kind() == forms::ControlKind::Timer) {
            KillTimer(Hwnd(), TimerId(*control));
        }
    }
    m_form.AttachPeer(nullptr);
}

bool FormWindow::Busy() const {
    if (InUse()) {
        return true;
    }
    return std::any_of(m_controls.begin(), m_controls.end(),
                       [](const auto& c) { return c->InUse(); });
}

// A new window goes below its siblings. Made in this order (a parent's windowed controls from
// the form's last to its first, then its labels and images the same way, and a container's own
// children right after it) every window lands where placing it would put it: the windowed band
// above the lightweight one, and within a band the later control on top. Under Wine placing
// each of the main window's controls after making it took as long as making them all.
void FormWindow::AddControlWindows(const forms::Control* container) {
    std::vector<forms::Control*> windowed;
    std::vector<forms::Control*> lightweight;
    const auto& controls = m_form.Controls();
    for (auto it = controls.rbegin(); it != controls.rend(); ++it) {
        forms::Control* control = it->get();
        const forms::Control* parent = control->Container();
        if ((parent && parent->IsContainer() ? parent : nullptr) != container) {
            continue;
        }
        (ControlWindow::IsLightweight(control->Kind()) ? lightweight : windowed).push_back(control);
    }
    for (forms::Control* control : windowed) {
        AddControlWindow(*control);
        if (control->IsContainer()) {
            AddControlWindows(control);
        }
    }
    for (forms::Control* control : lightweight) {
        AddControlWindow(*control);
    }
}

void FormWindow::AddControlWindow(forms::Control& control) {
    std::unique_ptr<ControlWindow> window = MakeWindowFor(*this, control);
    if (!window) {
        return;
    }
    ControlWindow& ref = *window;
    m_byControl[&control] = &ref;
    m_controls.push_back(std::move(window));
    ref.Create(ParentFor(control));
}

HWND FormWindow::ParentFor(const forms::Control& control) const {
    const forms::Control* container = control.Container();
    if (container && container->IsContainer()) {
        if (ControlWindow* window = WindowOf(*container)) {
            return window->Hwnd();
        }
    }
    return Hwnd();
}

ControlWindow* FormWindow::WindowOf(const forms::Control& control) const {
    auto it = m_byControl.find(&control);
    return it == m_byControl.end() ? nullptr : it->second;
}

HWND FormWindow::ControlHandle(const forms::Control& control) const {
    ControlWindow* window = WindowOf(control);
    return window ? window->Hwnd() : nullptr;
}

POINT FormWindow::TwipsFromScreen(POINT screen) const {
    POINT client = screen;
    ScreenToClient(Hwnd(), &client);
    return {m_host.scale.XTwips(client.x), m_host.scale.YTwips(client.y)};
}

UINT_PTR FormWindow::TimerId(const forms::Control& timer) const {
    const auto& controls = m_form.Controls();
    for (size_t i = 0; i < controls.size(); ++i) {
        if (controls[i].get() == &timer) {
            return static_cast<UINT_PTR>(i) + 1;
        }
    }
    return 0;
}

void FormWindow::ScheduleTimer(const forms::Timer& timer) {
    // Setting the timer again restarts its period.
    const UINT_PTR id = TimerId(timer);
    if (m_live && timer.Running()) {
        SetTimer(Hwnd(), id, static_cast<UINT>(timer.Interval()), nullptr);
    } else {
        KillTimer(Hwnd(), id);
    }
}

void FormWindow::OnTimer(WPARAM id) {
    const auto& controls = m_form.Controls();
    if (id == 0 || id > controls.size()) {
        return;
    }
    forms::Control& control = *controls[id - 1];
    if (control.Kind() == forms::ControlKind::Timer) {
        auto& timer = static_cast<forms::Timer&>(control);
        // A tick already queued when the timer stopped is dropped.
        if (timer.Running()) {
            timer.RaiseTimer();
        }
    }
}

void FormWindow::SetUpToolTips() {
    if (m_toolTipsSetUp) {
        return;
    }
    m_toolTipsSetUp = true;
    m_tooltip = OwnedWindow(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                            m_host.owner.Get(), nullptr, m_host.instance, nullptr));
    if (!m_tooltip.Get()) {
        return;
    }
    SendMessageA(m_tooltip.Get(), TTM_SETMAXTIPWIDTH, 0, kToolTipWidth);
    for (const auto& window : m_controls) {
        SetToolTip(window->Hwnd(), window->Model().ToolTip());
    }
}

void FormWindow::SetToolTip(HWND control, const std::string& text) {
    // Before the form first shows, no tip can be seen: they are all set up as it shows.
    if (!m_tooltip.Get() || !control) {
        return;
    }
    std::string copy = text;
    TTTOOLINFOA info{};
    info.cbSize = TTTOOLINFOA_V2_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    info.lpszText = copy.data();
    const bool known = m_tools.count(control) != 0;
    if (text.empty()) {
        if (known) {
            SendMessageA(m_tooltip.Get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&info));
            m_tools.erase(control);
        }
    } else if (known) {
        SendMessageA(m_tooltip.Get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&info));
    } else if (SendMessageA(m_tooltip.Get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info))) {
        m_tools.insert(control);
    }
}

void FormWindow::RemoveToolTip(HWND control) {
    SetToolTip(control, std::string());
}

void FormWindow::FormChanged(forms::FormProperty p) {
    if (!m_live) {
        return;
    }
    UseGuard use(*this);
    switch (p) {
        case forms::FormProperty::Caption:
            SetWindowTextA(Hwnd(), m_form.Caption().c_str());
            ApplyStyle();  // an empty caption can take the title bar away
            return;
        case forms::FormProperty::Bounds:
            ApplyBounds();
            return;
        case forms::FormProperty::BackColor:
            RedrawWindow(Hwnd(), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            return;
        case forms::FormProperty::WindowState:
            ApplyWindowState();
            return;
        case forms::FormProperty::Style:
            ApplyStyle();
            return;
        case forms::FormProperty::MousePointer:
            RefreshCursor();
            return;
        case forms::FormProperty::Enabled:
            EnableWindow(Hwnd(), m_form.Enabled() ? TRUE : FALSE);
            return;
    }
}

void FormWindow::ControlChanged(forms::Control& control, forms::Property p) {
    if (!m_live) {
        return;
    }
    UseGuard use(*this);
    switch (control.Kind()) {
        case forms::ControlKind::Menu:
            m_menu.Changed(static_cast<forms::Menu&>(control), p);
            return;
        case forms::ControlKind::Timer:
            if (p == forms::Property::Timer) {
                ScheduleTimer(static_cast<forms::Timer&>(control));
            }
            return;
        default:
            if (ControlWindow* window = WindowOf(control)) {
                window->Apply(p);
            }
            return;
    }
}

void FormWindow::ControlAdded(forms::Control& control) {
    if (!m_live) {
        return;
    }
    UseGuard use(*this);
    switch (control.Kind()) {
        case forms::ControlKind::Menu:
            m_menu.Added();
            return;
        case forms::ControlKind::Timer:
            ScheduleTimer(static_cast<forms::Timer&>(control));
            return;
        default:
            AddControlWindow(control);
            return;
    }
}

bool FormWindow::QuerySelection(const forms::TextBox& box, int& start, int& length) {
    auto* window = dynamic_cast<TextBoxWindow*>(WindowOf(box));
    return window && window->QuerySelection(start, length);
}

void FormWindow::ApplyBounds() {
    m_normalBounds = CurrentBounds();
    const RECT r =
        m_host.scale.Pixels(m_form.Left(), m_form.Top(), m_form.Width(), m_form.Height());
    if (IsWindowVisible(Hwnd()) && (IsIconic(Hwnd()) || IsZoomed(Hwnd()))) {
        // The bounds the window returns to when it is restored.
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(Hwnd(), &placement);
        placement.rcNormalPosition = r;
        SetWindowPlacement(Hwnd(), &placement);
        return;
    }
    m_applyingBounds = true;
    SetWindowPos(Hwnd(), nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    m_applyingBounds = false;
    // The system keeps a window at least as large as its title bar and borders: the model
    // reads back what the window became.
    SyncBoundsFromWindow();
}

void FormWindow::ApplyStyle() {
    const FormStyles styles = StylesFor(m_form);
    const auto current = static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_STYLE));
    const DWORD kept = current & (WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE | WS_DISABLED);
    SetWindowLongPtrA(Hwnd(), GWL_STYLE, static_cast<LONG_PTR>(kept | styles.style));
    // Topmost is the window's place in the z-order, set apart from the style: keep it.
    const auto currentEx = static_cast<DWORD>(GetWindowLongPtrA(Hwnd(), GWL_EXSTYLE));
    SetWindowLongPtrA(Hwnd(), GWL_EXSTYLE,
                      static_cast<LONG_PTR>(styles.exStyle | (currentEx & WS_EX_TOPMOST)));
    HWND owner = m_form.ShowInTaskbar() ? nullptr : m_host.owner.Get();
    SetWindowLongPtrA(Hwnd(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
    // The outer rectangle stays what the model says; the client area follows the new frame.
    m_applyingBounds = true;
    SetWindowPos(Hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    m_applyingBounds = false;
}

void FormWindow::ApplyWindowState() {
    if (!IsWindowVisible(Hwnd())) {
        // A hidden form shows in this state; its Resize comes now, as for any state change.
        m_form.RaiseResize();
        return;
    }
    switch (m_form.WindowState()) {
        case forms::WindowState::Minimized:
            ShowWindow(Hwnd(), SW_MINIMIZE);
            break;
        case forms::WindowState::Maximized:
            ShowWindow(Hwnd(), SW_MAXIMIZE);
            break;
        case forms::WindowState::Normal:
            ShowWindow(Hwnd(), SW_RESTORE);
            break;
    }
}

void FormWindow::RefreshCursor() const {
    POINT at{};
    GetCursorPos(&at);
    HWND under = WindowFromPoint(at);
    if (under == Hwnd() || IsChild(Hwnd(), under)) {
        SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    }
}

void FormWindow::SyncBoundsFromWindow() {
    RECT r{};
    GetWindowRect(Hwnd(), &r);
    // Back from a maximized state, the window compares with the bounds it had before.
    const bool normal = !IsZoomed(Hwnd());
    const Bounds previous = normal ? m_normalBounds : CurrentBounds();
    const TwipsScale::Span x = m_host.scale.XSpan(r.left, r.right, {previous.left, previous.width});
    const TwipsScale::Span y = m_host.scale.YSpan(r.top, r.bottom, {previous.top, previous.height});
    if (x.start != m_form.Left() || y.start != m_form.Top() || x.length != m_form.Width() ||
        y.length != m_form.Height()) {
        m_form.SyncBounds(x.start, y.start, x.length, y.length);
    }
    if (normal) {
        m_normalBounds = CurrentBounds();
    }
}

FormWindow::Bounds FormWindow::CurrentBounds() const {
    return {m_form.Left(), m_form.Top(), m_form.Width(), m_form.Height()};
}

void FormWindow::RecordSize() {
    m_lastState = StateOfWindow(Hwnd());
    if (m_lastState != forms::WindowState::Minimized) {
        RECT client{};
        GetClientRect(Hwnd(), &client);
        m_lastClient = {client.right, client.bottom};
    }
}

void FormWindow::OnSize(WPARAM wp, LPARAM lp) {
    if (m_creating || wp == SIZE_MAXSHOW || wp == SIZE_MAXHIDE) {
        return;
    }
    using forms::WindowState;
    const WindowState state = wp == SIZE_MINIMIZED   ? WindowState::Minimized
                              : wp == SIZE_MAXIMIZED ? WindowState::Maximized
                                                     : WindowState::Normal;
    // A hidden window keeps the state the model asked for, to be shown in it.
    const bool visible = IsWindowVisible(Hwnd()) != FALSE;
    bool changed = false;
    if (visible) {
        m_form.SyncWindowState(state);
        changed = state != m_lastState;
        m_lastState = state;
    }
    if (state != WindowState::Minimized) {
        const SIZE client{LOWORD(lp), HIWORD(lp)};
        changed = changed || client.cx != m_lastClient.cx || client.cy != m_lastClient.cy;
        m_lastClient = client;
    }
    if (changed && !m_inShow) {
        m_form.RaiseResize();
    }
}

void FormWindow::ShowFromHidden() {
    int command = SW_SHOW;
    if (m_form.WindowState() == forms::WindowState::Minimized) {
        command = SW_SHOWMINIMIZED;
    } else if (m_form.WindowState() == forms::WindowState::Maximized) {
        command = SW_SHOWMAXIMIZED;
    }
    m_inShow = true;
    ShowWindow(Hwnd(), command);
    m_inShow = false;
    RecordSize();
    SetUpToolTips();
}

void FormWindow::FinishShow() {
    if (m_pendingActivate) {
        m_pendingActivate = false;
        OnActivated(IsIconic(Hwnd()) != FALSE);
    }
    if (m_live) {
        BringToFront();
    }
}

void FormWindow::BringToFront() {
    if (!IsIconic(Hwnd()) && IsWindowEnabled(Hwnd()) && GetForegroundWindow() != Hwnd()) {
        SetForegroundWindow(Hwnd());
    }
}

void FormWindow::OnActivate(WPARAM wp, LPARAM lp) {
    if (LOWORD(wp) == WA_INACTIVE) {
        SaveFocus();
        m_host.FormDeactivated(*this, reinterpret_cast<HWND>(lp));
        return;
    }
    if (m_inShow) {
        m_pendingActivate = true;
        return;
    }
    OnActivated(HIWORD(wp) != 0);
}

void FormWindow::OnActivated(bool minimized) {
    m_host.FormActivated(*this);
    if (m_live && !minimized) {
        RestoreFocus();
    }
}

void FormWindow::SaveFocus() {
    HWND focus = GetFocus();
    if (focus && IsChild(Hwnd(), focus)) {
        m_savedFocus = focus;
    }
}

void FormWindow::RestoreFocus() {
    HWND target = nullptr;
    if (m_savedFocus && IsWindow(m_savedFocus) && IsChild(Hwnd(), m_savedFocus) &&
        IsWindowVisible(m_savedFocus) && IsWindowEnabled(m_savedFocus)) {
        target = m_savedFocus;
    } else {
        const std::vector<forms::Control*> order = m_keys.TabOrder();
        if (!order.empty()) {
            target = ControlHandle(*order.front());
        }
    }
    if (!target) {
        target = Hwnd();
    }
    if (GetFocus() != target) {
        ::SetFocus(target);
    }
}

LRESULT FormWindow::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (!m_live) {
        // Unloaded: the window only waits to be destroyed; a late close must not destroy it.
        return msg == WM_CLOSE ? 0 : DefaultProc(msg, wp, lp);
    }
    LRESULT result = 0;
    if (m_host.drag.Filter(Hwnd(), msg, wp, lp, result) || ReflectToChild(msg, wp, lp, result)) {
        return result;
    }
    if (ClassifyMouse(msg).kind != MouseMessage::Kind::Other) {
        return HandleMouse(msg, wp, lp);
    }
    switch (msg) {
        case WM_ERASEBKGND: {
            RECT r{};
            GetClientRect(Hwnd(), &r);
            FillRect(reinterpret_cast<HDC>(wp), &r, m_host.gdi.BrushFor(m_form.BackColor()));
            return 1;
        }
        case WM_ACTIVATE:
            OnActivate(wp, lp);
            return 0;
        case WM_SETFOCUS:
            if (!m_inShow && !IsIconic(Hwnd())) {
                RestoreFocus();
            }
            return 0;
        case WM_WINDOWPOSCHANGED:
            if (!m_applyingBounds && !m_creating && !IsIconic(Hwnd())) {
                SyncBoundsFromWindow();
            }
            break;
        case WM_SIZE:
            OnSize(wp, lp);
            return 0;
        case WM_CLOSE:
            // The user closes the form: it asks QueryUnload and may stay.
            m_host.api.Unload(m_form, forms::UnloadMode::FormControlMenu);
            return 0;
        case WM_TIMER:
            OnTimer(wp);
            return 0;
        case WM_INITMENUPOPUP:
            // A menu raises its Click when it opens, so the program can update its entries.
            if (HIWORD(lp) == 0) {
                if (forms::Menu* menu = m_menu.FromPopup(reinterpret_cast<HMENU>(wp))) {
                    menu->RaiseClick();
                }
            }
            return 0;
        case WM_ENTERMENULOOP:
            m_menu.EnterLoop();
            break;
        case WM_EXITMENULOOP:
            m_menu.ExitLoop();
            break;
        case WM_COMMAND:
            if (lp == 0 && HIWORD(wp) == 0) {
                if (forms::Menu* menu = m_menu.FromCommand(LOWORD(wp))) {
                    menu->RaiseClick();
                    return 0;
                }
            }
            break;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
        case WM_CHAR: {
            WPARAM code = wp;
            if (!m_keys.Route(nullptr, msg, code, lp, false) || !m_live) {
                return 0;
            }
            return DefaultProc(msg, code, lp);
        }
        case WM_SETCURSOR:
            if (reinterpret_cast<HWND>(wp) == Hwnd() && LOWORD(lp) == HTCLIENT) {
                if (HCURSOR cursor = GdiCache::CursorFor(m_form.Pointer())) {
                    SetCursor(cursor);
                    return TRUE;
                }
            }
            break;
        default:
            break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT FormWindow::HandleMouse(UINT msg, WPARAM wp, LPARAM lp) {
    using Kind = MouseMessage::Kind;
    const MouseMessage mouse = ClassifyMouse(msg);
    const POINT client{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    const int x = m_host.scale.XTwips(client.x);
    const int y = m_host.scale.YTwips(client.y);
    const int shift = MouseShift(wp);
    switch (mouse.kind) {
        case Kind::Move:
            m_form.RaiseMouseMove(HeldButtons(wp), shift, x, y);
            break;
        case Kind::Down:
        case Kind::DoubleClick:
            m_clicks.Down(Hwnd(), mouse.button, true);
            m_form.RaiseMouseDown(mouse.button, shift, x, y);
            break;
        case Kind::Up: {
            RECT area{};
            GetClientRect(Hwnd(), &area);
            const bool click = m_clicks.Up(Hwnd(), mouse.button, HeldButtons(wp), area, client);
            m_form.RaiseMouseUp(mouse.button, shift, x, y);
            if (click && m_live) {
                m_form.RaiseClick();
            }
            break;
        }
        case Kind::Other:
            break;
    }
    return m_live ? DefaultProc(msg, wp, lp) : 0;
}

}  // namespace mirvo::win32
