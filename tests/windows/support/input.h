#pragma once

#include <windows.h>

#include <initializer_list>

namespace tarvok::test {

// Real keyboard and mouse input, as the system delivers it to whichever window has it: what
// reaches hot keys, the foreground window and drags.

// Presses the keys in order and releases them in reverse ({VK_CONTROL, VK_MENU, 'J'}).
void pressKeys(std::initializer_list<WORD> keys);
// Moves the mouse pointer to a point of the screen.
void moveMouseTo(POINT screen);

} // namespace tarvok::test
