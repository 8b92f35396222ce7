#include "forms/Timer.h"

#include "forms/Form.h"
#include "forms/FormsHost.h"

namespace mirvo::forms {

Timer::Timer(Form& owner, std::string name, int index, Control* container)
    : Control(owner, ControlKind::Timer, std::move(name), index, container) {
    SetVisible(false);
    SetTabStop(false);
}

void Timer::SetInterval(int ms) {
    m_interval = ms < 0 ? 0 : ms;
    Changed(Property::Timer);
}

void Timer::RaiseTimer() {
    if (OnTimer) {
        Owner().Host().EventRaised(*this, OnTimer.Name());
        Owner().Host().RunGuarded([this] { OnTimer(); });
    }
}

}  // namespace mirvo::forms
