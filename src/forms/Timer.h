#pragma once

#include "forms/Control.h"

namespace mirvo::forms {

// Fires OnTimer every Interval milliseconds while enabled and its interval is above 0.
// Changing Enabled or Interval restarts the period.
class Timer : public Control {
public:
    Timer(Form& owner, std::string name, int index, Control* container);

    int Interval() const { return m_interval; }
    void SetInterval(int ms);
    bool Running() const { return Enabled() && m_interval > 0; }

    Event<> OnTimer{this, "Timer"};
    void RaiseTimer();

private:
    int m_interval = 0;
};

// Stops a timer for a scope and starts it again when the scope ends, whatever happened in it:
// a handler that pumps messages must not run again inside itself.
class TimerPause {
public:
    explicit TimerPause(Timer& timer) : m_timer(timer) { m_timer.SetEnabled(false); }
    ~TimerPause() { m_timer.SetEnabled(true); }
    TimerPause(const TimerPause&) = delete;
    TimerPause& operator=(const TimerPause&) = delete;

private:
    Timer& m_timer;
};

}  // namespace mirvo::forms
