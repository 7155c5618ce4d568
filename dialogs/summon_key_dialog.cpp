#include "dialogs/summon_key_dialog.h"

#include "dialogs/summon_key_dialog_texts.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/message_box.h"
#include "platform/ui_texts.h"

#include <commctrl.h>

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kFieldLeft = 80;
constexpr int kLabelGap = 8;
constexpr Box kKeyBox{kFieldLeft, 94, 130, 21};

// Up to the hot-key field. Each field's label comes just before it: screen readers name the
// field after it.
const ControlSpec kAbove[] = {
    {Kind::Label, SummonKeyDialog::kExplanationId, text::kSummonExplanation, {12, 10, 376, 45}},
    {Kind::FieldLabel,
     SummonKeyDialog::kCurrentLabelId,
     text::kSummonCurrentLabel,
     {kFieldLeft - kLabelGap, 64, 0, 21}},
    {Kind::ReadOnlyEdit, SummonKeyDialog::kCurrentId, "", {kFieldLeft, 64, 130, 21}},
    {Kind::Label, SummonKeyDialog::kStateId, "", {218, 67, 175, 15}},
    {Kind::FieldLabel,
     SummonKeyDialog::kNewLabelId,
     text::kSummonNewLabel,
     {kFieldLeft - kLabelGap, kKeyBox.top, 0, kKeyBox.height}},
};
const ControlSpec kBelow[] = {
    {Kind::CheckBox, SummonKeyDialog::kNoneId, text::kSummonNone, {218, 96, 90, 17}},
    {Kind::DefaultButton, IDOK, ui::kButtonOk, {122, 134, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {203, 134, 75, 25}},
};

// The hot-key field's modifier flags against the settings' own.
constexpr std::pair<BYTE, unsigned> kFieldModifiers[] = {
    {HOTKEYF_CONTROL, kModCtrl},
    {HOTKEYF_ALT, kModAlt},
    {HOTKEYF_SHIFT, kModShift},
};

HotKey fromField(WORD value) {
    HotKey key{0, LOBYTE(value)};
    for (const auto& [flag, modifier] : kFieldModifiers) {
        if (HIBYTE(value) & flag) {
            key.modifiers |= modifier;
        }
    }
    return key;
}

// The keys the field names only when told they are the extended ones (Insert rather than
// the number pad's 0).
bool isExtendedKey(unsigned key) {
    return (key >= VK_PRIOR && key <= VK_DOWN) || key == VK_INSERT || key == VK_DELETE ||
           key == VK_DIVIDE;
}

// Nothing for a key the field cannot show (the Windows key has no place in it).
WORD toField(const HotKey& key) {
    if (key.modifiers & kModWin) {
        return 0;
    }
    BYTE flags = isExtendedKey(key.key) ? HOTKEYF_EXT : 0;
    for (const auto& [flag, modifier] : kFieldModifiers) {
        if (key.modifiers & modifier) {
            flags |= flag;
        }
    }
    return MAKEWORD(static_cast<BYTE>(key.key), flags);
}

} // namespace

SummonKeyDialog::SummonKeyDialog(std::optional<HotKey> current, bool active)
    : ChoiceDialog(Frame{.windowClass = L"TF_SUMMON", .clientWidth = 400, .clientHeight = 171}),
      current_(current), active_(active) {
    setCaption(text::kSummonCaption);
}

void SummonKeyDialog::build() {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_HOTKEY_CLASS};
    InitCommonControlsEx(&classes);
    addAll(kAbove);
    HWND field = makeChild(hwnd(), HOTKEY_CLASSW, "", WS_TABSTOP | WS_GROUP, kKeyId);
    moveTo(field, kKeyBox, dpi());
    setFont(field, font(12));
    // Wine's object for a hot-key field takes no name from the label before it.
    setAccessibleName(field, text::kSummonNewLabel);
    // A key alone or with Shift alone would be taken from typing in every program: the field
    // adds Ctrl+Alt to it, as the settings file requires Ctrl, Alt or Win.
    SendMessageW(field, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S,
                 MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    addAll(kBelow);
}

void SummonKeyDialog::onInit() {
    setText(kCurrentId, current_ ? formatHotKey(*current_).value_or("") : text::kSummonNone);
    setText(kStateId, !current_ ? "" : active_ ? text::kSummonActive : text::kSummonInactive);
    if (current_) {
        SendMessageW(item(kKeyId), HKM_SETHOTKEY, toField(*current_), 0);
    }
    CheckDlgButton(hwnd(), kNoneId, current_ ? BST_UNCHECKED : BST_CHECKED);
    EnableWindow(item(kKeyId), current_.has_value());
    focusOn(current_ ? kKeyId : kNoneId);
}

bool SummonKeyDialog::onCommand(int id, int notification, HWND) {
    switch (id) {
    case kKeyId:
        if (notification == EN_CHANGE) {
            keyChanged_ = true;
        }
        return true;
    case kNoneId:
        if (notification == BN_CLICKED) {
            EnableWindow(item(kKeyId), IsDlgButtonChecked(hwnd(), kNoneId) != BST_CHECKED);
        }
        return true;
    case IDOK:
        onOk();
        return true;
    default:
        return false;
    }
}

void SummonKeyDialog::onOk() {
    SummonKeyChoice choice;
    if (IsDlgButtonChecked(hwnd(), kNoneId) != BST_CHECKED) {
        const auto value = static_cast<WORD>(SendMessageW(item(kKeyId), HKM_GETHOTKEY, 0, 0));
        if (!keyChanged_ && current_ && toField(*current_) == value) {
            choice.key = current_;
        } else if (LOBYTE(value) == 0) {
            focusOn(kKeyId);
            warningBox(hwnd(), text::kMsgSummonKeyMissing);
            return;
        } else if (!formatHotKey(fromField(value))) {
            focusOn(kKeyId);
            warningBox(hwnd(), text::kMsgSummonKeyUnusable);
            return;
        } else {
            choice.key = fromField(value);
        }
    }
    if (accept(std::move(choice), kKeyId)) {
        end(IDOK);
    }
}

} // namespace tarvok
