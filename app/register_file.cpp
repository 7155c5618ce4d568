// Registering a file or folder from the slot menu with the file picker.
#include "app/main_window.h"

#include "app/texts.h"
#include "dialogs/file_picker.h"
#include "platform/files.h"
#include "platform/shell_items.h"

namespace tarvok {

void MainWindow::registerFileOrFolder() {
    // Created first: from here on the medium box reports a drive or folder that cannot be
    // entered, also when the dialog is never shown.
    FilePicker picker;
    const std::string key = slotMenuSlotKey();
    std::string name = slotMenuCaption();
    const SlotRecord slot = readSlot(loadSettings(), key);
    if (kindIsExactlyOne(slot.urlKind)) {
        if (!confirmReplacing(text::kAskReplaceAddressHead, text::kPopOthersFile)) {
            return;
        }
        name.clear();
    }
    if (pickerFolder_.empty()) {
        pickerFolder_ = specialFolderPath(folder::kDesktop);
    }
    picker.onFolderChange([this](const std::string& folder) { pickerFolder_ = folder; });
    try {
        picker.applyPath(pickerFolder_);
    } catch (...) {
        // The folder is gone or its drive is empty: this opening ends with the medium box,
        // and the next one starts from the desktop instead of failing the same way for the
        // rest of the run.
        pickerFolder_.clear();
        throw;
    }
    if (kindIsExactlyOne(slot.pgKind) && pathKind(slot.path) != PathKind::Missing) {
        picker.applyPath(slot.path);
    }
    picker.setCaption(text::kPopOthersFile);
    picker.setName(name);
    editedSlotKey_ = key;
    const bool registered = picker.run(hwnd_, {settingsPath_, editedSlotKey_});
    pickerFolder_ = picker.currentFolder();
    if (registered) {
        chosenPath_ = picker.chosenPath();
        showRegisteredTarget(picker.name(), chosenPath_);
    }
}

} // namespace tarvok
