#include "platform/shell.h"

#include "platform/files.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/errors.h"
#include "settings/text_format.h"

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
    if (path.empty() || SHGetFileInfoW(pathForShell(path).c_str(), FILE_ATTRIBUTE_NORMAL, &info,
                                       sizeof info, SHGFI_ICON) == 0) {
        return UniqueIcon{};
    }
    return UniqueIcon(info.hIcon);
}

namespace {

// A slot's item as the shell takes it, and the folder it starts in.
struct ShellItem {
    std::wstring file;
    std::wstring folder; // empty: none
};

ShellItem shellItem(const std::string& path) {
    const auto [full, nameAt] = fullPathOf(widen(path));
    // A program or document starts in its own folder, as from Explorer, and not in whatever
    // folder the launcher was left in; a folder in itself. A shortcut's own "Start in" wins
    // over this folder (the shell applies it last).
    std::wstring folder = folderExists(path) ? full : full.substr(0, nameAt);
    // A folder too long to be a current folder is left out, not shortened: Wine fails to
    // start a program from a long folder in its short form, and starting it matters more.
    if (folder.size() >= MAX_PATH - 12) {
        folder.clear();
    }
    return {pathForShell(full), std::move(folder)};
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

bool ShellRunAction::takes(const std::string& name) {
    return widen(name).size() <= kLongestName;
}

std::string ShellRunAction::tooLongText() {
    return formatMessage(ui::kMsgAddressTooLong, {std::to_string(kLongestName)});
}

void ShellRunAction::execute() const {
    if (!enabled()) {
        return;
    }
    if (!takes(fileName_)) {
        throw AppError(tooLongText());
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
