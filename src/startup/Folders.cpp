#include "startup/Folders.h"

#include "app/App.h"
#include "files/Paths.h"
#include "platform/Desktop.h"
#include "platform/FileSystem.h"

namespace mirvo {

std::string GetSpecialFolder(App& app, int csidl) {
    const std::optional<std::string> path = app.os.desktop.SpecialFolder(csidl);
    return path && !path->empty() ? *path : kBadFolder;
}

void EnsureFolder(App& app, const std::string& path) {
    if (path.size() > 1) {
        app.os.files.CreateFolder(path.substr(0, path.size() - 1));
    }
}

std::string ResolvePrivateDataFolder(App& app) {
    constexpr char sep = files::kPathSeparator;
    std::string folder = GetSpecialFolder(app, platform::Csidl::AppData);
    if (folder != kBadFolder) {
        folder += sep;
    } else {
        const std::string user = app.UserName.empty() ? "All Users" : app.UserName;
        folder = std::string("C:") + sep + "Documents and Settings" + sep;
        EnsureFolder(app, folder);
        folder += user + sep;
        EnsureFolder(app, folder);
        folder += std::string("Application Data") + sep;
        EnsureFolder(app, folder);
    }
    folder += std::string("Talbrook Software") + sep;
    EnsureFolder(app, folder);
    folder += std::string("Mirvo_Data") + sep;
    EnsureFolder(app, folder);
    return folder;
}

}  // namespace mirvo
