// The slot menu: the pieces the three registrations share, rename and clear.
#include "app/main_window.h"

#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/rename_prompt.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "platform/ui_texts.h"
#include "platform/unhandled.h"
#include "settings/errors.h"

namespace tarvok {

std::string MainWindow::slotMenuSlotKey() const {
    return slotKey(currentPage_, slotMenuKey_);
}

std::string MainWindow::slotMenuCaption() const {
    return windowText(slots_[static_cast<std::size_t>(slotMenuKey_ - kFirstKeyNumber)].hwnd());
}

bool MainWindow::confirmReplacing(const char* firstPiece, const char* menuCaption) {
    return askInformationYesNo(hwnd_, replaceQuestion(firstPiece, slotMenuCaption(), menuCaption));
}

void MainWindow::showRegisteredTarget(const std::string& caption, const std::string& path) {
    // The same glyph a page refresh gives the path, from the same cache.
    slotButton(slotMenuKey_).show(caption, glyphs_.glyphFor(path));
}

void MainWindow::renameSlot() {
    const std::string key = slotMenuSlotKey();
    std::string shown = slotMenuCaption();
    for (;;) {
        RenamePrompt prompt(shown);
        const auto name = prompt.run(hwnd_);
        if (!name) {
            return;
        }
        if (name->empty()) {
            warningBox(hwnd_, ui::kMsgButtonNameMissing);
            shown = slotMenuCaption();
            continue;
        }
        Settings settings = loadSettings();
        try {
            tarvok::renameSlot(settings, key, *name);
        } catch (const AppError& refused) {
            // A name the settings file cannot hold: said why, then offered again as typed,
            // so the user corrects it instead of typing it anew.
            reportUnhandledError(hwnd_, refused);
            shown = *name;
            continue;
        }
        saveIfChanged(settingsPath_, settings);
        setWindowText(slotButton(slotMenuKey_).hwnd(), *name);
        return;
    }
}

void MainWindow::clearSlot() {
    const std::string key = slotMenuSlotKey();
    // Only Yes clears: closing the box without an answer keeps the slot.
    if (!confirmYesNo(hwnd_, clearSlotQuestion(slotMenuCaption()), true)) {
        return;
    }
    Settings settings = loadSettings();
    tarvok::clearSlot(settings, key);
    saveIfChanged(settingsPath_, settings);
    slotButton(slotMenuKey_).show("", nullptr);
}

} // namespace tarvok
