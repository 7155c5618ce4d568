#pragma once

#include <string_view>

namespace tarvok {

// Whether a path names a shortcut file: its extension, from the last "." on, is ".lnk" in
// any letter case. Such a path is registered as the shortcut's target.
bool isShortcutPath(std::string_view path);

} // namespace tarvok
