#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

// Drives, the current folder and the small icons the picker's lists draw with.
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
