// The slot menu: the three registrations, rename and clear, on the button the menu was opened
// on.
#include "app/commands.h"

#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "dialogs/address_dialog_texts.h"
#include "dialogs/file_picker.h"
#include "dialogs/rename_prompt.h"
#include "dialogs/start_menu_picker.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "platform/ui_texts.h"
#include "platform/unhandled.h"
#include "settings/errors.h"

namespace tarvok {

bool Commands::confirmReplacing(const char* heldKind, int keyNumber, const char* menuCaption) {
    return askInformationYesNo(screen_.window(),
                               replaceQuestion(heldKind, screen_.caption(keyNumber), menuCaption));
}

void Commands::registerFromStartMenu(int keyNumber) {
    // Chosen afresh every time, before the picker lists it; a refused lookup ends here.
    StartMenuPicker picker(startMenuProgramsFolder());
    picker.setCaption(text::kMenuRegisterFromStartMenu);
    const std::string key = slotKeyOf(keyNumber);
    std::string name = screen_.caption(keyNumber);
    if (kindIsExactlyOne(readSlot(store_.read(), key).urlKind)) {
        if (!confirmReplacing(text::kAskReplaceAddressHead, keyNumber,
                              text::kMenuRegisterFromStartMenu)) {
            return;
        }
        name.clear();
    }
    const auto chosen = picker.run(screen_.window(), name, [&](const StartMenuChoice& c) {
        store_.edit([&](Settings& s) { registerStartMenuShortcut(s, key, c.name, c.shortcut); });
    });
    if (chosen) {
        screen_.showSlot(keyNumber, chosen->name, chosen->shortcut);
    }
}

void Commands::registerFileOrFolder(int keyNumber) {
    // From the picker's first opening on, a drive or folder that cannot be entered gets the
    // medium box, also when this opening never shows the dialog.
    installMediumErrorHandler();
    FilePicker picker;
    const std::string key = slotKeyOf(keyNumber);
    std::string name = screen_.caption(keyNumber);
    const SlotRecord slot = readSlot(store_.read(), key);
    if (kindIsExactlyOne(slot.urlKind)) {
        if (!confirmReplacing(text::kAskReplaceAddressHead, keyNumber,
                              text::kMenuRegisterFileOrFolder)) {
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
    picker.setCaption(text::kMenuRegisterFileOrFolder);
    picker.setName(name);
    const auto chosen = picker.run(screen_.window(), [&](const FileChoice& c) {
        store_.edit([&](Settings& s) {
            if (c.isFolder) {
                registerFolder(s, key, c.name, c.path);
            } else {
                registerFile(s, key, c.name, c.path);
            }
        });
    });
    pickerFolder_ = picker.currentFolder();
    if (chosen) {
        screen_.showSlot(keyNumber, chosen->name, chosen->path);
    }
}

void Commands::registerAddress(int keyNumber) {
    AddressDialog dialog;
    const std::string key = slotKeyOf(keyNumber);
    std::string title = screen_.caption(keyNumber);
    const SlotRecord slot = readSlot(store_.read(), key);
    std::string address = slot.url;
    if (kindIsExactlyOne(slot.pgKind)) {
        if (!confirmReplacing(text::kAskReplaceProgramHead, keyNumber,
                              text::kMenuRegisterAddress)) {
            return;
        }
        title.clear();
        address.clear();
    }
    dialog.setCaption(text::kMenuRegisterAddress);
    const auto chosen = dialog.run(
        screen_.window(), title, address.empty() ? text::kHomePagePrefix : address,
        [&](const AddressChoice& c) {
            store_.edit([&](Settings& s) { tarvok::registerAddress(s, key, c.title, c.address); });
        });
    if (chosen) {
        // An address has no icon: the button loses the one a program gave it.
        screen_.showSlot(keyNumber, chosen->title, "");
    }
}

void Commands::renameSlot(int keyNumber) {
    const std::string key = slotKeyOf(keyNumber);
    std::string shown = screen_.caption(keyNumber);
    for (;;) {
        RenamePrompt prompt(shown);
        const auto name = prompt.run(screen_.window());
        if (!name) {
            return;
        }
        if (name->empty()) {
            warningBox(screen_.window(), ui::kMsgButtonNameMissing);
            shown = screen_.caption(keyNumber);
            continue;
        }
        try {
            store_.edit([&](Settings& s) { tarvok::renameSlot(s, key, *name); });
        } catch (const AppError& refused) {
            // A name the settings file cannot hold: said why, then offered again as typed,
            // so the user corrects it instead of typing it anew.
            reportUnhandledError(screen_.window(), refused);
            shown = *name;
            continue;
        }
        screen_.showCaption(keyNumber, *name);
        return;
    }
}

void Commands::clearSlot(int keyNumber) {
    const std::string key = slotKeyOf(keyNumber);
    // Only Yes clears: closing the box without an answer keeps the slot.
    if (!confirmYesNo(screen_.window(), clearSlotQuestion(screen_.caption(keyNumber)), true)) {
        return;
    }
    store_.edit([&](Settings& s) { tarvok::clearSlot(s, key); });
    screen_.showSlot(keyNumber, "", "");
}

} // namespace tarvok
