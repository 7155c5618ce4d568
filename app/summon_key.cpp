#include "app/summon_key.h"

#include "app/texts.h"
#include "platform/controls.h"
#include "platform/hot_key.h"
#include "settings/errors.h"
#include "settings/text_format.h"

#include <utility>

namespace tarvok {

namespace {

std::string nameOf(const HotKey& key) {
    return formatHotKey(key).value_or("");
}

// Ours when it is the launcher or a dialog or box it owns.
bool isOurs(HWND window, HWND main) {
    return window != nullptr && GetAncestor(window, GA_ROOTOWNER) == main;
}

} // namespace

bool SummonKey::start(HWND window, const SummonKeySetting& setting) {
    release();
    window_ = window;
    key_ = setting.key;
    active_ = key_ && registerHotKey(window_, kHotKeyId, *key_);
    problem_.clear();
    if (!setting.unreadable.empty()) {
        problem_ = formatMessage(text::kMsgSummonKeyUnreadable,
                                 {setting.unreadable, nameOf(kDefaultSummonKey)});
    }
    if (key_ && !active_) {
        problem_ += (problem_.empty() ? "" : "\r\n\r\n") +
                    formatMessage(text::kMsgSummonKeyTaken, {nameOf(*key_)});
    }
    if (problem_.empty() || problemTold_) {
        return false;
    }
    problemTold_ = true;
    return true;
}

void SummonKey::change(std::optional<HotKey> key) {
    if (key == key_ && (active_ || !key)) {
        return;
    }
    const auto before = key_;
    const bool wasActive = active_;
    // One key per window and id: the old one goes first, or the same combination chosen
    // again would be refused as taken by ourselves.
    release();
    if (key && !registerHotKey(window_, kHotKeyId, *key)) {
        key_ = before;
        active_ = wasActive && registerHotKey(window_, kHotKeyId, *before);
        throw AppError(formatMessage(text::kMsgSummonKeyRefused, {nameOf(*key)}));
    }
    key_ = key;
    active_ = key.has_value();
}

void SummonKey::release() {
    if (active_) {
        unregisterHotKey(window_, kHotKeyId);
        active_ = false;
    }
}

void SummonKey::pressed(HWND focus) {
    // The key press gives this process the right to change the foreground window, both ways.
    const HWND front = GetForegroundWindow();
    if (isOurs(front, window_) && !IsIconic(window_)) {
        const HWND back = std::exchange(cameFrom_, nullptr);
        if (back != nullptr && IsWindow(back) && IsWindowVisible(back)) {
            SetForegroundWindow(back);
        }
        return;
    }
    cameFrom_ = isOurs(front, window_) ? nullptr : front;
    if (IsIconic(window_)) {
        ShowWindow(window_, SW_RESTORE);
    }
    // While one of our dialogs or boxes is open, it is what comes to the front.
    const HWND popup = GetLastActivePopup(window_);
    SetForegroundWindow(popup);
    if (popup == window_ && focus != nullptr) {
        SetFocus(focus);
        // The user came by keyboard: the focus frame shows where the keys act.
        showFocusCues(window_);
    }
}

} // namespace tarvok
