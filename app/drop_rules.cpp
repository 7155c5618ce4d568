#include "app/drop_rules.h"

#include <algorithm>

namespace tarvok {

bool isShortcutPath(std::string_view path) {
    const auto dot = path.rfind('.');
    if (dot == std::string_view::npos) {
        return false;
    }
    // Only ASCII letters are folded: the path is UTF-8, and ".lnk" is ASCII.
    constexpr std::string_view kShortcut = ".lnk";
    const std::string_view extension = path.substr(dot);
    return std::equal(extension.begin(), extension.end(), kShortcut.begin(), kShortcut.end(),
                      [](char a, char b) { return (a >= 'A' && a <= 'Z' ? a + 32 : a) == b; });
}

} // namespace tarvok
