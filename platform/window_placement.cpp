#include "platform/window_placement.h"

#include "platform/controls.h"
#include "platform/dpi.h"

#include <algorithm>

namespace tarvok {

void placeWindowAt(HWND window, POINT position) {
    RECT current{};
    GetWindowRect(window, &current);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    RECT target{position.x, position.y, position.x + width, position.y + height};
    if (MonitorFromRect(&target, MONITOR_DEFAULTTONULL) == nullptr) {
        position = keptOnMonitor(target);
    } else {
        // The window moves just far enough for its title bar to be taken.
        const UINT dpi = windowDpi(window);
        RECT client{0, 0, 0, 0};
        adjustWindowRectForDpi(client, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                               FALSE, 0, dpi);
        const int titleHeight = -client.top;
        const int grip = std::min(width, scale(48, dpi));
        const RECT titleBar{target.left, target.top, target.right, target.top + titleHeight};
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoW(MonitorFromRect(&titleBar, MONITOR_DEFAULTTONEAREST), &mi);
        const RECT& work = mi.rcWork;
        position.y = std::clamp<LONG>(position.y, work.top,
                                      std::max<LONG>(work.top, work.bottom - titleHeight));
        // Off the left edge the caption's buttons are what stays in view: the grip is kept
        // beside them.
        const int buttons = 3 * GetSystemMetrics(SM_CXSIZE);
        position.x = std::clamp<LONG>(position.x, work.left + grip + buttons - width,
                                      std::max<LONG>(work.left, work.right - grip));
    }
    SetWindowPos(window, nullptr, position.x, position.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void sizeClientArea(HWND window, SIZE client, UINT dpi) {
    RECT now{};
    GetClientRect(window, &now);
    if (now.right - now.left == client.cx && now.bottom - now.top == client.cy) {
        return; // made at the right size already: no round of moves and messages
    }
    RECT frame{0, 0, client.cx, client.cy};
    adjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE)),
                           GetMenu(window) != nullptr,
                           static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE)), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT got{};
    GetClientRect(window, &got);
    if (const int missing = client.cy - (got.bottom - got.top); missing != 0) {
        SetWindowPos(window, nullptr, 0, 0, width, height + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

POINT storedWindowPosition(HWND window) {
    if (IsIconic(window)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(window, &placement);
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST),
                        &mi);
        // rcNormalPosition is in work-area coordinates.
        return {placement.rcNormalPosition.left + mi.rcWork.left - mi.rcMonitor.left,
                placement.rcNormalPosition.top + mi.rcWork.top - mi.rcMonitor.top};
    }
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top};
}

} // namespace tarvok
