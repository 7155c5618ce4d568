#include "app/main_window.h"

#include "app/texts.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"
#include "platform/shell.h"

namespace tarvok {

void MainWindow::launchSlot(const std::string& slotKey) {
    // Read and dropped again before anything is opened: the launch never holds the settings
    // file while the shell or a browser works.
    const SlotRecord slot = readSlot(loadSettings(), slotKey);
    const std::string& path = slot.path;
    const std::string& url = slot.url;
    switch (slot.state()) {
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
    // An address too long for a DDE item could not reach a browser at all: the shell opens
    // it with the default browser instead of the click doing nothing.
    if (!sendAddress_ || !BrowserDdeClient::fitsAnItem(url)) {
        fileRun_.setFileName(url);
        fileRun_.execute();
        return;
    }
    sendAddressToBrowser(url);
}

void MainWindow::sendAddressToBrowser(const std::string& url) {
    bool open = false;
    {
        // Waiting for a browser runs a message loop: no click may start another launch
        // meanwhile.
        const InputPause pause(hwnd_);
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
        warningBox(hwnd_, text::kMsgNoBrowser);
    }
}

void MainWindow::showSendAddress() {
    CheckMenuItem(GetMenu(hwnd_), cmd::kMnSendAdd,
                  MF_BYCOMMAND | (sendAddress_ ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::toggleSendAddress() {
    if (settingsUnread_) {
        (void)loadSettings(); // the option to invert is the file's, not the start-up default
    }
    sendAddress_ = !sendAddress_;
    showSendAddress();
    Settings settings = loadSettings();
    writeSendAddress(settings, sendAddress_);
    saveIfChanged(settingsPath_, settings);
}

} // namespace tarvok
