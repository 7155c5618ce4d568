// The page commands of the 設定 menu: naming the five pages and clearing the page shown.
#include "app/commands.h"

#include "app/page_commands_rules.h"
#include "dialogs/page_name_dialog.h"
#include "platform/message_box.h"
#include "settings/slot_keys.h"

namespace tarvok {

void Commands::editPageNames() {
    // The names in memory are defaults until the file has been read once; OK would
    // otherwise store them over the file's real names.
    catchUpOnUnreadStart();
    PageNameDialog dialog(state_.pageNames);
    const auto names = dialog.run(screen_.window(), [&](const PageNames& chosen) {
        store_.edit([&](Settings& s) { writePageNames(s, chosen); });
    });
    if (names) {
        state_.pageNames = *names;
        screen_.showPageName();
    }
}

void Commands::clearPage() {
    catchUpOnUnreadStart(); // the question names the page as the file does
    const auto page = static_cast<std::size_t>(state_.page - 1);
    // Only Yes clears: closing the box without an answer keeps the page.
    if (!confirmYesNo(screen_.window(), clearPageQuestion(state_.page, state_.pageNames[page]),
                      true)) {
        return;
    }
    // Where the box stood is drawn again before the work starts.
    RedrawWindow(screen_.window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Saved before the screen and the names in memory change: a file that cannot be written
    // leaves the page shown as the file still holds it.
    store_.edit([&](Settings& s) { tarvok::clearPage(s, state_.page); });
    state_.pageNames[page].clear();
    screen_.showPageName();
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        screen_.showSlot(n, "", "");
    }
}

} // namespace tarvok
