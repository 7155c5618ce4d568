#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// The full path the migration screen opens with.
std::string defaultEarlierDataPath();

// The folder part of a path: without its last component and without a trailing backslash
// ("C:\old\tarvok.in" gives "C:\old", "C:\tarvok.in" gives "C:").
std::string folderPartOf(std::string_view path);
// A folder the browser chose, as the browsing keeps it: exactly one trailing backslash.
std::string withOneBackslash(std::string_view folder);

// The painted heading and the warnings, each filled in from its template.
std::string importHeading();
std::string sameFolderWarning();
// 実行 on a path whose folder is missing, or whose folder lacks the data file.
std::string missingFolderWarning(std::string_view folder);
std::string missingDataFileWarning(std::string_view folder);
// A browsed folder (with its trailing backslash) that lacks the data file.
std::string browsedFolderLacksDataFile(std::string_view folderText);

} // namespace tarvok
