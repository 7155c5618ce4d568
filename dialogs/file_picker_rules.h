#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

// The picker's rules that need no window: the rows of the folder list, the drive box's
// entries, the filter masks and the order of names. Paths and name proposals follow the
// rules of settings/paths.h.
namespace tarvok {

// The filter's masks, by radio item.
inline constexpr std::array<std::string_view, 3> kPickerMasks = {"*.*", "*.exe", "*.lnk"};

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
