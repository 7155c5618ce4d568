// Drives the launcher from scripts, as the keyboard and mouse would:
//   window_tool key VK            posts a key press to the launcher's window
//   window_tool command ID        chooses a main-menu command (its command id)
//   window_tool slotmenu N ITEM   right-clicks the slot button of key N (2 to 11) and picks
//                                 item ITEM (0 = first) of its menu
//   window_tool close             closes the launcher's dialogs and boxes with their close box
// Commands that open a dialog return at once; the dialog stays open for the script.
// Exit code 1 when no launcher window exists, 2 for a wrong command line.
#include <windows.h>

#include <shellapi.h>

namespace {

constexpr int kSlotButtonBase = 600; // the slot buttons' control ids: this + key number

void postKey(HWND window, UINT vk) {
    PostMessageW(window, WM_KEYDOWN, vk, 1);
    PostMessageW(window, WM_KEYUP, vk, 1 | (3u << 30));
}

bool pickFromSlotMenu(HWND window, int keyNumber, int item) {
    HWND button = GetDlgItem(window, kSlotButtonBase + keyNumber);
    if (button == nullptr) {
        return false;
    }
    // A right button release makes the button's window send WM_CONTEXTMENU.
    PostMessageW(button, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    for (int tries = 0; tries < 100; ++tries) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu != nullptr && IsWindowVisible(menu)) {
            for (int i = 0; i <= item; ++i) {
                PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
            }
            PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
            return true;
        }
        Sleep(20);
    }
    return false;
}

// The close box of every other visible window of the launcher's thread: dialogs close the
// way their close box closes them, the main window stays.
void closeDialogs(HWND window) {
    EnumThreadWindows(
        GetWindowThreadProcessId(window, nullptr),
        [](HWND h, LPARAM main) -> BOOL {
            if (h != reinterpret_cast<HWND>(main) && IsWindowVisible(h)) {
                PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(window));
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    int result = 2;
    HWND window = FindWindowW(L"TF_MAIN", nullptr);
    if (argc == 2 && lstrcmpW(argv[1], L"close") == 0) {
        result = 1;
        if (window != nullptr) {
            closeDialogs(window);
            result = 0;
        }
    } else if (argc >= 3) {
        const int first = _wtoi(argv[2]);
        if (window == nullptr) {
            result = 1;
        } else if (argc == 3 && lstrcmpW(argv[1], L"key") == 0) {
            postKey(window, static_cast<UINT>(first));
            result = 0;
        } else if (argc == 3 && lstrcmpW(argv[1], L"command") == 0) {
            PostMessageW(window, WM_COMMAND, static_cast<WPARAM>(first), 0);
            result = 0;
        } else if (argc == 4 && lstrcmpW(argv[1], L"slotmenu") == 0) {
            result = pickFromSlotMenu(window, first, _wtoi(argv[3])) ? 0 : 1;
        }
    }
    LocalFree(argv);
    return result;
}
