#include "platform/keyboard_navigation.h"

#include "platform/controls.h"

namespace tarvok {

namespace {

void pressFocusedButton(HWND window) {
    const HWND focus = GetFocus();
    if (focus != nullptr && focus != window && IsChild(window, focus)) {
        wchar_t cls[16] = {};
        GetClassNameW(focus, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
    }
}

} // namespace

bool navigateByKeyboard(HWND window, const MSG& message, const ArrowWalk& walk) {
    const auto key = static_cast<UINT>(message.wParam);
    // The menu key and Shift+F10 ask for the focused control's context menu, as the default
    // window procedure does on Windows; Wine's does not.
    if ((message.message == WM_KEYUP && key == VK_APPS) ||
        (message.message == WM_SYSKEYDOWN && key == VK_F10 &&
         (GetKeyState(VK_SHIFT) & 0x8000) != 0)) {
        const HWND focus = GetFocus();
        SendMessageW(window, WM_CONTEXTMENU,
                     reinterpret_cast<WPARAM>(IsChild(window, focus) ? focus : window), -1);
        return true;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    if (key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN ||
        key == VK_MENU) {
        showFocusCues(window);
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    if (key == VK_TAB) {
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        const HWND focus = GetFocus();
        if (HWND next = GetNextDlgTabItem(window, IsChild(window, focus) ? focus : nullptr, back)) {
            SetFocus(next);
        }
        return true;
    }
    if (key == VK_RETURN) {
        pressFocusedButton(window);
        return true;
    }
    const int step = key == VK_UP || key == VK_LEFT      ? -1
                     : key == VK_DOWN || key == VK_RIGHT ? 1
                                                         : 0;
    return step != 0 && walk && walk(GetFocus(), step);
}

} // namespace tarvok
