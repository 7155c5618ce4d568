// Drives the launcher from scripts: "window_tool key VK" posts a key press to the launcher's
// window, as the keyboard would. Exit code 1 when no launcher window exists.
#include <windows.h>

#include <shellapi.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int result = 2;
    if (argc == 3 && lstrcmpW(argv[1], L"key") == 0) {
        HWND window = FindWindowW(L"TF_MAIN", nullptr);
        const UINT vk = static_cast<UINT>(_wtoi(argv[2]));
        result = 1;
        if (window != nullptr) {
            PostMessageW(window, WM_KEYDOWN, vk, 1);
            PostMessageW(window, WM_KEYUP, vk, 1 | (3u << 30));
            result = 0;
        }
    }
    LocalFree(argv);
    return result;
}
