#pragma once

#include <optional>
#include <string>
#include <vector>

namespace mirvo {

// One key pressed or released.
struct KeyStroke {
    int keyCode = 0;  // Windows virtual key
    bool down = true;
    bool operator==(const KeyStroke& o) const { return keyCode == o.keyCode && down == o.down; }
};

// The keystrokes of keys written in brace notation: "+" holds Shift, "^" Ctrl and "%" Alt for
// the key that follows; a key is one character or a name in braces ("{TAB}", "{v}",
// "{INSERT}"). Nothing when the text is not valid notation.
std::optional<std::vector<KeyStroke>> ParseBraceKeys(const std::string& keys);

}  // namespace mirvo
