#include "clipboard/Monitor.h"

#include "app/App.h"
#include "clipboard/BulkCache.h"
#include "clipboard/Capture.h"
#include "clipboard/History.h"
#include "clipboard/Markers.h"
#include "files/DataFile.h"
#include "forms/FormsHost.h"
#include "help/QuickHelp.h"
#include "mainwindow/Edit.h"
#include "platform/Clipboard.h"
#include "startup/Settings.h"

namespace mirvo {

namespace {

constexpr size_t kTitleWidth = 50;
constexpr forms::Color kCaptureOffColor = 255;
constexpr forms::Color kCaptureOffDesignColor = 0xC0C0C0;
constexpr const char* kNonTextTitle = "Non Text Clip.";

// The clipboard open for one poll or click; closed at the end of the scope if still open.
class ClipboardSession {
public:
    explicit ClipboardSession(App& app) : m_app(app) {}
    ~ClipboardSession() {
        if (m_open) {
            m_app.os.clipboard.Close();
        }
    }
    ClipboardSession(const ClipboardSession&) = delete;
    ClipboardSession& operator=(const ClipboardSession&) = delete;

    bool Open() {
        m_open = m_app.os.clipboard.Open(m_app.MainWindow().hWnd());
        return m_open;
    }
    // Marks the content as seen and closes.
    void MarkSeen() {
        m_open = false;
        MarkClipboard(m_app, 0);
    }

private:
    App& m_app;
    bool m_open = false;
};

// Enables a timer again when the scope ends, whatever happened in it.
class ReenableTimer {
public:
    explicit ReenableTimer(forms::Timer& timer) : m_timer(timer) { m_timer.SetEnabled(false); }
    ~ReenableTimer() { m_timer.SetEnabled(true); }
    ReenableTimer(const ReenableTimer&) = delete;
    ReenableTimer& operator=(const ReenableTimer&) = delete;

private:
    forms::Timer& m_timer;
};

std::string ClipPath(const App& app, int slot) {
    return app.DataFolder + "clip." + std::to_string(slot);
}

void TrackForeignWindow(App& app) {
    const platform::WindowHandle foreground = app.os.desktop.ForegroundWindow();
    if (foreground == 0) {
        return;
    }
    for (forms::Form* form : app.os.forms.LoadedForms()) {
        if (form->hWnd() == foreground) {
            return;
        }
    }
    app.clip.LastForeignWindow = foreground;
}

void RecordWindowPosition(App& app, Edit& edit) {
    AppSettings& s = app.settings;
    if (s.CompactLayout == 0) {
        s.WindowTop = edit.Top();
        s.WindowLeft = edit.Left();
    } else if (s.ClipboardOnlyMode == 1) {
        s.VerticalOnlyTop = edit.Top();
        s.VerticalOnlyLeft = edit.Left();
    } else if (s.ClipboardOnlyMode == 2) {
        s.HorizontalOnlyTop = edit.Top();
        s.HorizontalOnlyLeft = edit.Left();
    } else {
        s.CompactTop = static_cast<float>(edit.Top());
        s.CompactLeft = static_cast<float>(edit.Left());
    }
}

// Puts the captured "clip.tmp" into the history under title; returns the new clip's file.
std::string PlaceInHistory(App& app, const std::string& title) {
    ClipboardPanel& panel = app.MainWindow().clipboardPanel;
    platform::FileSystem& fs = app.os.files;
    const std::string captured = app.DataFolder + kCaptureFileName;
    int slot = app.clip.ClipboardClipCount;
    if (slot >= 9) {
        // Full: every clip moves down one slot and the oldest is dropped.
        for (size_t s = 0; s < 8; ++s) {
            panel.ClipboardClip[s]->SetCaption(panel.ClipboardClip[s + 1]->Caption());
            files::MoveDataFile(fs, ClipPath(app, static_cast<int>(s + 1)),
                                ClipPath(app, static_cast<int>(s)));
        }
        slot = 8;
        panel.ClipboardClip[8]->SetCaption("");
    } else {
        ++app.clip.ClipboardClipCount;
    }
    files::MoveDataFile(fs, captured, ClipPath(app, slot));
    panel.ClipboardClip[static_cast<size_t>(slot)]->SetCaption(title);
    return ClipPath(app, slot);
}

// The title of the content just captured: the pending title when the captured text is the
// text it was given for, else the title from the text. A pending title is used once at most.
std::string TitleOfCapture(App& app) {
    const bool pending = app.clip.TitlePending == 1 && app.clip.ClipText == app.clip.PendingText;
    app.clip.TitlePending = 0;
    if (pending) {
        return app.ansi.Fixed(app.clip.PendingTitle, kTitleWidth);
    }
    return MakeClipTitle(app, app.clip.ClipText);
}

void CaptureNewContent(App& app, ClipboardSession& session) {
    if (ContentAsksNotToBeRecorded(app)) {
        session.MarkSeen();
        return;
    }
    if (app.clip.ClearOnNextCapture == 1) {
        app.clip.ClearOnNextCapture = 0;
        ClearClipboardClips(app);
    }
    CaptureClipboard(app);
    session.MarkSeen();
    if (app.clip.ClipHasText == 0) {
        app.clip.ClipText = kNonTextTitle;
    }
    const std::string newClip = PlaceInHistory(app, TitleOfCapture(app));
    SaveClipboardHistory(app);
    if (app.settings.CaptureMode == 2) {
        AddToBulkCache(app, newClip, MakeClipTitle(app, app.clip.ClipText));
    } else {
        RefreshBulkDisplay(app);
    }
}

void SetFocusIfPossible(forms::Control& control) {
    try {
        control.SetFocus();
    } catch (const forms::InvalidFocus&) {
        // The window is hidden or minimized: nothing to move the focus from.
    }
}

void ClearBtn_MouseUp(App& app, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        ShowQuickHelp(app, 3);
        return;
    }
    if (button != forms::MouseButton::Left) {
        return;
    }
    ClearClipboardClips(app);
    SetFocusIfPossible(app.MainWindow().holdfocus);
    if (app.settings.CompactLayout == 1) {
        app.os.desktop.SetForegroundWindow(app.clip.LastForeignWindow);
    }
}

void CaptureMode_MouseUp(App& app, int index, forms::MouseButton button) {
    if (button == forms::MouseButton::Right) {
        if (index == 1 || index == 2) {
            ShowQuickHelp(app, index == 1 ? 28 : 29);
        }
        return;
    }
    if (button != forms::MouseButton::Left) {
        return;
    }
    const int mode = app.settings.CaptureMode;
    if (index == 1 && mode == 1) {
        // Capture comes back on: what was copied meanwhile is marked as seen, not captured.
        if (OpenClipboardRetrying(app)) {
            MarkClipboard(app, 0);
        }
    }
    if (index == 2 && mode != 2 && app.settings.BulkCount == 0) {
        SeedBulkCacheFromHistory(app);
    }
    if (index == mode) {
        index = 0;  // the chosen mode clicked again returns to "Normal"
    }
    app.settings.CaptureMode = static_cast<std::int16_t>(index);
    SaveSettings(app);
    RefreshCaptureButtons(app);
    SetFocusIfPossible(app.MainWindow().holdfocus);
}

}  // namespace

std::string MakeClipTitle(const App& app, const std::string& text) {
    std::string rest = text.substr(0, text.find('\0'));
    size_t start = 0;
    while (start < rest.size() && static_cast<unsigned char>(rest[start]) <= 32) {
        ++start;
    }
    return app.ansi.Fixed(std::string_view(rest).substr(start), kTitleWidth);
}

void PollClipboard(App& app) {
    Edit& edit = app.MainWindow();
    ReenableTimer rearm(edit.Timer1);
    edit.UpdateCaptionClock();
    TrackForeignWindow(app);
    if (edit.WindowState() == forms::WindowState::Normal) {
        RecordWindowPosition(app, edit);
    }
    if (edit.WindowState() == forms::WindowState::Minimized && app.settings.TaskbarIcon == 0) {
        edit.Hide();
    }
    if (app.settings.CaptureMode == 1) {
        return;
    }
    ClipboardSession session(app);
    if (!session.Open()) {
        return;  // another program holds it: the next tick tries again
    }
    if (app.MarkerFormats[0] != 0 && app.os.clipboard.IsFormatAvailable(app.MarkerFormats[0])) {
        return;  // seen before
    }
    CaptureNewContent(app, session);
}

void ClearClipboardClips(App& app) {
    if (app.clip.ClipboardClipCount >= 1) {
        ClipboardPanel& panel = app.MainWindow().clipboardPanel;
        for (forms::Label* clip : panel.ClipboardClip) {
            clip->SetCaption("");
        }
        app.clip.ClipboardClipCount = 0;
        SaveClipboardHistory(app);
        for (int slot = 0; slot < 9; ++slot) {
            files::DeleteDataFile(app.os.files, ClipPath(app, slot));
        }
    }
    ClearBulkCache(app);
    RefreshBulkDisplay(app);
}

void RefreshCaptureButtons(App& app) {
    ControlPanel& panel = app.MainWindow().controlPanel;
    const int mode = app.settings.CaptureMode;
    panel.CaptureMode[static_cast<size_t>(mode)]->SetValue(true);
    panel.CaptureMode[1]->SetBackColor(mode == 1 ? kCaptureOffColor : kCaptureOffDesignColor);
    RefreshBulkDisplay(app);
}

void WireClipboardControls(App& app, Edit& edit) {
    edit.Timer1.OnTimer = [&app] { PollClipboard(app); };
    edit.clipboardPanel.ClearBtn.OnMouseUp = [&app](forms::MouseButton b, int, int, int) {
        ClearBtn_MouseUp(app, b);
    };
    for (int i = 0; i < 3; ++i) {
        edit.controlPanel.CaptureMode[static_cast<size_t>(i)]->OnMouseUp =
            [&app, i](forms::MouseButton b, int, int, int) { CaptureMode_MouseUp(app, i, b); };
    }
}

}  // namespace mirvo
