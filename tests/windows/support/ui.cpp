#include "tests/windows/support/ui.h"

#include "app/main_window.h"
#include "platform/message_box.h"
#include "platform/text.h"

namespace tarvok::test {

namespace {
BoxAnswerer* g_answerer = nullptr;
}

void pump(const MainWindow* window, int ms) {
    pumpUntil(
        window, [] { return false; }, ms);
}

bool pumpUntil(const MainWindow* window, const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (window == nullptr || !window->translateAccelerator(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (done()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

void postKey(HWND window, UINT virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void postSystemKey(HWND window, UINT virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_SYSKEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_SYSKEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

std::string windowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return narrow(text);
}

BoxAnswerer::BoxAnswerer(How how, int buttonId) : how_(how), buttonId_(buttonId) {
    g_answerer = this;
    timer_ = SetTimer(nullptr, 0, 30, onTimer);
}

BoxAnswerer::~BoxAnswerer() {
    KillTimer(nullptr, timer_);
    g_answerer = nullptr;
}

void CALLBACK BoxAnswerer::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_answerer != nullptr) {
        g_answerer->check();
    }
}

void BoxAnswerer::check() {
    HWND box = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            if (IsWindowVisible(h) && GetDlgItem(h, kBoxTextId) != nullptr) {
                *reinterpret_cast<HWND*>(out) = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
        lastBox_ = nullptr;
        return;
    }
    if (box == lastBox_) {
        return;
    }
    lastBox_ = box;
    SeenBox seen;
    seen.caption = windowText(box);
    seen.text = windowText(GetDlgItem(box, kBoxTextId));
    for (int id : {IDOK, IDYES, IDNO}) {
        if (HWND b = GetDlgItem(box, id)) {
            seen.buttons.push_back(windowText(b));
        }
    }
    seen.focusedId = GetDlgCtrlID(GetFocus());
    seen.defaultId = LOWORD(SendMessageW(box, DM_GETDEFID, 0, 0));
    seen_.push_back(seen);
    switch (how_) {
    case How::Escape:
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
        break;
    case How::Enter:
        PostMessageW(GetFocus(), WM_KEYDOWN, VK_RETURN, 0);
        break;
    case How::Button:
        PostMessageW(GetDlgItem(box, buttonId_), BM_CLICK, 0, 0);
        break;
    }
}

} // namespace tarvok::test
