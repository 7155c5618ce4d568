#include "platform/unhandled.h"

#include "platform/message_box.h"
#include "platform/ui_texts.h"
#include "settings/errors.h"
#include "settings/text_format.h"

namespace tarvok {

namespace {
std::string g_title;
bool g_medium = false;
} // namespace

void setUnhandledErrorTitle(const std::string& applicationTitle) {
    g_title = applicationTitle;
}

void installMediumErrorHandler() {
    g_medium = true;
}

void reportUnhandledError(HWND owner, const std::exception& error) noexcept {
    try {
        // Once the file picker has been used, a drive without its medium gets the medium
        // box. Other errors are still shown: dropping them would report a failed save of the
        // settings file as success.
        const auto* app = dynamic_cast<const AppError*>(&error);
        if (g_medium && app != nullptr && app->kind() == AppError::Kind::InputOutput) {
            informationBox(owner, ui::kMsgMediumNotReady);
            return;
        }
        stopBox(owner, g_title, withClosingFullStop(error.what()));
    } catch (...) {
        // Nothing more can be reported: the program goes on with the next user action.
    }
}

} // namespace tarvok
