#include "doubles/TempFolder.h"

#include <atomic>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

#include "files/Paths.h"

namespace mirvo::test {

namespace fsys = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    static const unsigned salt = std::random_device{}();
    const fsys::path base = fsys::temp_directory_path();
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const fsys::path candidate =
            base / ("mirvo-test-" + std::to_string(salt) + "-" + std::to_string(counter++));
        if (fsys::create_directory(candidate)) {
            m_path = files::WithSeparator(candidate.string());
            return;
        }
    }
    throw std::runtime_error("no temporary folder");
}

TempFolder::~TempFolder() {
    std::error_code ec;
    fsys::remove_all(m_path, ec);
}

std::string TempFolder::Sub(const std::string& name) const {
    fsys::create_directories(m_path + name);
    return files::WithSeparator(m_path + name);
}

files::Bytes ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return files::Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const files::Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

bool FileExists(const std::string& path) {
    std::error_code ec;
    return fsys::exists(path, ec);
}

}  // namespace mirvo::test
