#pragma once

#include <cstdint>
#include <functional>

#include "platform/Desktop.h"

namespace mirvo {

class App;

// Tells when the window a paste goes to has taken it: a window of its program asked for what
// this program put on the clipboard on request, and let go of the clipboard again. Until then
// the clipboard must not change, or the target would paste a later clip or one clip twice.
// While the watch lives it hears the clipboard's hand-overs; when it ends, whatever was not
// asked for is handed over, so that the clipboard holds its content whole.
class HandOverWatch {
public:
    explicit HandOverWatch(App& app);
    ~HandOverWatch();
    HandOverWatch(const HandOverWatch&) = delete;
    HandOverWatch& operator=(const HandOverWatch&) = delete;

    enum class Take {
        Taken,         // the target asked for the clipboard's content and let go of it
        NobodyAsked,   // within the bound: the keys did not paste
        AnotherAsked,  // another program had the content first: the target's read is not seen
    };

    // The paste keys are about to go to the window in front.
    void Expect();
    // Serves window messages until the target has taken the paste, at most a bound. What was
    // seen of the content is forgotten then: the next content is another.
    Take WaitUntilTaken();
    // The target takes nothing: its later pastes are not waited for (TargetTakes).
    void GiveUp() { m_targetTakes = false; }
    bool TargetTakes() const { return m_targetTakes; }

private:
    // Serves messages until done() or the bound from the start; the outcome of done().
    bool ServeUntil(std::uint32_t start, const std::function<bool()>& done);

    App& m_app;
    std::function<void(platform::WindowHandle)> m_previous;
    std::uint32_t m_targetProcess = 0;
    platform::WindowHandle m_reader = 0;  // the target's window that asked, 0 before it did
    bool m_anotherAsked = false;
    bool m_targetTakes = true;
};

}  // namespace mirvo
