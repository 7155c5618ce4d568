#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <optional>
#include <string>

namespace tarvok {

// The shell folder numbers the launcher uses.
namespace folder {
inline constexpr int kDesktop = 0;           // CSIDL_DESKTOP
inline constexpr int kPrograms = 2;          // CSIDL_PROGRAMS
inline constexpr int kMyDocuments = 5;       // CSIDL_PERSONAL
inline constexpr int kDesktopDirectory = 16; // CSIDL_DESKTOPDIRECTORY
inline constexpr int kCommonPrograms = 23;   // CSIDL_COMMON_PROGRAMS
} // namespace folder

// The special-folder lookup: the path of a shell folder. A folder number the shell refuses
// raises AppError; a folder without a file-system path gives the current directory.
std::string specialFolderPath(int csidl);

// The process's current directory.
std::string currentDirectory();

// What the shell shows for a path: its display name (a shortcut without ".lnk", a drive root
// its label); empty when the shell has nothing.
std::string shellDisplayName(const std::string& path);
// The shell's small icon of a path (SHGFI_SMALLICON | SHGFI_SHELLICONSIZE); empty when none.
UniqueIcon shellSmallIcon(const std::string& path);

// The target of a shortcut file through the shell link object (Resolve with SLR_ANY_MATCH,
// the given owner for any dialog the shell shows). nullopt when the shortcut cannot be loaded
// or resolved, or has no file-system target that exists.
std::optional<std::string> resolveShortcut(const std::string& shortcutPath, HWND owner);

// Saves a shortcut to `target` at `shortcutPath` (nothing else set). On failure returns the
// system's description of the cause.
std::optional<std::string> createShortcut(const std::string& shortcutPath,
                                          const std::string& target);

// Whether HKLM\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders holds a value
// named "Common Programs" (its content is not read). A key that cannot be opened is no.
bool hasCommonProgramsValue();

} // namespace tarvok
