#pragma once

#include "platform/handle.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

namespace tarvok {

// The window takes files dropped from the shell (WM_DROPFILES). When the launcher runs
// elevated, a normal Explorer would otherwise be kept from delivering the drop at all.
void acceptDroppedFiles(HWND window);

// The full path of one item of a drop block, whatever its length. The block stays with whoever
// owns it.
std::string dropBlockPath(HDROP drop, unsigned index);

struct DropTraits {
    using Handle = HDROP;
    static Handle invalid() { return nullptr; }
    static void close(Handle h) { DragFinish(h); }
};

// The files of one WM_DROPFILES message; the drop is released when the object goes, on
// every path.
class DroppedFiles {
  public:
    explicit DroppedFiles(HDROP drop) : drop_(drop) {}

    // Where the drop happened, in the client coordinates of the window it was dropped on;
    // nothing when it was dropped outside the client area (title bar, menu bar, frame).
    std::optional<POINT> point() const;
    unsigned count() const;
    // The full path of one dropped item, whatever its length.
    std::string path(unsigned index) const;

  private:
    UniqueHandle<DropTraits> drop_;
};

} // namespace tarvok
