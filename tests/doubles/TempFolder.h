#pragma once

#include <string>

#include "files/ByteOrder.h"

namespace mirvo::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder path, ending in a separator.
    const std::string& Path() const { return m_path; }
    // Creates a sub-folder and returns its path with a separator.
    std::string Sub(const std::string& name) const;

private:
    std::string m_path;
};

files::Bytes ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const files::Bytes& bytes);
bool FileExists(const std::string& path);

}  // namespace mirvo::test
