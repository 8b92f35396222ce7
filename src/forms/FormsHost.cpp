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

}  // namespace mirvo::forms
