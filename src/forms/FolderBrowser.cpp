#include "forms/FolderBrowser.h"

#include <cctype>

namespace mirvo::forms {

namespace {
bool SameLetter(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool Match(const char* name, const char* pattern) {
    // Iterative match with backtracking to the last '*'.
    const char* star = nullptr;
    const char* resume = nullptr;
    while (*name) {
        if (*pattern == '*') {
            star = pattern++;
            resume = name;
        } else if (*pattern == '?' || (*pattern && SameLetter(*pattern, *name))) {
            ++pattern;
            ++name;
        } else if (star) {
            pattern = star + 1;
            name = ++resume;
        } else {
            return false;
        }
    }
    while (*pattern == '*') {
        ++pattern;
    }
    return *pattern == '\0';
}
}  // namespace

bool MatchesWildcard(const std::string& name, const std::string& pattern) {
    // "*.*" also matches names without a dot, as on Windows.
    if (pattern == "*.*") {
        return true;
    }
    return Match(name.c_str(), pattern.c_str());
}

bool MatchesAnyPattern(const std::string& name, const std::string& patterns) {
    size_t start = 0;
    while (start <= patterns.size()) {
        size_t end = patterns.find(';', start);
        if (end == std::string::npos) {
            end = patterns.size();
        }
        std::string one = patterns.substr(start, end - start);
        while (!one.empty() && one.front() == ' ') {
            one.erase(one.begin());
        }
        while (!one.empty() && one.back() == ' ') {
            one.pop_back();
        }
        if (!one.empty() && MatchesWildcard(name, one)) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

}  // namespace mirvo::forms
