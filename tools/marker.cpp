// A program that proves it was started: it appends one line with its command line and
// working folder to the file named by the environment variable TARVOK_MARKER_FILE, or to
// "marker.log" beside itself, and ends.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    wchar_t target[MAX_PATH * 2] = {};
    if (GetEnvironmentVariableW(L"TARVOK_MARKER_FILE", target, MAX_PATH * 2) == 0) {
        GetModuleFileNameW(nullptr, target, MAX_PATH);
        std::wstring self = target;
        self = self.substr(0, self.find_last_of(L'\\') + 1) + L"marker.log";
        lstrcpynW(target, self.c_str(), MAX_PATH * 2);
    }
    wchar_t folder[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, folder);
    const std::wstring line =
        std::wstring(L"started|") + GetCommandLineW() + L"|" + folder + L"\r\n";
    const int n = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), -1, bytes.data(), n, nullptr, nullptr);
    bytes.pop_back();
    HANDLE f = CreateFileW(target, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_ALWAYS, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) {
        return 1;
    }
    DWORD written = 0;
    WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return 0;
}
