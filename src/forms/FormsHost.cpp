#include "forms/FormsHost.h"

namespace mirvo::forms {

void FormsHost::RunGuarded(const std::function<void()>& handler) noexcept {
    try {
        handler();
    } catch (...) {
        if (!m_errorHandler) {
            return;
        }
        try {
            m_errorHandler(std::current_exception());
        } catch (...) {
            // The error handler itself failed; the event still ends here.
        }
    }
}

}  // namespace mirvo::forms
