#include "doubles/FakeClipboard.h"

#include <algorithm>

namespace mirvo::test {

bool FakeClipboard::Open(platform::WindowHandle window) {
    ++openAttempts;
    if (heldByOtherForOpens > 0) {
        --heldByOtherForOpens;
        return false;
    }
    if (isOpen) {
        return false;
    }
    isOpen = true;
    owner = window;
    return true;
}

void FakeClipboard::Close() {
    ++closeCalls;
    isOpen = false;
}

bool FakeClipboard::Empty() {
    if (!isOpen) {
        return false;
    }
    formats.clear();
    onRequest.clear();
    ++sequence;
    return true;
}

std::uint32_t FakeClipboard::EnumFormats(std::uint32_t previous) {
    if (!isOpen) {
        return 0;
    }
    if (previous == 0) {
        return formats.empty() ? 0 : formats.front().first;
    }
    for (size_t i = 0; i + 1 < formats.size(); ++i) {
        if (formats[i].first == previous) {
            return formats[i + 1].first;
        }
    }
    return 0;
}

std::string FakeClipboard::FormatName(std::uint32_t format) {
    for (const auto& [name, id] : m_registered) {
        if (id == format) {
            return name;
        }
    }
    return {};
}

std::uint32_t FakeClipboard::RegisterFormat(const std::string& name) {
    auto it = m_registered.find(name);
    if (it != m_registered.end()) {
        return it->second;
    }
    m_registered[name] = m_nextId;
    return m_nextId++;
}

bool FakeClipboard::IsFormatAvailable(std::uint32_t format) {
    return std::any_of(formats.begin(), formats.end(),
                       [&](const auto& f) { return f.first == format; });
}

bool FakeClipboard::ReadData(std::uint32_t format,
                             const std::function<void(const std::uint8_t*, std::size_t)>& read) {
    readFormats.push_back(format);
    if (isOpen) {
        HandOver(format, owner);  // this program's own request
    }
    if (!isOpen ||
        std::find(handleFormats.begin(), handleFormats.end(), format) != handleFormats.end()) {
        return false;
    }
    for (const auto& f : formats) {
        if (f.first == format) {
            read(f.second.data(), f.second.size());
            return true;
        }
    }
    return false;
}

platform::WriteResult FakeClipboard::WriteData(std::uint32_t format, std::size_t size,
                                               const std::function<bool(std::uint8_t*)>& fill) {
    if (size > allocationLimit) {
        return platform::WriteResult::NoBlock;
    }
    std::vector<std::uint8_t> block(size);
    if (!fill(block.data())) {
        return platform::WriteResult::NoBlock;
    }
    if (!isOpen ||
        std::find(refusedFormats.begin(), refusedFormats.end(), format) != refusedFormats.end()) {
        return platform::WriteResult::Refused;
    }
    ++sequence;
    for (auto& f : formats) {
        if (f.first == format) {
            f.second = std::move(block);
            return platform::WriteResult::Written;
        }
    }
    formats.emplace_back(format, std::move(block));
    return platform::WriteResult::Written;
}

platform::WriteResult FakeClipboard::WriteOnRequest(
    std::uint32_t format, std::size_t size, const std::function<bool(std::uint8_t*)>& fill) {
    std::vector<std::uint8_t> bytes;
    const platform::WriteResult result = WriteData(format, size, [&](std::uint8_t* block) {
        if (!fill(block)) {
            return false;
        }
        bytes.assign(block, block + size);
        return true;
    });
    if (result == platform::WriteResult::Written) {
        for (auto& f : formats) {
            if (f.first == format) {
                f.second.clear();
            }
        }
        onRequest[format] = std::move(bytes);
    }
    return result;
}

void FakeClipboard::HandOver(std::uint32_t format, platform::WindowHandle reader) {
    const auto promised = onRequest.find(format);
    if (promised == onRequest.end()) {
        return;
    }
    if (OnHandOver) {
        OnHandOver(reader);
    }
    for (auto& f : formats) {
        if (f.first == format) {
            f.second = std::move(promised->second);
        }
    }
    onRequest.erase(promised);
}

bool FakeClipboard::HandOverAll() {
    if (isOpen || heldByOtherForOpens > 0) {
        return onRequest.empty();
    }
    while (!onRequest.empty()) {
        const std::uint32_t format = onRequest.begin()->first;
        for (auto& f : formats) {
            if (f.first == format) {
                f.second = std::move(onRequest.begin()->second);
            }
        }
        onRequest.erase(onRequest.begin());
    }
    return true;
}

std::optional<std::vector<std::uint8_t>> FakeClipboard::PasteInOtherProgram(
    std::uint32_t format, platform::WindowHandle reader) {
    if (isOpen) {
        return std::nullopt;
    }
    otherReader = reader;
    HandOver(format, reader);
    otherReader = 0;
    for (const auto& f : formats) {
        if (f.first == format) {
            return f.second;
        }
    }
    return std::nullopt;
}

void FakeClipboard::PutFromOtherProgram(
    std::vector<std::pair<std::uint32_t, std::vector<std::uint8_t>>> content) {
    formats = std::move(content);
    onRequest.clear();
    ++sequence;
}

}  // namespace mirvo::test
