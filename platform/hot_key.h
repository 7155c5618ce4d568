#pragma once

#include "settings/summon_key.h"

#include <windows.h>

namespace tarvok {

// A key combination that reaches `window` as WM_HOTKEY with `id` whichever program has the
// keyboard. Held keys do not repeat it. False when the system refuses the combination,
// mostly because another program holds it already.
bool registerHotKey(HWND window, int id, const HotKey& key);
void unregisterHotKey(HWND window, int id);

} // namespace tarvok
