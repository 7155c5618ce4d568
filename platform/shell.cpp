#include "platform/shell.h"

#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/errors.h"

#include <shellapi.h>

#include <optional>

namespace tarvok {

void defaultBeep() {
    MessageBeep(0);
}

namespace {

// The full form of a path, and where its last part (the file name) starts in it; the path
// itself when it cannot be made full.
std::wstring fullPath(const std::wstring& path, std::size_t* nameAt = nullptr) {
    const DWORD size = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    wchar_t* name = nullptr;
    const DWORD n = size == 0 ? 0 : GetFullPathNameW(path.c_str(), size, full.data(), &name);
    if (n == 0 || n >= size) {
        return path;
    }
    if (nameAt != nullptr) {
        *nameAt = name == nullptr ? n : static_cast<std::size_t>(name - full.data());
    }
    full.resize(n);
    return full;
}

// File calls take a path of MAX_PATH characters or more only in the "\\?\" form (on
// Windows before long paths were enabled; Wine takes either).
std::wstring forFileCalls(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) {
        return path;
    }
    const std::wstring full = fullPath(path);
    return full.starts_with(L"\\\\") ? L"\\\\?\\UNC\\" + full.substr(2) : L"\\\\?\\" + full;
}

// The short 8.3 form of a path, or nothing where the volume keeps no short names.
std::optional<std::wstring> shortForm(const std::wstring& path) {
    const std::wstring extended = forFileCalls(fullPath(path));
    const DWORD size = GetShortPathNameW(extended.c_str(), nullptr, 0);
    std::wstring shortPath(size, L'\0');
    const DWORD n = size == 0 ? 0 : GetShortPathNameW(extended.c_str(), shortPath.data(), size);
    if (n == 0 || n >= size) {
        return std::nullopt;
    }
    shortPath.resize(n);
    if (shortPath.starts_with(L"\\\\?\\UNC\\")) {
        return L"\\\\" + shortPath.substr(8);
    }
    return shortPath.starts_with(L"\\\\?\\") ? shortPath.substr(4) : shortPath;
}

// The shell stops short of MAX_PATH although the file system does not: a longer path goes to
// it with its folders in their short 8.3 form, which Wine and Windows both resolve. The name
// itself stays long where it fits, because its short form cuts the extension to three
// letters and a ".docx" would open as a ".doc". Where the volume keeps no short names the
// long path goes as it is.
std::wstring forShell(const std::wstring& path) {
    if (path.size() < MAX_PATH - 12) {
        return path;
    }
    std::size_t nameAt = 0;
    const std::wstring full = fullPath(path, &nameAt);
    if (nameAt > 0 && nameAt < full.size()) {
        if (const auto folder = shortForm(full.substr(0, nameAt - 1))) {
            const std::wstring joined = *folder + L"\\" + full.substr(nameAt);
            if (joined.size() < MAX_PATH - 12) {
                return joined;
            }
        }
    }
    return shortForm(full).value_or(path);
}

DWORD attributesOf(const std::string& path) {
    return path.empty() ? INVALID_FILE_ATTRIBUTES
                        : GetFileAttributesW(forFileCalls(widen(path)).c_str());
}

// What ShellExecute returns at 32 or below is its own code. Most are the Win32 error of the
// same number, but not 0 and 26 to 32: the system's text for 31 would name a device fault
// where the shell meant that nothing is associated with the file.
DWORD shellResultError(INT_PTR result) {
    switch (result) {
    case 0:
        return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_SHARE:
        return ERROR_SHARING_VIOLATION;
    case SE_ERR_ASSOCINCOMPLETE:
    case SE_ERR_NOASSOC:
        return ERROR_NO_ASSOCIATION;
    case SE_ERR_DDETIMEOUT:
    case SE_ERR_DDEFAIL:
    case SE_ERR_DDEBUSY:
        return ERROR_DDE_FAIL;
    case SE_ERR_DLLNOTFOUND:
        return ERROR_DLL_NOT_FOUND;
    default:
        return static_cast<DWORD>(result);
    }
}

} // namespace

std::optional<FileStamp> fileStamp(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (path.empty() ||
        !GetFileAttributesExW(forFileCalls(widen(path)).c_str(), GetFileExInfoStandard, &data)) {
        return std::nullopt;
    }
    return FileStamp{data.ftLastWriteTime,
                     (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) |
                         data.nFileSizeLow,
                     data.dwFileAttributes};
}

std::wstring pathForShell(const std::string& path) {
    return forShell(widen(path));
}

UniqueIcon shellLargeIcon(const std::string& path) {
    SHFILEINFOW info{};
    if (path.empty() || SHGetFileInfoW(forShell(widen(path)).c_str(), FILE_ATTRIBUTE_NORMAL, &info,
                                       sizeof info, SHGFI_ICON) == 0) {
        return UniqueIcon{};
    }
    return UniqueIcon(info.hIcon);
}

bool fileExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    const DWORD a = attributesOf(path);
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

namespace {

// A slot's item as the shell takes it, and the folder it starts in.
struct ShellItem {
    std::wstring file;
    std::wstring folder; // empty: none
};

ShellItem shellItem(const std::string& path) {
    std::size_t nameAt = 0;
    const std::wstring full = fullPath(widen(path), &nameAt);
    // A program or document starts in its own folder, as from Explorer, and not in whatever
    // folder the launcher was left in; a folder in itself. A shortcut's own "Start in" wins
    // over this folder (the shell applies it last).
    std::wstring folder = folderExists(path) ? full : full.substr(0, nameAt);
    // A folder too long to be a current folder is left out, not shortened: Wine fails to
    // start a program from a long folder in its short form, and starting it matters more.
    if (folder.size() >= MAX_PATH - 12) {
        folder.clear();
    }
    return {forShell(full), std::move(folder)};
}

const wchar_t* orNull(const std::wstring& text) {
    return text.empty() ? nullptr : text.c_str();
}

} // namespace

void shellOpenItem(HWND owner, const std::string& path) {
    const ShellItem item = shellItem(path);
    ShellExecuteW(owner, nullptr, item.file.c_str(), nullptr, orNull(item.folder), SW_SHOWNORMAL);
}

void shellOpenItemAsAdministrator(HWND owner, const std::string& path) {
    const ShellItem item = shellItem(path);
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    // The failure is ours to report, once, in the program's own box.
    info.fMask = SEE_MASK_FLAG_NO_UI;
    info.hwnd = owner;
    info.lpVerb = L"runas";
    info.lpFile = item.file.c_str();
    info.lpDirectory = orNull(item.folder);
    info.nShow = SW_SHOWNORMAL;
    if (ShellExecuteExW(&info)) {
        return;
    }
    const DWORD error = GetLastError();
    // The user said no to the consent prompt: that was the answer, not a failure.
    if (error != ERROR_CANCELLED) {
        throw AppError(systemErrorText(error));
    }
}

void ShellRunAction::execute() const {
    if (!enabled()) {
        return;
    }
    const std::wstring folder = widen(workingFolder_);
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", widen(fileName_).c_str(), L"",
                      folder.empty() ? nullptr : folder.c_str(), SW_SHOWNORMAL));
    if (result <= 32) {
        throw AppError(systemErrorText(shellResultError(result)));
    }
}

std::string programFilePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n < buffer.size()) {
            buffer.resize(n);
            return narrow(buffer);
        }
        buffer.resize(buffer.size() * 2);
    }
}

} // namespace tarvok
