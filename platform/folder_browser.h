#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tarvok {

// The shell's folder browser, modal to `owner`: rooted at the desktop, file-system folders
// only, opening with `initial` selected when that names an existing folder. The chosen
// folder's path; nullopt when the user cancels.
std::optional<std::string> browseForFolder(HWND owner, const std::string& title,
                                           const std::string& initial);

} // namespace tarvok
