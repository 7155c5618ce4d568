// Registering a home page or mail address from the slot menu.
#include "app/main_window.h"

#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "dialogs/address_dialog_texts.h"
#include "platform/settings_file.h"

namespace tarvok {

void MainWindow::registerAddress() {
    AddressDialog dialog([this](const std::string& title, const std::string& address) {
        Settings settings = loadSettings();
        tarvok::registerAddress(settings, editedSlotKey_, title, address);
        saveIfChanged(settingsPath_, settings);
    });
    const std::string key = slotMenuSlotKey();
    std::string title = slotMenuCaption();
    const SlotRecord slot = readSlot(loadSettings(), key);
    std::string address = slot.url;
    if (kindIsExactlyOne(slot.pgKind)) {
        if (!confirmReplacing(text::kAskReplaceProgramHead, text::kPopUrl)) {
            return;
        }
        title.clear();
        address.clear();
    }
    dialog.setCaption(text::kPopUrl);
    editedSlotKey_ = key;
    const auto registered =
        dialog.run(hwnd_, title, address.empty() ? text::kHomePagePrefix : address);
    if (registered) {
        // An address has no icon: the button loses the one a program gave it.
        slotButton(slotMenuKey_).show(*registered, nullptr);
    }
}

} // namespace tarvok
