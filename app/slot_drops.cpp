#include "app/slot_drops.h"

#include "platform/drop.h"

namespace tarvok {

void SlotDrops::accept() {
    acceptDroppedFiles(window_);
    // Without OLE on the thread the window still takes the older message.
    target_.registerOn(window_, {.over = [this](POINT point) { return over(point); },
                                 .left = [this] { showTarget(0); },
                                 .dropped =
                                     [this](POINT point, const std::string& path) {
                                         if (const int keyNumber = slotAt(point); keyNumber != 0) {
                                             dropped_(keyNumber, path);
                                         }
                                     }});
}

int SlotDrops::slotAt(POINT point) const {
    // While a dialog or box of ours is open the window takes no input, drops included: the
    // dialog may be about to write the same slot. The toolbar is one child holding the page
    // buttons, so a point there finds the toolbar, not a slot.
    if (!IsWindowEnabled(window_)) {
        return 0;
    }
    return slots_.keyNumberOf(
        ChildWindowFromPointEx(window_, point, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED));
}

bool SlotDrops::over(POINT point) {
    const int keyNumber = slotAt(point);
    showTarget(keyNumber);
    return keyNumber != 0;
}

void SlotDrops::showTarget(int keyNumber) {
    if (keyNumber == shownTarget_) {
        return;
    }
    if (shownTarget_ != 0) {
        slots_.button(shownTarget_).showHot(false);
    }
    if (keyNumber != 0) {
        slots_.button(keyNumber).showHot(true);
    }
    shownTarget_ = keyNumber;
}

void SlotDrops::onDropFiles(HDROP drop) {
    int keyNumber = 0;
    std::string path;
    {
        // Released here, before the shell is asked anything about the item.
        const DroppedFiles files(drop);
        const auto point = files.point();
        if (!point || files.count() == 0) {
            return;
        }
        keyNumber = slotAt(*point);
        if (keyNumber == 0) {
            return;
        }
        path = files.path(0);
    }
    dropped_(keyNumber, path);
}

} // namespace tarvok
