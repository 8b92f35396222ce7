#include "forms/FormsHost.h"

#include "forms/Form.h"

namespace mirvo::forms {

bool FormsHost::IsFormWindow(WindowHandle window) const {
    if (window == 0) {
        return false;
    }
    for (const Form* form : LoadedForms()) {
        if (Handle(*form) == window) {
            return true;
        }
    }
    return false;
}

void FormsHost::RunGuarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const UnreachableInput&) {
        throw;
    } catch (const ProgramEnded&) {
        throw;
    } catch (...) {
        if (!m_errorHandler) {
            return;
        }
        try {
            m_errorHandler(std::current_exception());
        } catch (const ProgramEnded&) {
            throw;
        } catch (...) {
            // The error handler itself failed; the event still ends here.
        }
    }
}

FormsHost::PressScope::PressScope(FormsHost& host, const Form& form)
    : m_host(host), m_outer(host.m_pressForm) {
    host.m_pressForm = &form;
}

FormsHost::PressScope::~PressScope() {
    m_host.m_pressForm = m_outer;
}

bool FormsHost::KeyGoingDown(int keyCode, bool repeat) {
    if (keyCode == m_swallowKeyUp) {
        if (repeat) {
            return false;
        }
        m_swallowKeyUp = 0;
    }
    m_keyDown = keyCode;
    return true;
}

bool FormsHost::KeyComingUp(int keyCode) {
    if (keyCode == m_keyDown) {
        m_keyDown = 0;
    }
    if (keyCode != 0 && keyCode == m_swallowKeyUp) {
        m_swallowKeyUp = 0;
        return false;
    }
    return true;
}

void FormsHost::FormGone(const Form& form) {
    if (&form == m_pressForm && m_keyDown != 0) {
        m_swallowKeyUp = m_keyDown;
        m_pressForm = nullptr;
    }
}

}  // namespace mirvo::forms
