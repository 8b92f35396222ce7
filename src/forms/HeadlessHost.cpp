#include "forms/HeadlessHost.h"

#include <algorithm>
#include <utility>

#include "forms/Controls.h"
#include "forms/Timer.h"

namespace mirvo::forms {

namespace {
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
    Form* previous = m_active;
    if (mode == ShowMode::Modal) {
        // Every other form waits until this one has gone: no click reaches them meanwhile.
        ModalShow show{&form, {}};
        for (Form* other : m_loaded) {
            if (other != &form) {
                show.waiting.push_back(other);
            }
        }
        m_modal.push_back(std::move(show));
    }
    form.SyncState(true, true, mode == ShowMode::Modal);
    if (!wasVisible) {
        form.RaiseResize();
    }
    Activate(form);
    if (mode == ShowMode::Modal) {
        // The other forms wait no longer once this show ends, however it ends.
        struct EndOfShow {
            std::vector<ModalShow>& modal;
            Form* form;
            ~EndOfShow() {
                modal.erase(std::remove_if(modal.begin(), modal.end(),
                                           [&](const ModalShow& s) { return s.form == form; }),
                            modal.end());
            }
        } end{m_modal, &form};
        if (onModal && form.Loaded() && form.Visible()) {
            onModal(form);
        }
        if (form.Loaded()) {
            Unload(form, UnloadMode::Code);
        }
        // The form that was active before takes the activation back.
        if (previous && previous != &form && previous->Loaded() && previous->Visible() &&
            !form.Loaded()) {
            Activate(*previous);
        }
    }
}

void HeadlessHost::Hide(Form& form) {
    Load(form);
    form.SyncState(form.Loaded(), false, form.Modal());
    if (m_focus && &m_focus->Owner() == &form) {
        m_savedFocus[&form] = m_focus;
        m_focus = nullptr;
    }
    if (m_active == &form) {
        m_active = nullptr;
        form.RaiseDeactivate();
        ActivateNext();
    }
}

bool HeadlessHost::Unload(Form& form, UnloadMode mode) {
    if (!form.Loaded()) {
        return true;
    }
    if (!form.RaiseUnload(mode)) {
        return false;
    }
    const bool wasActive = m_active == &form;
    Release(form);
    if (wasActive) {
        ActivateNext();
    }
    return true;
}

void HeadlessHost::ActivateNext() {
    for (auto it = m_activations.rbegin(); it != m_activations.rend(); ++it) {
        Form* form = *it;
        if (form->Loaded() && form->Visible() && form->WindowState() != WindowState::Minimized) {
            Activate(*form);
            return;
        }
    }
}

void HeadlessHost::Release(Form& form) {
    if (!form.Loaded()) {
        return;
    }
    DropTimersOf(form);
    FormGone(form);
    if (m_focus && &m_focus->Owner() == &form) {
        m_focus = nullptr;
    }
    if (m_spaceArmed && &m_spaceArmed->Owner() == &form) {
        m_spaceArmed = nullptr;
    }
    if (m_dragSource && &m_dragSource->Owner() == &form) {
        m_dragSource = nullptr;
    }
    if (m_active == &form) {
        m_active = nullptr;
    }
    m_savedFocus.erase(&form);
    m_activations.erase(std::remove(m_activations.begin(), m_activations.end(), &form),
                        m_activations.end());
    for (auto& [owner, saved] : m_savedFocus) {
        if (saved && &saved->Owner() == &form) {
            saved = nullptr;
        }
    }
    m_modal.erase(std::remove_if(m_modal.begin(), m_modal.end(),
                                 [&](const ModalShow& s) { return s.form == &form; }),
                  m_modal.end());
    for (ModalShow& show : m_modal) {
        show.waiting.erase(std::remove(show.waiting.begin(), show.waiting.end(), &form),
                           show.waiting.end());
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
    // Focus in another window activates that window first.
    if (m_active != &form) {
        Activate(form);
        if (m_focus == &control || !control.Owner().Loaded()) {
            return;
        }
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
    if (endStopsAll) {
        throw ProgramEnded{code};
    }
}

void HeadlessHost::EventRaised(const Control& control, const char* event) {
    if (onEvent) {
        onEvent(control, event);
    }
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
    // Time that a handler let pass (it waited in a modal form) is never taken back.
    m_now = std::max(m_now, next->due);
    next->due += timer->Interval();
    timer->RaiseTimer();
    return !ended;
}

void HeadlessHost::AdvanceTime(int ms) {
    const long long limit = m_now + ms;
    while (Fire(limit)) {
    }
    m_now = std::max(m_now, limit);
}

void HeadlessHost::Activate(Form& form) {
    if (m_active == &form) {
        return;
    }
    if (Form* old = m_active) {
        if (m_focus && &m_focus->Owner() == old) {
            m_savedFocus[old] = m_focus;
        }
        old->RaiseDeactivate();
    }
    m_active = &form;
    m_activations.erase(std::remove(m_activations.begin(), m_activations.end(), &form),
                        m_activations.end());
    m_activations.push_back(&form);
    form.RaiseActivate();
    if (m_active == &form && form.Loaded() && form.Visible() &&
        form.WindowState() != WindowState::Minimized) {
        FocusInto(form);
    }
}

void HeadlessHost::FocusInto(Form& form) {
    if ((m_focus && &m_focus->Owner() == &form) || !form.Loaded() || !form.Visible() ||
        form.WindowState() == WindowState::Minimized) {
        return;
    }
    auto focusable = [](const Control& c) {
        if (!c.CanTakeFocus() || !c.VisibleInTree() || !c.Enabled()) {
            return false;
        }
        for (const Control* p = c.Container(); p; p = p->Container()) {
            if (!p->Enabled()) {
                return false;
            }
        }
        return true;
    };
    Control* target = nullptr;
    auto saved = m_savedFocus.find(&form);
    if (saved != m_savedFocus.end() && saved->second && focusable(*saved->second)) {
        target = saved->second;
    } else {
        for (const auto& c : form.Controls()) {
            if (focusable(*c) && c->TabStop() && (!target || c->TabIndex() < target->TabIndex())) {
                target = c.get();
            }
        }
    }
    if (target) {
        target->TrySetFocus();
    }
}

}  // namespace mirvo::forms
