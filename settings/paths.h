#pragma once

#include <string>
#include <string_view>

// Rules for paths and file names that need no system call: joining, parts, extensions and
// the letter case of plain ASCII. How the file system itself compares names is the
// platform's (sameNameIgnoringCase).
namespace tarvok {

inline constexpr char kSettingsFileName[] = "tarvok.ini";

// The folder part of the program file's path with exactly one trailing backslash, so the
// root of a drive stays "C:\" and never becomes "C:\\".
std::string programFolderOf(std::string_view programPath);
// The program folder followed by the settings file name.
std::string settingsPathIn(std::string_view programFolder);

// A folder and a name joined by one backslash; a folder that already ends in one (a drive
// root such as C:\) gets no second.
std::string joinPath(std::string_view folder, std::string_view name);

// The last component of a path (everything after its last backslash).
std::string_view fileNameOf(std::string_view path);
// The folder that holds a path: C:\a\b.txt gives C:\a, C:\b.txt gives C:\ (a root keeps its
// backslash).
std::string parentFolderOf(std::string_view path);
// A folder path as the folder list keeps it: no trailing backslash except on a root.
std::string normalFolder(std::string_view path);
// The root of a path: "C:\" for drive paths, "\\server\share\" for network paths; empty for
// a relative path.
std::string rootOf(std::string_view path);
// The lower-case drive letter of a path, or 0 when it has none (a network path).
char driveLetterOf(std::string_view path);

// The folder part of a path: without its last component and without a trailing backslash
// ("C:\old\tarvok.in" gives "C:\old", "C:\tarvok.in" gives "C:").
std::string folderPartOf(std::string_view path);
// A folder the browser chose, as the browsing keeps it: exactly one trailing backslash.
std::string withOneBackslash(std::string_view folder);

// From the last "." of the file name on, the dot included; empty when there is none.
std::string_view extensionOf(std::string_view path);
// Extensions are compared in lower case, so Editor.LNK is a shortcut.
bool isShortcutPath(std::string_view path);
// .exe, .com, .bat and .pif carry the program glyph in the file list.
bool isProgramName(std::string_view name);

// The button name a file proposes: its name without the extension (notepad.exe gives
// notepad, a.tar.gz gives a.tar, .profile gives nothing).
std::string proposedName(std::string_view path);

// The name a dropped item is shown under when the shell has none for it (Wine's shell gives
// nothing for a path of MAX_PATH or more): its last component, a shortcut without ".lnk",
// and a path without a last component (a drive root) as it is.
std::string plainDisplayName(std::string_view path);

// Only ASCII letters fold: every byte of a multibyte UTF-8 character is 0x80 or above, so
// folding byte by byte never touches one.
char lowerAscii(char c);
std::string lowerAscii(std::string_view text);

} // namespace tarvok
