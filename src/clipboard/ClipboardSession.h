#pragma once

namespace mirvo {

class App;

// The clipboard opened for the main window for one piece of work. Whatever ends the work (a
// return, a read error thrown half way), the clipboard is closed when the session ends, so that
// every program can copy and paste again.
class ClipboardSession {
public:
    explicit ClipboardSession(App& app) : m_app(app) {}
    ~ClipboardSession();
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    // One attempt; false when another program holds the clipboard.
    bool Open();
    // A bounded number of attempts while serving window messages.
    bool OpenRetrying();
    // Puts marker formats 0..lastIndex on the clipboard and closes it.
    void Mark(int lastIndex);

private:
    App& m_app;
    bool m_open = false;
};

}  // namespace mirvo
