#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The picker's rules that need no window: paths, name proposals, the rows of the folder list,
// the drive box's entries, the filter masks and the order of names.
namespace tarvok {

// The filter's masks, by radio item.
inline constexpr std::array<std::string_view, 3> kPickerMasks = {"*.*", "*.exe", "*.lnk"};

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

// From the last "." of the file name on, the dot included; empty when there is none.
std::string_view extensionOf(std::string_view path);
// Extensions are compared in lower case, so Editor.LNK is a shortcut.
bool isShortcutPath(std::string_view path);
// .exe, .com, .bat and .pif carry the program glyph in the file list.
bool isProgramName(std::string_view name);

// The button name a file proposes: its name without the extension (notepad.exe gives
// notepad, a.tar.gz gives a.tar, .profile gives nothing).
std::string proposedName(std::string_view path);

// Whether a file name matches a mask of "*" and "?" wildcards, ignoring case. As in the
// system's own masks, a mask ending in ".*" also matches names without a dot.
bool matchesMask(std::string_view name, std::string_view mask);

// The order of names in the lists: letters compared without regard to case, ties broken by
// the exact text so the order is stable.
bool nameBefore(std::string_view a, std::string_view b);
// Sorts in place by nameBefore.
void sortNames(std::vector<std::string>& names);

// One row of the folder list: the drive root, each ancestor and the current folder open at
// their depth, then the current folder's subfolders closed one level deeper.
struct FolderRow {
    std::string text; // what the row shows: the root as it is written, otherwise the name
    std::string path; // the folder the row enters
    int level = 0;    // indentation steps
    bool open = false;
};
// The rows for a current folder and its subfolders (in any order; they are sorted here).
std::vector<FolderRow> folderRows(std::string_view currentFolder,
                                  std::vector<std::string> subfolders);
// The row that shows the current folder itself.
std::size_t currentFolderRow(const std::vector<FolderRow>& rows);

// What kind of drive an entry of the drive box shows.
enum class DriveKind { Unknown, Removable, Fixed, Network, CdRom, RamDisk };
// A drive box entry: the lower-case letter and a colon; fixed, CD-ROM and RAM drives add the
// volume label in brackets, network drives the remote name. The label arrives lower-cased.
std::string driveEntry(char letter, DriveKind kind, std::string_view lowerLabel,
                       std::string_view remoteName);

} // namespace tarvok
