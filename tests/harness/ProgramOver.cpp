#include "harness/ProgramOver.h"

#include <filesystem>

#include "files/Paths.h"
#include "platform/Desktop.h"
#include "startup/Main.h"

namespace mirvo::test {

ProgramOver::ProgramOver(std::string root, std::string userRoot)
    : m_root(std::move(root)), m_userRoot(userRoot.empty() ? m_root : std::move(userRoot)) {
    std::filesystem::create_directories(m_root + "program");
    for (const char* folder : {"appdata", "windows"}) {
        std::filesystem::create_directories(m_userRoot + folder);
    }
    desktop.programFolder = ProgramFolder();
    desktop.windowsFolder = m_userRoot + "windows";
    desktop.specialFolders[platform::Csidl::AppData] = m_userRoot + "appdata";
    m_app = std::make_unique<App>(Platform{desktop, fs, clipboard, shell, host});
}

bool ProgramOver::Start() {
    return Main(*m_app);
}

std::string ProgramOver::PrivateFolder() const {
    constexpr char sep = files::kPathSeparator;
    return m_userRoot + "appdata" + sep + "Talbrook Software" + sep + "Mirvo_Data" + sep;
}

}  // namespace mirvo::test
