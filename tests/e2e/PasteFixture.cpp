#include "e2e/PasteFixture.h"

namespace mirvo::e2e {

namespace {
BOOL CALLBACK AddVisibleText(HWND child, LPARAM texts) {
    if (IsWindowVisible(child) && !WindowText(child).empty()) {
        *reinterpret_cast<std::string*>(texts) += "[" + WindowText(child) + "] ";
    }
    return TRUE;
}
}  // namespace

std::string VisibleTexts(HWND window) {
    std::string texts;
    EnumChildWindows(window, AddVisibleText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

int HistoryCount(const std::string& path) {
    const std::vector<std::uint8_t> b = ReadBytes(path);
    return b.size() >= 2 ? static_cast<std::int16_t>(b[0] | (b[1] << 8)) : -1;
}

}  // namespace mirvo::e2e
