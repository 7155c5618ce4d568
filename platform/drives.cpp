#include "platform/drives.h"

#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/errors.h"

#include <shellapi.h>
#include <winnetwk.h>

namespace tarvok {

namespace {

// Beyond MAX_PATH the file functions take a path only in its extended form.
std::wstring systemPath(const std::string& path) {
    std::wstring wide = widen(path);
    if (wide.size() < MAX_PATH - 12 || wide.starts_with(L"\\\\?\\")) {
        return wide;
    }
    if (wide.size() > 2 && wide[1] == L':') {
        return L"\\\\?\\" + wide;
    }
    if (wide.starts_with(L"\\\\")) {
        return L"\\\\?\\UNC\\" + wide.substr(2);
    }
    return wide;
}

// No "There is no disk in the drive" box from the system while drives are asked about: an
// empty drive is a failure we report ourselves.
class QuietDriveErrors {
  public:
    QuietDriveErrors() : old_(SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX)) {}
    ~QuietDriveErrors() { SetErrorMode(old_); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

  private:
    UINT old_;
};

std::string lowerCase(std::wstring text) {
    if (!text.empty()) {
        CharLowerBuffW(text.data(), static_cast<DWORD>(text.size()));
    }
    return narrow(text);
}

std::string volumeLabel(const wchar_t* root) {
    wchar_t label[MAX_PATH + 1] = {};
    if (!GetVolumeInformationW(root, label, MAX_PATH + 1, nullptr, nullptr, nullptr, nullptr, 0)) {
        return {};
    }
    return lowerCase(label);
}

std::string remoteName(const wchar_t* device) {
    // Loaded when a network drive is first named, not with the program: every library the
    // program imports is paid for at each start.
    using GetConnection = DWORD(WINAPI*)(LPCWSTR, LPWSTR, LPDWORD);
    static const auto getConnection = [] {
        const HMODULE mpr = LoadLibraryW(L"mpr.dll");
        return mpr == nullptr ? nullptr
                              : reinterpret_cast<GetConnection>(reinterpret_cast<void*>(
                                    GetProcAddress(mpr, "WNetGetConnectionW")));
    }();
    if (getConnection == nullptr) {
        return {};
    }
    std::wstring buffer(MAX_PATH, L'\0');
    DWORD length = static_cast<DWORD>(buffer.size());
    DWORD result = getConnection(device, buffer.data(), &length);
    if (result == ERROR_MORE_DATA) {
        buffer.resize(length);
        result = getConnection(device, buffer.data(), &length);
    }
    if (result != NO_ERROR) {
        return {};
    }
    buffer.resize(wcslen(buffer.c_str()));
    return narrow(buffer);
}

// A stock icon of the shell. Where the shell hands out none (Wine's does not), the same
// picture comes from shell32.dll itself, whose icon resources 1 to 13 are the stock icons 0 to
// 12 (a negative index asks for a resource by its number).
HICON smallIcon(SHSTOCKICONID id) {
    SHSTOCKICONINFO stock{};
    stock.cbSize = sizeof stock;
    if (SUCCEEDED(SHGetStockIconInfo(id, SHGSI_ICON | SHGSI_SMALLICON, &stock)) &&
        stock.hIcon != nullptr) {
        return stock.hIcon;
    }
    HICON icon = nullptr;
    ExtractIconExW(L"shell32.dll", -(static_cast<int>(id) + 1), nullptr, &icon, 1);
    return icon;
}

// Wine's shell32.dll lacks the plain document: its shell draws one for a name without an
// extension, as Windows does.
HICON documentIcon() {
    if (HICON icon = smallIcon(SIID_DOCNOASSOC)) {
        return icon;
    }
    SHFILEINFOW info{};
    SHGetFileInfoW(L"document", FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                   SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES);
    return info.hIcon;
}

} // namespace

std::vector<DriveInfo> machineDrives() {
    QuietDriveErrors quiet;
    std::vector<DriveInfo> drives;
    const DWORD present = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((present & (1u << i)) == 0) {
            continue;
        }
        const wchar_t root[] = {static_cast<wchar_t>(L'A' + i), L':', L'\\', 0};
        const wchar_t device[] = {root[0], L':', 0};
        DriveInfo drive;
        drive.letter = static_cast<char>('a' + i);
        drive.type = GetDriveTypeW(root);
        switch (drive.type) {
        case DRIVE_FIXED:
        case DRIVE_CDROM:
        case DRIVE_RAMDISK:
            drive.label = volumeLabel(root);
            break;
        case DRIVE_REMOTE:
            drive.remoteName = remoteName(device);
            break;
        default:
            break;
        }
        drives.push_back(std::move(drive));
    }
    return drives;
}

PathKind pathKind(const std::string& path) {
    if (path.empty()) {
        return PathKind::Missing;
    }
    QuietDriveErrors quiet;
    const DWORD attributes = GetFileAttributesW(systemPath(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return PathKind::Missing;
    }
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

FolderContent readFolder(const std::string& folder) {
    QuietDriveErrors quiet;
    std::string pattern = folder;
    if (pattern.empty() || pattern.back() != '\\') {
        pattern.push_back('\\');
    }
    pattern.push_back('*');
    WIN32_FIND_DATAW data{};
    UniqueFind find(FindFirstFileExW(systemPath(pattern).c_str(), FindExInfoBasic, &data,
                                     FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH));
    FolderContent content;
    if (!find) {
        const DWORD error = GetLastError();
        // Only an empty drive root has not even "." in it.
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES) {
            return content;
        }
        throw AppError(systemErrorText(error), AppError::Kind::InputOutput);
    }
    do {
        const DWORD a = data.dwFileAttributes;
        if ((a & FILE_ATTRIBUTE_DIRECTORY) != 0) {
            const bool dots =
                wcscmp(data.cFileName, L".") == 0 || wcscmp(data.cFileName, L"..") == 0;
            if (!dots && (a & FILE_ATTRIBUTE_HIDDEN) == 0) {
                content.folders.push_back(narrow(data.cFileName));
            }
        } else if ((a & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)) == 0) {
            content.files.push_back(narrow(data.cFileName));
        }
    } while (FindNextFileW(find.get(), &data));
    return content;
}

std::string driveCurrentFolder(char letter) {
    // Upper case, as paths are written everywhere else ("C:\", not "c:\").
    const wchar_t upper =
        static_cast<wchar_t>(letter >= 'a' && letter <= 'z' ? letter - 32 : letter);
    const wchar_t drive[] = {upper, L':', 0};
    const DWORD n = GetFullPathNameW(drive, 0, nullptr, nullptr);
    std::wstring path(n, L'\0');
    const DWORD got = GetFullPathNameW(drive, n, path.data(), nullptr);
    if (got == 0 || got >= n) {
        return std::string(1, static_cast<char>(upper)) + ":\\";
    }
    path.resize(got);
    return narrow(path);
}

void enterAsCurrentDirectory(const std::string& folder) {
    SetCurrentDirectoryW(widen(folder).c_str());
}

ListIcons::ListIcons() {
    const SHSTOCKICONID ids[Count] = {SIID_FOLDEROPEN, SIID_FOLDER,     SIID_APPLICATION,
                                      SIID_DOCNOASSOC, SIID_DRIVEFIXED, SIID_DRIVEREMOVE,
                                      SIID_DRIVENET,   SIID_DRIVECD,    SIID_DRIVERAM};
    for (int i = 0; i < Count; ++i) {
        icons_[static_cast<std::size_t>(i)].reset(i == Document ? documentIcon()
                                                                : smallIcon(ids[i]));
    }
}

} // namespace tarvok
