#include "platform/hot_key.h"

namespace tarvok {

static_assert(kModAlt == MOD_ALT && kModCtrl == MOD_CONTROL && kModShift == MOD_SHIFT &&
              kModWin == MOD_WIN);

bool registerHotKey(HWND window, int id, const HotKey& key) {
    return RegisterHotKey(window, id, key.modifiers | MOD_NOREPEAT, key.key) != FALSE;
}

void unregisterHotKey(HWND window, int id) {
    UnregisterHotKey(window, id);
}

} // namespace tarvok
