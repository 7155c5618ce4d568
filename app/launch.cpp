#include "app/main_window.h"

#include "app/texts.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "platform/shell.h"

namespace tarvok {

void MainWindow::launchSlot(const std::string& slotKey) {
    // Read in the stored order and dropped again before anything is opened: the launch
    // never holds the settings file while the shell or a browser works.
    int pgKind;
    std::string path;
    int urlKind;
    std::string url;
    {
        const Settings settings = openSettings(settingsPath_);
        pgKind = settings.readInteger(key::kPgKind, slotKey, 0);
        path = settings.readText(key::kLinkPath, slotKey);
        urlKind = settings.readInteger(key::kUrlKind, slotKey, 0);
        url = settings.readText(key::kUrl, slotKey);
    }
    switch (slotState(pgKind, urlKind)) {
    case SlotState::Program:
        if (fileExists(path) || folderExists(path)) {
            shellOpenItem(hwnd_, path);
        } else {
            warningBox(hwnd_, text::kMsgFileMissingHead + path + text::kMsgFileMissingTail);
        }
        return;
    case SlotState::Empty:
        options_.beep();
        return;
    case SlotState::Address:
        break;
    }
    if (!sendAddress_) {
        fileRun_.setFileName(url);
        fileRun_.execute();
        return;
    }
    sendAddressToBrowser(url);
}

void MainWindow::sendAddressToBrowser(const std::string& url) {
    bool open = false;
    for (const char* service : {"netscape", "Iexplore"}) {
        dde_.closeLink();
        dde_.setLink(service, "WWW_OpenURL");
        if (dde_.openLink()) {
            open = true;
            break;
        }
    }
    if (!open) {
        warningBox(hwnd_, text::kMsgNoBrowser);
        return;
    }
    // The browser opens the address as a side effect of the request; its reply is not used.
    (void)dde_.request(url);
    dde_.closeLink();
}

void MainWindow::toggleSendAddress() {
    sendAddress_ = !sendAddress_;
    CheckMenuItem(GetMenu(hwnd_), cmd::kMnSendAdd,
                  MF_BYCOMMAND | (sendAddress_ ? MF_CHECKED : MF_UNCHECKED));
    Settings settings = openSettings(settingsPath_);
    writeSendAddress(settings, sendAddress_);
    saveIfChanged(settingsPath_, settings);
}

} // namespace tarvok
