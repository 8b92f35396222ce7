#include "doubles/FakeFolderBrowser.h"

#include <algorithm>
#include <cctype>

namespace mirvo::test {

namespace {

std::string Key(std::string path) {
    std::transform(path.begin(), path.end(), path.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    while (path.size() > 3 && path.back() == '\\') {
        path.pop_back();
    }
    if (path.size() == 2 && path[1] == ':') {
        path += '\\';
    }
    return path;
}

std::string Parent(const std::string& key) {
    const size_t split = key.rfind('\\');
    return split < 3 ? key.substr(0, 3) : key.substr(0, split);
}

std::string NameIn(const std::string& path) {
    return path.substr(path.rfind('\\') + 1);
}

}  // namespace

const FakeFolderBrowser::Folder& FakeFolderBrowser::Find(const std::string& path) const {
    const auto found = m_folders.find(Key(path));
    if (found == m_folders.end()) {
        throw forms::DeviceUnavailable(path);
    }
    return found->second;
}

std::vector<std::string> FakeFolderBrowser::Folders(const std::string& folder) {
    const Folder& f = Find(folder);
    return {f.folders.begin(), f.folders.end()};
}

std::vector<std::string> FakeFolderBrowser::Files(const std::string& folder,
                                                  const std::string& patterns) {
    std::vector<std::string> names;
    try {
        for (const std::string& name : Find(folder).files) {
            if (forms::MatchesAnyPattern(name, patterns)) {
                names.push_back(name);
            }
        }
    } catch (const forms::DeviceUnavailable&) {
    }
    return names;
}

void FakeFolderBrowser::AddFolder(const std::string& path) {
    const std::string key = Key(path);
    if (key.size() <= 3 || m_folders.count(key) != 0) {
        m_folders[key];
        return;
    }
    AddFolder(path.substr(0, path.find_last_of('\\', path.find_last_not_of('\\'))));
    m_folders[key];
    m_folders[Parent(key)].folders.insert(NameIn(path.substr(0, path.find_last_not_of('\\') + 1)));
}

void FakeFolderBrowser::AddFile(const std::string& path) {
    const std::string folder = path.substr(0, path.rfind('\\'));
    AddFolder(folder.size() == 2 ? folder + "\\" : folder);
    m_folders[Key(folder)].files.insert(NameIn(path));
}

void FakeFolderBrowser::RemoveFolder(const std::string& path) {
    const std::string key = Key(path);
    m_folders.erase(key);
    m_folders[Parent(key)].folders.erase(NameIn(path));
}

}  // namespace mirvo::test
