#pragma once

#include <windows.h>

namespace tarvok {

// Where a top-level window stands, in the screen pixels the settings file stores.

// Moves a window to a stored position. A position wholly off every monitor (a monitor
// unplugged, a hand-edited file) is brought onto the nearest one; a partly visible one is
// kept, as long as the title bar can still be taken with the mouse.
void placeWindowAt(HWND window, POINT position);

// Sizes a top-level window (its menu bar included) so that its client area is `client`
// device pixels at `dpi`; a menu bar that wraps onto a second row is measured and made up for.
void sizeClientArea(HWND window, SIZE client, UINT dpi);

// The window's position as it is to be stored; a minimised window gives the place it comes
// back to, not the -32000 it reports.
POINT storedWindowPosition(HWND window);

} // namespace tarvok
