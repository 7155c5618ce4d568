#include "platform/dpi.h"

#include "platform/controls.h"

namespace tarvok {

namespace {

template <typename Fn> Fn userProc(const char* name) {
    static HMODULE user32 = GetModuleHandleW(L"user32.dll");
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

} // namespace

UINT systemDpi() {
    const WindowDc screen(nullptr);
    const int dpi = GetDeviceCaps(screen.get(), LOGPIXELSY);
    return dpi > 0 ? static_cast<UINT>(dpi) : kDesignDpi;
}

UINT windowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = userProc<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && window != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) {
            return dpi;
        }
    }
    return systemDpi();
}

void adjustWindowRectForDpi(RECT& rect, DWORD style, BOOL hasMenu, DWORD exStyle, UINT dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjust = userProc<AdjustFn>("AdjustWindowRectExForDpi");
    if (adjust == nullptr || !adjust(&rect, style, hasMenu, exStyle, dpi)) {
        AdjustWindowRectEx(&rect, style, hasMenu, exStyle);
    }
}

} // namespace tarvok
