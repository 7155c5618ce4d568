#pragma once

#include <windows.h>

#include <functional>

namespace tarvok {

// The arrow keys on the control that has the focus: true when they moved it. `step` is -1
// for up and left, 1 for down and right.
using ArrowWalk = std::function<bool(HWND focus, int step)>;

// Tab, Shift+Tab, Enter and the arrow keys in a top-level window that is not a dialog, as the
// dialog manager gives them in a dialog: Tab moves through the tab order, Enter presses the
// focused button, the arrows go to `walk`. The dialog manager itself is not used: it would
// take an "&" in a button's caption for an access key, so typing that letter would press it.
// The menu key and Shift+F10 open the focused control's context menu (WM_CONTEXTMENU).
// Focus frames show from the first use of the keyboard on. True when the message was used.
bool navigateByKeyboard(HWND window, const MSG& message, const ArrowWalk& walk);

} // namespace tarvok
