#include "paste/HandOverWatch.h"

#include "app/App.h"
#include "forms/FormsHost.h"
#include "platform/Clipboard.h"

namespace mirvo {

namespace {
// A target reads the clipboard as it handles the paste key, within milliseconds; a loaded
// machine may take a few hundred. One that never reads (a window that does not paste on the
// key) costs this twice, for its first paste and the one sent again.
constexpr std::uint32_t kTakeBoundMs = 1000;
constexpr std::uint32_t kServeMs = 1;
}  // namespace

HandOverWatch::HandOverWatch(App& app)
    : m_app(app), m_previous(std::move(app.os.clipboard.OnHandOver)) {
    app.os.clipboard.OnHandOver = [this](platform::WindowHandle reader) {
        // Another program may read the clipboard too (a clipboard viewer, a history): only the
        // target's own program counts.
        if (m_targetProcess != 0 && m_app.os.desktop.ProcessOf(reader) == m_targetProcess) {
            m_reader = reader;
        } else {
            m_anotherAsked = true;
        }
    };
}

HandOverWatch::~HandOverWatch() {
    m_app.os.clipboard.OnHandOver = std::move(m_previous);
    m_app.os.clipboard.HandOverAll();
}

void HandOverWatch::Expect() {
    m_targetProcess = m_app.os.desktop.ProcessOf(m_app.os.desktop.ForegroundWindow());
    m_reader = 0;
}

bool HandOverWatch::ServeUntil(std::uint32_t start, const std::function<bool()>& done) {
    platform::Desktop& desktop = m_app.os.desktop;
    while (!done() && desktop.TickCount() - start < kTakeBoundMs) {
        m_app.os.forms.WaitForEvents(kServeMs);
    }
    return done();
}

HandOverWatch::Take HandOverWatch::WaitUntilTaken() {
    const std::uint32_t start = m_app.os.desktop.TickCount();
    platform::Clipboard& clipboard = m_app.os.clipboard;
    const bool asked = ServeUntil(start, [&] { return m_reader != 0; });
    // The target reads while it has the clipboard open; this program can change it only after.
    const bool taken = asked && ServeUntil(m_app.os.desktop.TickCount(),
                                           [&] { return clipboard.OpenWindow() != m_reader; });
    const Take take = taken ? Take::Taken : m_anotherAsked ? Take::AnotherAsked : Take::NobodyAsked;
    m_targetProcess = 0;
    m_anotherAsked = false;
    return take;
}

}  // namespace mirvo
