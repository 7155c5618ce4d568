// Registering a Start-menu shortcut from the slot menu.
#include "app/main_window.h"

#include "app/texts.h"
#include "dialogs/start_menu_picker.h"
#include "platform/settings_file.h"

namespace tarvok {

void MainWindow::registerFromStartMenu() {
    // Chosen afresh every time, before the picker lists it; a refused lookup ends here.
    programsFolder_ = startMenuProgramsFolder();
    const std::string key = slotMenuSlotKey();
    StartMenuPicker picker(programsFolder_,
                           [this](const std::string& name, const std::string& shortcut) {
                               Settings settings = loadSettings();
                               registerStartMenuShortcut(settings, editedSlotKey_, name, shortcut);
                               saveIfChanged(settingsPath_, settings);
                           });
    picker.setCaption(text::kPopTourokuHenkou);
    std::string name = slotMenuCaption();
    if (kindIsExactlyOne(readSlot(loadSettings(), key).urlKind)) {
        if (!confirmReplacing(text::kAskReplaceAddressHead, text::kPopTourokuHenkou)) {
            return;
        }
        name.clear();
    }
    editedSlotKey_ = key;
    const auto registered = picker.run(hwnd_, name);
    programsFolder_ = picker.programsFolder();
    if (!registered) {
        return;
    }
    chosenPath_ = registered->shortcut;
    showRegisteredTarget(registered->name, chosenPath_);
}

} // namespace tarvok
