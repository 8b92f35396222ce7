#include "platform/BraceKeys.h"

#include <cctype>
#include <map>

namespace mirvo {

namespace {

constexpr int kShift = 0x10;
constexpr int kControl = 0x11;
constexpr int kAlt = 0x12;

const std::map<std::string, int>& NamedKeys() {
    static const std::map<std::string, int> keys = {
        {"BACKSPACE", 0x08}, {"BS", 0x08},     {"BKSP", 0x08},   {"TAB", 0x09},   {"ENTER", 0x0D},
        {"ESC", 0x1B},       {"ESCAPE", 0x1B}, {"PGUP", 0x21},   {"PGDN", 0x22},  {"END", 0x23},
        {"HOME", 0x24},      {"LEFT", 0x25},   {"UP", 0x26},     {"RIGHT", 0x27}, {"DOWN", 0x28},
        {"INSERT", 0x2D},    {"INS", 0x2D},    {"DELETE", 0x2E}, {"DEL", 0x2E},   {"F1", 0x70},
        {"F2", 0x71},        {"F3", 0x72},     {"F4", 0x73},     {"F5", 0x74},    {"F6", 0x75},
        {"F7", 0x76},        {"F8", 0x77},     {"F9", 0x78},     {"F10", 0x79},   {"F11", 0x7A},
        {"F12", 0x7B},
    };
    return keys;
}

// The virtual key of a single letter or digit; 0 for anything else.
int CharacterKey(char c) {
    const auto u = static_cast<unsigned char>(c);
    if (std::isalpha(u)) {
        return std::toupper(u);
    }
    if (std::isdigit(u)) {
        return u;
    }
    switch (c) {
        case ' ':
            return 0x20;
        case '-':
            return 0xBD;
        case '=':
            return 0xBB;
        default:
            return 0;
    }
}

}  // namespace

std::optional<std::vector<KeyStroke>> ParseBraceKeys(const std::string& keys) {
    std::vector<KeyStroke> strokes;
    std::vector<int> held;
    size_t i = 0;
    while (i < keys.size()) {
        const char c = keys[i];
        if (c == '+' || c == '^' || c == '%') {
            const int modifier = c == '+' ? kShift : c == '^' ? kControl : kAlt;
            held.push_back(modifier);
            strokes.push_back({modifier, true});
            ++i;
            continue;
        }
        int key = 0;
        if (c == '{') {
            const size_t close = keys.find('}', i + 2);  // "{}}" names the brace itself
            if (close == std::string::npos) {
                return std::nullopt;
            }
            std::string name = keys.substr(i + 1, close - i - 1);
            if (name.size() == 1) {
                key = CharacterKey(name[0]);
            } else {
                for (char& ch : name) {
                    ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
                }
                const auto found = NamedKeys().find(name);
                key = found == NamedKeys().end() ? 0 : found->second;
            }
            i = close + 1;
        } else {
            key = CharacterKey(c);
            ++i;
        }
        if (key == 0) {
            return std::nullopt;
        }
        strokes.push_back({key, true});
        strokes.push_back({key, false});
        // Modifiers hold for the one key that follows them.
        for (auto it = held.rbegin(); it != held.rend(); ++it) {
            strokes.push_back({*it, false});
        }
        held.clear();
    }
    if (!held.empty()) {
        return std::nullopt;  // a modifier with no key after it
    }
    return strokes;
}

}  // namespace mirvo
