#include "harness/ProgramOver.h"

#include <filesystem>

#include "files/Paths.h"
#include "platform/Desktop.h"
#include "startup/Main.h"

namespace mirvo::test {

ProgramOver::ProgramOver(std::string root) : m_root(std::move(root)) {
    for (const char* folder : {"program", "appdata", "windows"}) {
        std::filesystem::create_directories(m_root + folder);
    }
    desktop.programFolder = ProgramFolder();
    desktop.windowsFolder = m_root + "windows";
    desktop.specialFolders[platform::Csidl::AppData] = m_root + "appdata";
    m_app = std::make_unique<App>(Platform{desktop, fs, clipboard, shell, host});
}

bool ProgramOver::Start() {
    return Main(*m_app);
}

std::string ProgramOver::PrivateFolder() const {
    constexpr char sep = files::kPathSeparator;
    return m_root + "appdata" + sep + "Talbrook Software" + sep + "Mirvo_Data" + sep;
}

}  // namespace mirvo::test
