#pragma once

#include <array>
#include <string>
#include <string_view>

namespace mirvo::files {

// Fixed-width text of the data files in the ANSI code page.
class AnsiCodePage {
public:
    AnsiCodePage() { m_lead.fill(false); }
    explicit AnsiCodePage(const std::array<bool, 256>& leadBytes) : m_lead(leadBytes) {}

    bool IsLeadByte(unsigned char c) const { return m_lead[c]; }

    // The text cut to at most width bytes without splitting a double-byte character.
    std::string Cut(std::string_view text, size_t width) const;
    // The text cut to width bytes and padded with spaces to exactly width.
    std::string Fixed(std::string_view text, size_t width) const;

private:
    std::array<bool, 256> m_lead;
};

// The text without trailing spaces.
std::string TrimRight(std::string_view text);
// The text without leading spaces.
std::string TrimLeft(std::string_view text);

}  // namespace mirvo::files
