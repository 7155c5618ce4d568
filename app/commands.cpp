// Launching, drops, the address-send option and the window position: the commands that
// need no dialog.
#include "app/commands.h"

#include "app/menus.h"
#include "app/texts.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "settings/paths.h"
#include "settings/slot_keys.h"
#include "settings/text_format.h"

namespace tarvok {

Commands::Commands(LauncherScreen& screen, SlotStore& store, LauncherState& state,
                   std::string programFolder, CommandOptions options)
    : screen_(screen), store_(store), state_(state), programFolder_(std::move(programFolder)),
      options_(std::move(options)) {
    if (!options_.beep) {
        options_.beep = defaultBeep;
    }
}

void Commands::run(int commandId, int slotMenuKey) {
    // F2 to F11 and Ctrl+Shift with them; F1 and F12 turn the page.
    const int functionKey = commandId - cmd::kFunctionKeyBase;
    if (functionKey == VK_F1) {
        return turnPage(previousPage(state_.page));
    }
    if (functionKey == VK_F12) {
        return turnPage(nextPage(state_.page));
    }
    if (functionKey >= VK_F2 && functionKey <= VK_F11) {
        return launch(functionKey - VK_F1 + 1);
    }
    if (const int administratorKey = commandId - cmd::kAdministratorKeyBase;
        administratorKey >= VK_F2 && administratorKey <= VK_F11) {
        return launchAsAdministrator(administratorKey - VK_F1 + 1);
    }
    switch (commandId) {
    case cmd::kCloseLauncher:
        SendMessageW(screen_.window(), WM_CLOSE, 0, 0);
        return;
    case cmd::kOpenControlPanel:
        return openControlPanel();
    case cmd::kOpenCommandPrompt:
        return openCommandPrompt();
    case cmd::kShutDownWindows:
        return shutDownWindows();
    case cmd::kEditPageNames:
        return editPageNames();
    case cmd::kClearPage:
        return clearPage();
    case cmd::kMigrate:
        return migrateEarlierData();
    case cmd::kToggleSendAddress:
        return toggleSendAddress();
    case cmd::kAddDesktopShortcut:
        return addDesktopShortcut();
    case cmd::kEditSummonKey:
        return editSummonKey();
    case cmd::kOpenHelp:
        return openHelp();
    case cmd::kOpenReadMe:
        return openReadMe();
    case cmd::kShowAbout:
        return showAbout();
    case cmd::kRegisterFromStartMenu:
        return registerFromStartMenu(slotMenuKey);
    case cmd::kRegisterFileOrFolder:
        return registerFileOrFolder(slotMenuKey);
    case cmd::kRegisterAddress:
        return registerAddress(slotMenuKey);
    case cmd::kRenameSlot:
        return renameSlot(slotMenuKey);
    case cmd::kClearSlot:
        return clearSlot(slotMenuKey);
    default:
        return;
    }
}

std::string Commands::slotKeyOf(int keyNumber) const {
    return slotKey(state_.page, keyNumber);
}

void Commands::catchUpOnUnreadStart() {
    if (store_.unread()) {
        (void)store_.read();
    }
}

void Commands::turnPage(const PageTurn& turn) {
    if (turn.beep) {
        beep();
    } else {
        screen_.turnTo(turn.page);
    }
}

void Commands::launch(int keyNumber) {
    open(keyNumber, false);
}

void Commands::launchAsAdministrator(int keyNumber) {
    open(keyNumber, true);
}

void Commands::openItem(const std::string& verb, const std::string& path) {
    if (options_.openItem) {
        options_.openItem(verb, path);
    } else if (verb.empty()) {
        shellOpenItem(screen_.window(), path);
    } else {
        shellOpenItemAsAdministrator(screen_.window(), path);
    }
}

void Commands::open(int keyNumber, bool asAdministrator) {
    // Read and dropped again before anything is opened: the launch never holds the settings
    // file while the shell or a browser works.
    const SlotRecord slot = readSlot(store_.read(), slotKeyOf(keyNumber));
    const std::string& path = slot.path;
    const std::string& url = slot.url;
    switch (slot.state()) {
    case SlotState::Program:
        if (fileExists(path)) {
            openItem(asAdministrator ? "runas" : "", path);
        } else if (folderExists(path)) {
            openItem("", path);
        } else {
            warningBox(screen_.window(), formatMessage(text::kMsgFileMissing, {path}));
        }
        return;
    case SlotState::Empty:
        options_.beep();
        return;
    case SlotState::Address:
        break;
    }
    // Neither route takes a longer address whole (a hand-edited file may hold one): the
    // shell would cut it or fail, and a DDE item holds far less.
    if (!ShellRunAction::takes(url)) {
        warningBox(screen_.window(), ShellRunAction::tooLongText());
        return;
    }
    // An address too long for a DDE item could not reach a browser at all: the shell opens
    // it with the default browser instead of the click doing nothing.
    if (!state_.sendAddress || !BrowserDdeClient::fitsAnItem(url)) {
        fileRun_.setFileName(url);
        fileRun_.execute();
        return;
    }
    sendAddressToBrowser(url);
}

void Commands::sendAddressToBrowser(const std::string& url) {
    bool open = false;
    {
        // Waiting for a browser runs a message loop: no click may start another launch
        // meanwhile.
        const InputPause pause(screen_.window());
        for (const char* service : {"netscape", "Iexplore"}) {
            if (const auto conversation = dde_.connect(service, "WWW_OpenURL")) {
                // The browser opens the address as a side effect of the request; its reply
                // is not used.
                (void)conversation->request(url);
                open = true;
                break;
            }
        }
    }
    if (!open) {
        warningBox(screen_.window(), text::kMsgNoBrowser);
    }
}

void Commands::registerDrop(int keyNumber, const std::string& dropped) {
    // The caption is what the shell shows for the item itself, a shortcut included. Where
    // the shell shows nothing (Wine, for a path of MAX_PATH or more) the item's own name
    // stands in, so the button does not look empty while it opens a file.
    std::string caption = shellDisplayName(dropped);
    if (caption.empty()) {
        caption = plainDisplayName(dropped);
    }
    // A shortcut that cannot be resolved is registered itself: launching it still opens
    // whatever it points to, where an empty path would open nothing.
    const std::string target = isShortcutPath(dropped)
                                   ? resolveShortcut(dropped, screen_.window()).value_or(dropped)
                                   : dropped;
    const std::string key = slotKeyOf(keyNumber);
    store_.edit([&](Settings& s) { tarvok::registerDrop(s, key, caption, target); });
    // The glyph a page refresh would give the stored path (for a shortcut, its target).
    screen_.showSlot(keyNumber, caption, target);
}

void Commands::toggleSendAddress() {
    // The option to invert is the file's, not the start-up default.
    catchUpOnUnreadStart();
    state_.sendAddress = !state_.sendAddress;
    screen_.showSendAddress();
    store_.edit([&](Settings& s) { writeSendAddress(s, state_.sendAddress); });
}

void Commands::storePosition(POINT position) {
    store_.edit([&](Settings& s) {
        writeWindowPosition(s, WindowPosition{position.x, position.y});
    });
}

} // namespace tarvok
