#pragma once

#include "app/slot_column.h"
#include "platform/drop_target.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <string>

namespace tarvok {

// Files dropped on the slot buttons, by either way the shell delivers them: an OLE drag (as
// Explorer and Wine's file manager start it) or the older WM_DROPFILES message. The first file
// dropped on a button is handed on with the button's key number; a drop anywhere else, or
// while a dialog of ours is open, is not taken.
class SlotDrops {
  public:
    using Dropped = std::function<void(int keyNumber, const std::string& path)>;

    SlotDrops(SlotColumn& slots, Dropped dropped) : slots_(slots), dropped_(std::move(dropped)) {}

    // The window the buttons are on; the older message is taken from now on.
    void attach(HWND window) { window_ = window; }
    // Once OLE is on the thread: drags are taken too, and the shell is told.
    void accept();
    // The window's WM_DROPFILES.
    void onDropFiles(HDROP drop);
    // Before the window goes.
    void revoke() { target_.revoke(); }

  private:
    // The key number of the slot button at a point of the window's client area; 0 for
    // anything else, and while the window takes no input.
    int slotAt(POINT point) const;
    bool over(POINT point);
    void showTarget(int keyNumber);

    HWND window_ = nullptr;
    SlotColumn& slots_;
    Dropped dropped_;
    FileDropTarget target_;
    int shownTarget_ = 0; // the slot button a drag is over
};

} // namespace tarvok
