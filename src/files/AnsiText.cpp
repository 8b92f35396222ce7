#include "files/AnsiText.h"

namespace mirvo::files {

std::string AnsiCodePage::Cut(std::string_view text, size_t width) const {
    if (text.size() <= width) {
        return std::string(text);
    }
    size_t end = 0;
    while (end < width) {
        const size_t step = IsLeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + step > width) {
            break;
        }
        end += step;
    }
    return std::string(text.substr(0, end));
}

std::string AnsiCodePage::Fixed(std::string_view text, size_t width) const {
    std::string s = Cut(text, width);
    s.resize(width, ' ');
    return s;
}

std::string TrimRight(std::string_view text) {
    size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ') {
        --end;
    }
    return std::string(text.substr(0, end));
}

std::string TrimLeft(std::string_view text) {
    size_t start = 0;
    while (start < text.size() && text[start] == ' ') {
        ++start;
    }
    return std::string(text.substr(start));
}

}  // namespace mirvo::files
