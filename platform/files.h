#pragma once

#include "platform/handle.h"

#include <windows.h>

#include <objbase.h>
#include <shtypes.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// Files and paths on disk: the forms a path takes for the system, whether and as what it
// exists, what a folder holds, and names compared as the file system compares them. Every
// file call of the program takes its path through pathForFileCalls.
namespace tarvok {

// Long enough for any path the system hands out, long paths included.
inline constexpr DWORD kLongPathChars = 32768;

// From this length on a path goes to the file calls in the "\\?\" form. It is the lowest
// limit any of them has (a folder must leave room for an 8.3 name in it: MAX_PATH - 12), so
// every call takes every path; below it a path goes exactly as it is written.
inline constexpr std::size_t kLongFormFrom = MAX_PATH - 12;

// A path as the file calls (attributes, listing, opening, moving, deleting) take it: one of
// kLongFormFrom characters or more made full and put in the "\\?\" form ("\\?\UNC\server\"
// for a network path), which Windows takes up to 32 767 characters without long paths
// enabled for the process. A path already in that form, or one that cannot be made full,
// stays as it is.
std::wstring pathForFileCalls(const std::string& path);
std::wstring pathForFileCalls(const std::wstring& path);

// A path as the shell (ShellExecute, SHGetFileInfo) takes it. The shell knows no "\\?\"
// form and stops short of MAX_PATH, so a path of MAX_PATH - 12 characters or more goes with
// its folders in their short 8.3 form, which Wine and Windows both resolve. The name itself
// stays long where it fits: its short form cuts the extension to three letters, and a
// ".docx" would open as a ".doc". Where the volume keeps no short names the path goes as it
// is.
std::wstring pathForShell(const std::string& path);
std::wstring pathForShell(const std::wstring& path);

// The full form of a path (GetFullPathName) and where its last part, the file name, starts
// in it; the path itself, with nameAt 0, when it cannot be made full.
struct FullPath {
    std::wstring path;
    std::size_t nameAt = 0;
};
FullPath fullPathOf(const std::wstring& path);

// Whether a path names a file, or a folder. Asked as the system asks: an empty removable
// drive may bring up the system's own "insert a disk" box first.
bool fileExists(const std::string& path);
bool folderExists(const std::string& path);

// What a path names on disk. Asked without the system's "insert a disk" box: an empty drive
// is missing.
enum class PathKind { Missing, File, Folder };
PathKind pathKind(const std::string& path);

// The folder test of the start-menu picker: the directory bit of the path's attributes. A
// path that no longer exists reports all bits set, so it counts as a folder too.
bool countsAsFolder(const std::string& path);

// What tells whether a file changed: its time stamp, size and attributes; nothing when the
// path names nothing.
struct FileStamp {
    FILETIME written{};
    unsigned long long bytes = 0;
    DWORD attributes = 0;
    bool operator==(const FileStamp& other) const {
        return CompareFileTime(&written, &other.written) == 0 && bytes == other.bytes &&
               attributes == other.attributes;
    }
};
std::optional<FileStamp> fileStamp(const std::string& path);

// What the file picker lists of a folder: all its subfolders, hidden ones included, and its
// ordinary files (neither folders, hidden nor system files), as read, unsorted.
struct FolderContent {
    std::vector<std::string> folders;
    std::vector<std::string> files;
};
// Reads a folder in one pass, without the "insert a disk" box. A folder that cannot be read
// (no medium in the drive, gone, refused) raises AppError of the input/output kind with the
// system's description.
FolderContent readFolder(const std::string& folder);

// The names of every entry of a folder (extension included), hidden and system files too,
// without "." and "..", in the order the file system lists them. A folder that cannot be
// listed gives none.
std::vector<std::string> folderEntryNames(const std::string& folder);

// Whether two names or paths are the same to the file system: without regard to letter
// case, full-width and accented letters included (CompareStringOrdinal).
bool sameNameIgnoringCase(const std::string& a, const std::string& b);

// No "There is no disk in the drive" box from the system while the object lives: an empty
// drive is a failure the caller reports itself.
class QuietDriveErrors {
  public:
    QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietDriveErrors() { SetErrorMode(old_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

  private:
    UINT old_;
};

// An item list the shell hands out (a folder's location, a browsed folder): the caller's to
// free with CoTaskMemFree.
struct ItemListTraits {
    using Handle = ITEMIDLIST*;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { CoTaskMemFree(h); }
};
using UniqueItemList = UniqueHandle<ItemListTraits>;

} // namespace tarvok
