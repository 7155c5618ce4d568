#pragma once

#include "app/slot_column.h"

#include <windows.h>

namespace tarvok {

// Where the keyboard was in the window. It comes back there when the window is activated again
// (after another program, or a dialog or box of ours), as in a dialog; the summon key puts it
// on the slot button it was last on.
class FocusMemory {
  public:
    explicit FocusMemory(const SlotColumn& slots) : slots_(slots) {}

    // The window's WM_ACTIVATE; true when the focus was given back (the message is handled).
    bool onActivate(HWND window, int state, bool minimised);
    // The slot button the summon key is to put the keyboard on. The window may be activated
    // once more after the key has put the keyboard there (Wine restores a minimised window
    // that way): it stays there.
    HWND summoned();

  private:
    const SlotColumn& slots_;
    int lastSlot_ = kFirstKeyNumber;
    HWND onActivation_ = nullptr;
};

} // namespace tarvok
