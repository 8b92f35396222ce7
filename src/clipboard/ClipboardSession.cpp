#include "clipboard/ClipboardSession.h"

#include "app/App.h"
#include "clipboard/Markers.h"
#include "panels/MainForm.h"
#include "platform/Clipboard.h"

namespace mirvo {

ClipboardSession::~ClipboardSession() {
    if (m_open) {
        m_app.os.clipboard.Close();
    }
}

bool ClipboardSession::Open() {
    m_open = m_app.os.clipboard.Open(m_app.MainWindow().hWnd());
    return m_open;
}

bool ClipboardSession::OpenRetrying() {
    m_open = OpenClipboardRetrying(m_app);
    return m_open;
}

void ClipboardSession::Mark(int lastIndex) {
    MarkClipboard(m_app, lastIndex);
    m_open = false;  // the marking closed it
}

}  // namespace mirvo
