#pragma once

// Little-endian fields of the data files, read and written at explicit offsets. Reads past the
// end of the bytes give zeros, as reading a record beyond the end of a short file does.

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace mirvo::files {

using Bytes = std::vector<std::uint8_t>;

inline std::uint8_t ByteAt(const Bytes& b, size_t at) { return at < b.size() ? b[at] : 0; }

inline std::int16_t ReadInt16(const Bytes& b, size_t at) {
    return static_cast<std::int16_t>(ByteAt(b, at) | (ByteAt(b, at + 1) << 8));
}

inline std::int32_t ReadInt32(const Bytes& b, size_t at) {
    const std::uint32_t v = static_cast<std::uint32_t>(ByteAt(b, at)) |
                            (static_cast<std::uint32_t>(ByteAt(b, at + 1)) << 8) |
                            (static_cast<std::uint32_t>(ByteAt(b, at + 2)) << 16) |
                            (static_cast<std::uint32_t>(ByteAt(b, at + 3)) << 24);
    return static_cast<std::int32_t>(v);
}

inline float ReadSingle(const Bytes& b, size_t at) {
    const std::uint32_t bits = static_cast<std::uint32_t>(ReadInt32(b, at));
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// count bytes as text; missing bytes read as NUL.
inline std::string ReadText(const Bytes& b, size_t at, size_t count) {
    std::string s(count, '\0');
    for (size_t i = 0; i < count; ++i) {
        s[i] = static_cast<char>(ByteAt(b, at + i));
    }
    return s;
}

// Makes the bytes at least size long, zero-filled. Out of line on purpose: inlined into
// writes at constant offsets it draws a false array-bounds warning from GCC 12 at -O3.
void Grow(Bytes& b, size_t size);

inline void WriteInt16(Bytes& b, size_t at, std::int16_t v) {
    Grow(b, at + 2);
    const auto u = static_cast<std::uint16_t>(v);
    b[at] = static_cast<std::uint8_t>(u & 0xFF);
    b[at + 1] = static_cast<std::uint8_t>(u >> 8);
}

inline void WriteInt32(Bytes& b, size_t at, std::int32_t v) {
    Grow(b, at + 4);
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) {
        b[at + static_cast<size_t>(i)] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
    }
}

inline void WriteSingle(Bytes& b, size_t at, float f) {
    std::uint32_t bits;
    std::memcpy(&bits, &f, sizeof bits);
    WriteInt32(b, at, static_cast<std::int32_t>(bits));
}

inline void WriteText(Bytes& b, size_t at, std::string_view text) {
    Grow(b, at + text.size());
    std::memcpy(b.data() + at, text.data(), text.size());
}

}  // namespace mirvo::files
