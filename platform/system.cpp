#include "platform/system.h"

#include "platform/text.h"

#include <windows.h>

namespace tarvok {

std::optional<unsigned long> windowsPlatformId() {
    OSVERSIONINFOW info{};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExW(&info)) {
        return std::nullopt;
    }
    return info.dwPlatformId;
}

std::string windowsFolder() {
    wchar_t buffer[MAX_PATH] = {};
    const UINT n = GetWindowsDirectoryW(buffer, MAX_PATH);
    return n > 0 && n < MAX_PATH ? narrow(buffer) : std::string{};
}

bool askShellForShutDownDialog() {
    HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr);
    if (taskbar == nullptr) {
        return false;
    }
    // The shell may keep the message until the user has answered its dialog; a hung shell
    // must not keep the launcher from ending.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(taskbar, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    return true;
}

} // namespace tarvok
