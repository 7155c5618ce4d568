#pragma once

#include <string>
#include <string_view>

namespace tarvok {

inline constexpr char kSettingsFileName[] = "tarvok.ini";

// The folder part of the program file's path with exactly one trailing backslash, so the
// root of a drive stays "C:\" and never becomes "C:\\".
std::string programFolderOf(std::string_view programPath);
// The program folder followed by the settings file name.
std::string settingsPathIn(std::string_view programFolder);

} // namespace tarvok
