#include "doubles/TestApp.h"

#include <filesystem>

#include "app/AppSettings.h"
#include "files/Paths.h"
#include "platform/Desktop.h"

namespace mirvo::test {

TestApp::TestApp() {
    desktop.programFolder = temp.Sub("program");
    desktop.windowsFolder = files::WithoutSeparator(temp.Sub("windows"));
    desktop.specialFolders[platform::Csidl::AppData] = files::WithoutSeparator(temp.Sub("appdata"));
}

std::string TestApp::PrivateFolder() const {
    constexpr char sep = files::kPathSeparator;
    return temp.Path() + "appdata" + sep + "Talbrook Software" + sep + "Mirvo_Data" + sep;
}

void TestApp::StoreSettings(const AppSettings& settings) {
    std::filesystem::create_directories(PrivateFolder());
    WriteFileBytes(PrivateFolder() + "mirvo.ini", EncodeSettings(settings));
}

App& TestApp::Start() {
    if (!m_app) {
        keys.foreground = &desktop.foreground;
        keyboard.foreground = &desktop.foreground;
        desktop.isOwnWindow = [this](platform::WindowHandle w) { return host.IsFormWindow(w); };
        m_app = std::make_unique<App>(
            Platform{desktop, fs, clipboard, shell, host, &keyboard, &mouse, &keys});
    }
    return *m_app;
}

}  // namespace mirvo::test
