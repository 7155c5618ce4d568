#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

// Drives, folders and the small icons the picker's lists draw with.
namespace tarvok {

struct DriveInfo {
    char letter = 'a';         // lower case
    UINT type = DRIVE_UNKNOWN; // as GetDriveType reports it
    std::string label;         // the volume label in lower case (fixed, CD-ROM and RAM drives)
    std::string remoteName;    // what a network drive is connected to
};
// Every drive from a: to z: that exists. Labels are read without the system's "insert a
// disk" box, so an empty CD drive lists at once.
std::vector<DriveInfo> machineDrives();

// What a path names on disk. Paths of any length are accepted.
enum class PathKind { Missing, File, Folder };
PathKind pathKind(const std::string& path);

// What the picker lists of a folder: its subfolders (hidden ones left out) and its ordinary
// files (neither folders, hidden nor system files), as read, unsorted.
struct FolderContent {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};
// Reads a folder in one pass. A folder that cannot be read (no medium in the drive, gone,
// refused) raises AppError of the input/output kind with the system's description.
FolderContent readFolder(const std::string& folder);

// The folder a drive is at for this process (its root when it was never entered).
std::string driveCurrentFolder(char letter);
// Makes a folder the process's current directory. A path longer than the system allows for
// it leaves the current directory as it was: the folder is still listed and registered.
void enterAsCurrentDirectory(const std::string& folder);

// The small icons of the picker's lists, asked from the shell once for all rows: never one
// shell call per file.
class ListIcons {
  public:
    enum Icon {
        FolderOpen,
        FolderClosed,
        Program,
        Document,
        DriveFixed,
        DriveRemovable,
        DriveNetwork,
        DriveCdRom,
        DriveRam,
        Count
    };
    ListIcons();
    HICON get(Icon icon) const { return icons_[icon].get(); }

  private:
    std::array<UniqueIcon, Count> icons_;
};

} // namespace tarvok
