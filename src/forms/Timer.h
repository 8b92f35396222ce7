#pragma once

#include <functional>

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

    std::function<void()> OnTimer;
    void RaiseTimer();

private:
    int m_interval = 0;
};

}  // namespace mirvo::forms
