#include "platform/shell.h"

#include "platform/settings_file.h"
#include "platform/text.h"
#include "settings/errors.h"

#include <shellapi.h>

namespace tarvok {

void defaultBeep() {
    MessageBeep(0);
}

namespace {

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

UniqueIcon shellLargeIcon(const std::string& path) {
    SHFILEINFOW info{};
    if (path.empty() || SHGetFileInfoW(widen(path).c_str(), FILE_ATTRIBUTE_NORMAL, &info,
                                       sizeof info, SHGFI_ICON) == 0) {
        return UniqueIcon{};
    }
    return UniqueIcon(info.hIcon);
}

bool fileExists(const std::string& path) {
    const DWORD a = GetFileAttributesW(widen(path).c_str());
    return !path.empty() && a != INVALID_FILE_ATTRIBUTES && !(a & FILE_ATTRIBUTE_DIRECTORY);
}

bool folderExists(const std::string& path) {
    const DWORD a = GetFileAttributesW(widen(path).c_str());
    return !path.empty() && a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

void shellOpenItem(HWND owner, const std::string& path) {
    ShellExecuteW(owner, nullptr, widen(path).c_str(), nullptr, nullptr, SW_SHOWNORMAL);
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
