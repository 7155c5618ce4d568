// Files dropped on the window: the first one is registered on the slot button under the
// drop point, at once and without a question.
#include "app/main_window.h"

#include "platform/drop.h"
#include "platform/settings_file.h"
#include "platform/shell_items.h"
#include "settings/paths.h"

namespace tarvok {

namespace {

// The key number of the slot button at a point of the window's client area; 0 for anything
// else. The toolbar is one child holding the page buttons, so a drop there finds the toolbar.
int slotButtonAt(HWND window, POINT clientPoint) {
    const HWND hit =
        ChildWindowFromPointEx(window, clientPoint, CWP_SKIPINVISIBLE | CWP_SKIPDISABLED);
    if (hit == nullptr || hit == window || GetParent(hit) != window) {
        return 0;
    }
    const int keyNumber = GetDlgCtrlID(hit) - cmd::kSlotButtonBase;
    return keyNumber >= kFirstKeyNumber && keyNumber <= kLastKeyNumber ? keyNumber : 0;
}

} // namespace

void MainWindow::acceptDrops() {
    acceptDroppedFiles(hwnd_);
}

void MainWindow::onDropFiles(HDROP drop) {
    int keyNumber = 0;
    std::string dropped;
    {
        // Released here, before the shell is asked anything about the item.
        const DroppedFiles files(drop);
        // While a dialog or box of ours is open the window takes no input, drops included:
        // the dialog may be about to write the same slot.
        const auto point = files.point();
        if (!IsWindowEnabled(hwnd_) || !point) {
            return;
        }
        keyNumber = slotButtonAt(hwnd_, *point);
        if (keyNumber == 0 || files.count() == 0) {
            return;
        }
        dropped = files.path(0);
    }
    // The caption is what the shell shows for the item itself, a shortcut included.
    const std::string caption = shellDisplayName(dropped);
    // A shortcut that cannot be resolved is registered itself: launching it still opens
    // whatever it points to, where an empty path would open nothing.
    const std::string target =
        isShortcutPath(dropped) ? resolveShortcut(dropped, hwnd_).value_or(dropped) : dropped;
    Settings settings = loadSettings();
    registerDrop(settings, slotKey(currentPage_, keyNumber), caption, target);
    saveIfChanged(settingsPath_, settings);
    // The glyph a page refresh would give the stored path (for a shortcut, its target), from
    // the same cache; none when the shell has none, as after a refresh.
    slotButton(keyNumber).show(caption, glyphs_.glyphFor(target));
}

} // namespace tarvok
