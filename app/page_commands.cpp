// The page commands of the 設定 menu: naming the five pages and clearing the page shown.
#include "app/main_window.h"

#include "app/page_commands_rules.h"
#include "dialogs/page_name_dialog.h"
#include "platform/cp932_codec.h"
#include "platform/message_box.h"
#include "platform/settings_file.h"

namespace tarvok {

void MainWindow::editPageNames() {
    if (settingsUnread_) {
        // The names in memory are defaults until the file has been read once; OK would
        // otherwise store them over the file's real names.
        (void)loadSettings();
    }
    // The writer's own rule decides which names the file can hold, checked while the user
    // can still correct them.
    const Settings storable(IniModel{}, systemCodec());
    PageNameDialog dialog(pageNames_,
                          [&](const std::string& name) { (void)storable.encodeValue(name); });
    const auto names = dialog.run(hwnd_);
    if (!names) {
        return;
    }
    Settings settings = loadSettings();
    writePageNames(settings, *names);
    saveIfChanged(settingsPath_, settings);
    pageNames_ = *names;
    showPageName();
}

void MainWindow::clearPage() {
    if (settingsUnread_) {
        (void)loadSettings(); // the question names the page as the file does
    }
    const std::size_t page = static_cast<std::size_t>(currentPage_ - kFirstPage);
    // Only Yes clears: closing the box without an answer keeps the page.
    if (!confirmYesNo(hwnd_, clearPageQuestion(currentPage_, pageNames_[page]), true)) {
        return;
    }
    // Where the box stood is drawn again before the work starts.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Settings settings = loadSettings();
    tarvok::clearPage(settings, currentPage_);
    // Saved before the screen and the names in memory change: a file that cannot be written
    // leaves the page shown as the file still holds it.
    saveIfChanged(settingsPath_, settings);
    for (auto& slot : slots_) {
        slot.show("", nullptr);
    }
    pageNames_[page].clear();
    showPageName();
}

} // namespace tarvok
