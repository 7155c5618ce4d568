#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// The full path the migration screen opens with.
std::string defaultEarlierDataPath();

// The painted heading and the warnings, each filled in from its template.
std::string importHeading();
std::string sameFolderWarning();
// 実行 on a path whose folder is missing, or whose folder lacks the data file.
std::string missingFolderWarning(std::string_view folder);
std::string missingDataFileWarning(std::string_view folder);
// A browsed folder (with its trailing backslash) that lacks the data file.
std::string browsedFolderLacksDataFile(std::string_view folderText);

} // namespace tarvok
