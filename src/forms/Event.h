#pragma once

#include <functional>
#include <stdexcept>
#include <utility>

namespace mirvo::forms {

class Control;

// A second handler connected to an event that has one: a programming error, never a user's.
class HandlerConflict : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

// Throws HandlerConflict naming the control and its event.
[[noreturn]] void ThrowHandlerConflict(const Control* control, const char* event);

// An event of a control, with at most one handler. Subsystems that share a control never
// compete for one of its events: connecting a handler where one is connected throws.
template <class... Args>
class Event {
public:
    using Handler = std::function<void(Args...)>;

    Event(const Control* control, const char* name) : m_control(control), m_name(name) {}
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    // Connects the handler.
    template <class F>
    Event& operator=(F&& handler) {
        Handler next(std::forward<F>(handler));
        if (m_handler && next) {
            ThrowHandlerConflict(m_control, m_name);
        }
        m_handler = std::move(next);
        return *this;
    }
    // Disconnects the handler and hands it over, for a caller that wraps it in its own.
    Handler Take() { return std::exchange(m_handler, nullptr); }

    explicit operator bool() const { return static_cast<bool>(m_handler); }
    const char* Name() const { return m_name; }
    void operator()(Args... args) const { m_handler(std::forward<Args>(args)...); }

private:
    const Control* m_control;
    const char* m_name;
    Handler m_handler;
};

}  // namespace mirvo::forms
