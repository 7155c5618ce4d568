#include "platform/drives.h"

#include "platform/files.h"
#include "platform/text.h"

#include <shellapi.h>
#include <winnetwk.h>

namespace tarvok {

namespace {

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
    // Not in the long form: a current directory has the MAX_PATH limit in any form.
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
