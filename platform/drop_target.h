#pragma once

#include "platform/com.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tarvok {

// A window that takes files dragged through OLE, as Explorer and Wine's file manager drag
// them (a window that only accepts WM_DROPFILES never sees such a drag). Registered for as
// long as the object lives, or until revoke(); the thread needs OLE (OleApartment).
class FileDropTarget {
  public:
    struct Events {
        // The drag is at `point` (client coordinates): whether a drop there would be taken.
        // The window shows where it would land.
        std::function<bool(POINT point)> over;
        // The drag left the window, was given up or dropped: nothing shows it any longer.
        std::function<void()> left;
        // Files dropped where `over` took them: the first one's full path.
        std::function<void(POINT point, const std::string& path)> dropped;
    };

    FileDropTarget() = default;
    ~FileDropTarget() { revoke(); }
    FileDropTarget(const FileDropTarget&) = delete;
    FileDropTarget& operator=(const FileDropTarget&) = delete;

    // False when the thread has no OLE or the window has a drop target already.
    bool registerOn(HWND window, Events events);
    // Before the window goes.
    void revoke();

  private:
    HWND window_ = nullptr;
    ComPtr<IDropTarget> target_;
};

} // namespace tarvok
