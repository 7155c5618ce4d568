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
