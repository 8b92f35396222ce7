#include "platform/Clipboard.h"

#include <cstring>

namespace mirvo::platform {

std::optional<std::vector<std::uint8_t>> Clipboard::GetData(std::uint32_t format) {
    std::vector<std::uint8_t> bytes;
    const bool found = ReadData(format, [&](const std::uint8_t* data, std::size_t size) {
        bytes.assign(data, data + size);
    });
    if (!found) {
        return std::nullopt;
    }
    return bytes;
}

bool Clipboard::SetData(std::uint32_t format, const std::vector<std::uint8_t>& data) {
    const WriteResult result = WriteData(format, data.size(), [&](std::uint8_t* block) {
        if (!data.empty()) {
            std::memcpy(block, data.data(), data.size());
        }
        return true;
    });
    return result == WriteResult::Written;
}

}  // namespace mirvo::platform
