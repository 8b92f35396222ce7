#include "forms/HeadlessHost.h"

#include <algorithm>

#include "forms/Timer.h"

namespace mirvo::forms {

namespace {
constexpr int kEnterAscii = 13;

class EmptyBrowser : public FolderBrowser {
public:
    char Separator() const override { return '/'; }
    std::vector<std::string> Drives() override { return {}; }
    std::vector<std::string> Folders(const std::string& folder) override {
        throw DeviceUnavailable(folder);
    }
    std::vector<std::string> Files(const std::string&, const std::string&) override { return {}; }
};
}  // namespace

// Watches a loaded form for the changes a window system would react to: timers and sizes.
class HeadlessHost::Peer : public FormPeer {
public:
    Peer(HeadlessHost& host, Form& form)
        : m_host(host), m_form(form), m_width(form.Width()), m_height(form.Height()) {}

    void FormChanged(FormProperty p) override {
        // Like a real window, a form never gets lower than its title bar and borders.
        const int minimum = m_host.NonClientHeight(m_form);
        if (p == FormProperty::Bounds && m_form.Height() < minimum) {
            m_form.SyncBounds(m_form.Left(), m_form.Top(), m_form.Width(), minimum);
        }
        if (p == FormProperty::Bounds &&
            (m_form.Width() != m_width || m_form.Height() != m_height)) {
            m_width = m_form.Width();
            m_height = m_form.Height();
            m_form.RaiseResize();
        } else if (p == FormProperty::WindowState) {
            m_form.RaiseResize();
        }
    }
    void ControlChanged(Control& control, Property p) override {
        if (p == Property::Timer) {
            m_host.Schedule(static_cast<Timer&>(control));
        }
    }
    void ControlAdded(Control& control) override {
        if (control.Kind() == ControlKind::Timer) {
            m_host.Schedule(static_cast<Timer&>(control));
        }
    }
    bool QuerySelection(const TextBox&, int&, int&) override { return false; }

private:
    HeadlessHost& m_host;
    Form& m_form;
    int m_width;
    int m_height;
};

HeadlessHost::HeadlessHost() : m_emptyBrowser(std::make_unique<EmptyBrowser>()) {}

HeadlessHost::~HeadlessHost() {
    for (Form* form : std::vector<Form*>(m_loaded)) {
        Release(*form);
    }
}

void HeadlessHost::Load(Form& form) {
    if (form.Loaded()) {
        return;
    }
    auto peer = std::make_unique<Peer>(*this, form);
    form.AttachPeer(peer.get());
    m_peers[&form] = std::move(peer);
    m_loaded.push_back(&form);
    m_handles[&form] = m_nextHandle;
    m_nextHandle += 4;
    form.SyncState(true, false, false);
    for (const auto& c : form.Controls()) {
        if (c->Kind() == ControlKind::Timer) {
            Schedule(static_cast<Timer&>(*c));
        }
    }
    form.RaiseLoad();
}

void HeadlessHost::Show(Form& form, ShowMode mode) {
    Load(form);
    if (!form.Loaded()) {
        return;  // Form_Load unloaded it again
    }
    const bool wasVisible = form.Visible();
    form.SyncState(true, true, mode == ShowMode::Modal);
    if (!wasVisible) {
        form.RaiseResize();
    }
    Activate(form);
    if (mode == ShowMode::Modal) {
        if (onModal) {
            onModal(form);
        }
        if (form.Loaded()) {
            Unload(form, UnloadMode::Code);
        }
    }
}

void HeadlessHost::Hide(Form& form) {
    Load(form);
    form.SyncState(form.Loaded(), false, form.Modal());
    if (m_focus && &m_focus->Owner() == &form) {
        m_focus = nullptr;
    }
}

bool HeadlessHost::Unload(Form& form, UnloadMode mode) {
    if (!form.Loaded()) {
        return true;
    }
    if (!form.RaiseUnload(mode)) {
        return false;
    }
    Release(form);
    return true;
}

void HeadlessHost::Release(Form& form) {
    if (!form.Loaded()) {
        return;
    }
    DropTimersOf(form);
    if (m_focus && &m_focus->Owner() == &form) {
        m_focus = nullptr;
    }
    if (m_dragSource && &m_dragSource->Owner() == &form) {
        m_dragSource = nullptr;
    }
    if (m_active == &form) {
        m_active = nullptr;
    }
    form.AttachPeer(nullptr);
    m_peers.erase(&form);
    m_handles.erase(&form);
    m_loaded.erase(std::remove(m_loaded.begin(), m_loaded.end(), &form), m_loaded.end());
    form.SyncState(false, false, false);
}

void HeadlessHost::SetFocus(Control& control) {
    Form& form = control.Owner();
    if (!form.Visible() || !control.CanTakeFocus() || !control.VisibleInTree() ||
        !control.Enabled()) {
        throw InvalidFocus();
    }
    if (m_focus == &control) {
        return;
    }
    Control* old = m_focus;
    m_focus = &control;
    if (old) {
        old->RaiseLostFocus();
    }
    if (m_focus == &control) {
        control.RaiseGotFocus();
    }
}

void HeadlessHost::BeginDrag(Control& source) {
    m_dragSource = &source;
}

void HeadlessHost::Refresh(Form&) {
    ++refreshCalls;
}

MsgResult HeadlessHost::MsgBox(const std::string& text, int style, const std::string& title) {
    messages.push_back({text, style, title});
    return nextAnswer;
}

void HeadlessHost::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) {
        onDoEvents();
    }
}

std::vector<Form*> HeadlessHost::LoadedForms() const {
    return m_loaded;
}

WindowHandle HeadlessHost::Handle(const Form& form) const {
    auto it = m_handles.find(&form);
    return it == m_handles.end() ? 0 : it->second;
}

int HeadlessHost::NonClientWidth(const Form& form) const {
    return form.Border() == BorderStyle::None ? 0 : 2 * borderTwips;
}

int HeadlessHost::NonClientHeight(const Form& form) const {
    return form.Border() == BorderStyle::None ? 0 : 2 * borderTwips + captionTwips;
}

FolderBrowser& HeadlessHost::Browser() {
    return browser ? *browser : *m_emptyBrowser;
}

void HeadlessHost::End(int code) {
    ended = true;
    exitCode = code;
}

void HeadlessHost::Schedule(Timer& timer) {
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const TimerSlot& s) { return s.timer == &timer; }),
                   m_timers.end());
    if (timer.Running() && timer.Owner().Loaded()) {
        m_timers.push_back({&timer, m_now + timer.Interval()});
    }
}

void HeadlessHost::DropTimersOf(const Form& form) {
    m_timers.erase(std::remove_if(m_timers.begin(), m_timers.end(),
                                  [&](const TimerSlot& s) { return &s.timer->Owner() == &form; }),
                   m_timers.end());
}

bool HeadlessHost::Fire(long long limit) {
    auto next =
        std::min_element(m_timers.begin(), m_timers.end(),
                         [](const TimerSlot& a, const TimerSlot& b) { return a.due < b.due; });
    if (next == m_timers.end() || next->due > limit) {
        return false;
    }
    Timer* timer = next->timer;
    m_now = next->due;
    next->due += timer->Interval();
    timer->RaiseTimer();
    return !ended;
}

void HeadlessHost::AdvanceTime(int ms) {
    const long long limit = m_now + ms;
    while (Fire(limit)) {
    }
    m_now = limit;
}

void HeadlessHost::Click(Control& control, MouseButton button, int x, int y) {
    control.RaiseMouseDown(button, 0, x, y);
    control.RaiseMouseUp(button, 0, x, y);
    if (button == MouseButton::Left) {
        control.RaiseClick();
    }
}

void HeadlessHost::MouseMove(Control& control, int x, int y, MouseButton button) {
    control.RaiseMouseMove(button, 0, x, y);
}

void HeadlessHost::PressKey(int keyCode, int shift, int keyAscii) {
    Form* form = m_focus ? &m_focus->Owner() : m_active;
    if (!form) {
        return;
    }
    Control* target = m_focus;
    const int down = form->DispatchKeyDown(target, keyCode, shift);
    if (down != 0 && keyAscii != 0) {
        Control* pressed = m_focus;
        const int typed = form->DispatchKeyPress(pressed, keyAscii);
        // As in a window: Enter on a focused command button chooses it.
        if (typed == kEnterAscii && pressed && pressed->Kind() == ControlKind::CommandButton) {
            pressed->RaiseClick();
        }
    }
    if (form->Loaded()) {
        form->DispatchKeyUp(m_focus, keyCode, shift);
    }
}

void HeadlessHost::Drop(Control& target, int x, int y) {
    Control* source = m_dragSource;
    m_dragSource = nullptr;
    if (source) {
        target.RaiseDragDrop(*source, x, y);
    }
}

void HeadlessHost::Drop(Form& target, int x, int y) {
    Control* source = m_dragSource;
    m_dragSource = nullptr;
    if (source) {
        target.RaiseDragDrop(*source, x, y);
    }
}

bool HeadlessHost::CloseByUser(Form& form) {
    return Unload(form, UnloadMode::FormControlMenu);
}

void HeadlessHost::Activate(Form& form) {
    if (m_active == &form) {
        return;
    }
    if (m_active) {
        m_active->RaiseDeactivate();
    }
    m_active = &form;
    form.RaiseActivate();
}

}  // namespace mirvo::forms
