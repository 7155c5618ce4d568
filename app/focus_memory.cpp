#include "app/focus_memory.h"

namespace tarvok {

bool FocusMemory::onActivate(HWND window, int state, bool minimised) {
    if (state == WA_INACTIVE) {
        const HWND focus = GetFocus();
        onActivation_ = IsChild(window, focus) ? focus : nullptr;
        if (const int keyNumber = slots_.keyNumberOf(focus); keyNumber != 0) {
            lastSlot_ = keyNumber;
        }
        return false;
    }
    if (minimised || onActivation_ == nullptr || !IsChild(window, onActivation_) ||
        !IsWindowVisible(onActivation_)) {
        return false;
    }
    SetFocus(onActivation_);
    return true;
}

HWND FocusMemory::summoned() {
    onActivation_ = slots_.button(lastSlot_).hwnd();
    return onActivation_;
}

} // namespace tarvok
