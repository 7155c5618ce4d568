#include "dialogs/address_dialog.h"

#include "dialogs/address_dialog_rules.h"
#include "dialogs/address_dialog_texts.h"
#include "platform/controls.h"
#include "platform/glyph.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "platform/ui_texts.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;
constexpr int kFieldFont = 13;
using Id = AddressDialog;
constexpr const wchar_t* kFixed = kUiFixedFace; // the kind's items

// Tab order: title, keep-title box, kind, address, register, cancel, then the browser buttons.
const ControlSpec kControls[] = {
    // Sized to its text: the designed 58 pixels cut it off in the substitute fonts.
    {Kind::Label, Id::kGetAddressLabelId, text::kGetAddressLabel, {8, 8, 0, 0}},
    {Kind::Label, Id::kTitleLabelId, text::kTitleLabel, {8, 36, 0, 0}, kFieldFont},
    {Kind::Edit, Id::kTitleId, "", {8, 56, 237, 21}, kFieldFont},
    {Kind::CheckBox, Id::kKeepTitleId, text::kKeepTitle, {256, 58, 97, 17}},
    {Kind::RadioGroup, Id::kKindGroupId, text::kAddressKinds, {364, 40, 173, 57}, 0, 1, kFixed},
    {Kind::Label, Id::kAddressLabelId, text::kAddressLabel, {8, 83, 0, 0}, kFieldFont},
    {Kind::Edit, Id::kAddressId, "", {8, 104, 577, 21}, kFieldFont},
    {Kind::Button, Id::kRegisterId, ui::kButtonRegister, {183, 132, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {263, 132, 75, 25}},
    {Kind::SpeedButton, Id::kInternetExplorerId, text::kInternetExplorerButton, {80, 0, 177, 25}},
    {Kind::SpeedButton, Id::kNetscape6Id, text::kNetscape6Button, {257, 0, 177, 25}},
    {Kind::SpeedButton, Id::kNetscape4Id, text::kNetscape4Button, {434, 0, 177, 25}},
};

constexpr char kWindowInfoTopic[] = "WWW_GetWindowInfo";
// The browser's most recently active window.
constexpr char kLastActiveWindow[] = "0xFFFFFFFF";
// Captions met while looking for a Netscape window are read up to this many characters.
constexpr int kEnumeratedCaptionLength = 254;

enum class TitleRule { InternetExplorerFrame, NetscapeWindow, Reply };

// The title of the first visible, unowned top-level window (in window order) whose caption
// names a Netscape window.
std::optional<std::string> findNetscapeTitle() {
    std::optional<std::string> title;
    EnumWindows(
        [](HWND h, LPARAM found) -> BOOL {
            if (GetWindow(h, GW_OWNER) != nullptr || !IsWindowVisible(h)) {
                return TRUE;
            }
            wchar_t caption[kEnumeratedCaptionLength + 1] = {};
            GetWindowTextW(h, caption, kEnumeratedCaptionLength + 1);
            auto& result = *reinterpret_cast<std::optional<std::string>*>(found);
            result = netscapeTitle(narrow(caption));
            return result ? FALSE : TRUE;
        },
        reinterpret_cast<LPARAM>(&title));
    return title;
}

} // namespace

struct AddressDialog::Browser {
    int id;
    const char* service;
    const char* program; // where the browser is installed, for its icon
    const char* notRunning;
    TitleRule titleRule;
};

namespace {

// The browser buttons start their glyph this far from the left edge.
constexpr int kBrowserGlyphMargin = 3;

const AddressDialog::Browser kBrowsers[] = {
    {Id::kInternetExplorerId, "Iexplore", "C:\\Program Files\\Internet Explorer\\Iexplore.exe",
     text::kMsgNoInternetExplorer, TitleRule::InternetExplorerFrame},
    {Id::kNetscape6Id, "netscape6", "C:\\Program Files\\Netscape\\netscape\\netscp.exe",
     text::kMsgNoNetscape6, TitleRule::NetscapeWindow},
    {Id::kNetscape4Id, "netscape",
     "C:\\Program Files\\Netscape\\Communicator\\Program\\netscape.exe", text::kMsgNoNetscape4,
     TitleRule::Reply},
};

} // namespace

AddressDialog::AddressDialog()
    : ChoiceDialog(Frame{.windowClass = L"TF_URLSET", .clientWidth = 622, .clientHeight = 164}) {}

void AddressDialog::build() {
    addAll(kControls);
    ShowWindow(item(kNetscape4Id), SW_HIDE);
    // Ends the radio group, so the arrow keys stay on its two items.
    HWND label = item(kAddressLabelId);
    SetWindowLongPtrW(label, GWL_STYLE, GetWindowLongPtrW(label, GWL_STYLE) | WS_GROUP);
    setImeModeOnFocus(item(kTitleId), ImeMode::Hiragana);
    setImeModeOnFocus(item(kAddressId), ImeMode::Closed);
    // An installed browser lends its button its small icon; a missing one leaves the button
    // as designed.
    const SIZE small{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
    for (const auto& browser : kBrowsers) {
        speedButton(browser.id).setMargin(kBrowserGlyphMargin);
        if (const UniqueIcon icon = shellSmallIcon(browser.program)) {
            speedButton(browser.id)
                .setGlyph(makeGlyph(icon.get(), GetSysColor(COLOR_BTNFACE), small));
        }
    }
}

void AddressDialog::onInit() {
    setText(kTitleId, title_);
    setText(kAddressId, address_);
    kind_ = 0;
    CheckRadioButton(hwnd(), kHomePageId, kMailAddressId, kHomePageId);
}

void AddressDialog::chooseKind(int index) {
    // A click on the kind already chosen changes nothing, so it cannot wipe a typed address.
    if (index == kind_) {
        return;
    }
    kind_ = index;
    setText(kAddressId, index == 0 ? text::kHomePagePrefix : text::kMailPrefix);
}

void AddressDialog::fillFrom(const Browser& browser) {
    bool answered = false;
    std::string reply;
    {
        // Waiting for the browser runs a message loop: no click may close or register the
        // dialog, or ask a second browser, meanwhile.
        const InputPause pause(hwnd());
        if (const auto conversation = dde_.connect(browser.service, kWindowInfoTopic)) {
            answered = true;
            reply = conversation->request(kLastActiveWindow);
        }
    }
    if (!answered) {
        warningBox(hwnd(), browser.notRunning);
        return;
    }
    const WindowInfo info = parseWindowInfoReply(reply);
    setText(kAddressId, info.address);
    if (IsDlgButtonChecked(hwnd(), kKeepTitleId) == BST_CHECKED) {
        return;
    }
    switch (browser.titleRule) {
    case TitleRule::InternetExplorerFrame:
        if (const HWND frame = FindWindowW(L"IEFrame", nullptr); IsWindow(frame)) {
            setText(kTitleId, internetExplorerTitle(windowText(frame)));
        }
        break;
    case TitleRule::NetscapeWindow:
        // No Netscape window: the title stays as it is, as it does without an IE frame.
        if (const auto title = findNetscapeTitle()) {
            setText(kTitleId, *title);
        }
        break;
    case TitleRule::Reply:
        setText(kTitleId, info.title);
        break;
    }
}

void AddressDialog::registerAddress() {
    const std::string title = text(kTitleId);
    if (title.empty()) {
        warningBox(hwnd(), text::kMsgTitleMissing);
        focusOn(kTitleId);
        return;
    }
    // Refused here rather than when the slot is opened: the address is still in the field to
    // be shortened, and the settings file never holds one that cannot be opened.
    const std::string address = text(kAddressId);
    if (!ShellRunAction::takes(address)) {
        warningBox(hwnd(), ShellRunAction::tooLongText());
        focusOn(kAddressId);
        return;
    }
    if (accept(AddressChoice{title, address})) {
        end(IDOK);
    }
}

bool AddressDialog::onCommand(int id, int notification, HWND) {
    if (notification != BN_CLICKED) {
        return false;
    }
    for (const auto& browser : kBrowsers) {
        if (browser.id == id) {
            fillFrom(browser);
            return true;
        }
    }
    switch (id) {
    case kRegisterId:
        registerAddress();
        return true;
    case kHomePageId:
    case kMailAddressId:
        chooseKind(id - kHomePageId);
        return true;
    default:
        return false;
    }
}

} // namespace tarvok
