#include "dialogs/start_menu_picker.h"

#include "dialogs/start_menu_picker_rules.h"
#include "dialogs/start_menu_picker_texts.h"
#include "platform/controls.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "platform/ui_texts.h"
#include "settings/paths.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;
constexpr int kDialogFont = 12;
constexpr int kLabelFont = 13;
constexpr int kTypeColumnWidth = 100;

using Id = StartMenuPicker;

// Each label just before the list or field that takes its name from it; the folder buttons
// after the controls the design orders.
const ControlSpec kControls[] = {
    {Kind::Label, Id::kFirstLabelId, text::kFirstListLabel, {6, 1, 0, 0}, kLabelFont},
    {Kind::ListView, Id::kFirstListId, "", {0, 20, 313, 281}, kDialogFont},
    {Kind::Label, Id::kSecondLabelId, text::kSecondListLabel, {318, 1, 0, 0}, kLabelFont},
    {Kind::ListView, Id::kSecondListId, "", {318, 20, 313, 281}, kDialogFont},
    {Kind::Label, Id::kNameLabelId, text::kButtonNameLabel, {150, 314, 0, 0}, kLabelFont},
    {Kind::Edit, Id::kNameId, "", {208, 310, 207, 21}, kLabelFont},
    {Kind::Button, Id::kRegisterId, ui::kButtonRegister, {207, 338, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {287, 338, 75, 25}},
    {Kind::SpeedButton, Id::kCurrentUserId, text::kCurrentUserFolder, {8, 313, 115, 25}},
    {Kind::SpeedButton, Id::kAllUsersId, text::kAllUsersFolder, {8, 338, 115, 25}},
};

} // namespace

std::string startMenuProgramsFolder() {
    return specialFolderPath(hasCommonProgramsValue() ? folder::kCommonPrograms
                                                      : folder::kPrograms);
}

StartMenuPicker::StartMenuPicker(std::string programsFolder)
    : ChoiceDialog(Frame{.windowClass = L"TF_LIST",
                         .clientWidth = 633,
                         .clientHeight = 370,
                         .fontPixels = kDialogFont}),
      programsFolder_(std::move(programsFolder)) {}

void StartMenuPicker::build() {
    addAll(kControls);
    for (auto [view, id] : {std::pair{&first_, kFirstListId}, std::pair{&second_, kSecondListId}}) {
        view->attach(item(id), text::kNameColumn, text::kTypeColumn, px(kTypeColumnWidth));
        view->fitNameColumn();
    }
    setImeModeOnFocus(item(kNameId), ImeMode::Hiragana);
}

void StartMenuPicker::onInit() {
    list(first_, programsFolder_);
    setText(kNameId, name_);
    focusOn(kFirstListId);
}

void StartMenuPicker::list(FolderListView& view, const std::string& folder) {
    const WaitCursor hourglass;
    {
        const RedrawPause pause(view.hwnd());
        view.clear();
        const std::vector<std::string> names = folderEntryNames(folder);
        std::vector<std::string> ordered;
        ordered.reserve(names.size());
        for (const std::size_t i : captionOrder(names, compareAsLstrcmp)) {
            ordered.push_back(names[i]);
        }
        view.add(folder, ordered);
    }
    // Only once redrawing is back does the list show or drop its scroll bar, which decides
    // the width left for the name column.
    view.fitNameColumn();
}

void StartMenuPicker::clickFirst() {
    const auto caption = first_.selectedName();
    if (!caption) {
        return;
    }
    selectedEntry_ = *caption;
    secondFolder_ = *caption;
    const std::string path = joinPath(programsFolder_, *caption);
    if (countsAsFolder(path)) {
        setText(kNameId, "");
        list(second_, path);
    } else {
        second_.clear();
        setText(kNameId, proposedName(*caption));
    }
}

void StartMenuPicker::clickSecond() {
    const auto caption = second_.selectedName();
    if (!caption) {
        return;
    }
    selectedEntry_ = joinPath(secondFolder_, *caption);
    const std::string path = joinPath(programsFolder_, selectedEntry_);
    if (countsAsFolder(path)) {
        setText(kNameId, "");
        secondFolder_ = selectedEntry_;
        list(second_, path);
    } else {
        setText(kNameId, proposedName(*caption));
    }
}

void StartMenuPicker::switchTo(const std::string& folder) {
    programsFolder_ = folder;
    setText(kNameId, "");
    list(first_, programsFolder_);
    second_.clear();
}

void StartMenuPicker::registerShortcut() {
    const std::string name = text(kNameId);
    if (name.empty()) {
        warningBox(hwnd(), ui::kMsgButtonNameMissing);
        focusOn(kNameId);
        return;
    }
    // Only the first list's selection is asked for; the entry registered is the one last
    // clicked in either list.
    if (!first_.selectedName()) {
        warningBox(hwnd(), text::kMsgNoShortcutSelected);
        return;
    }
    const std::string shortcut = joinPath(programsFolder_, selectedEntry_);
    // A vanished entry counts as a folder and is refused with it.
    if (countsAsFolder(shortcut) || !isShortcutPath(shortcut)) {
        warningBox(hwnd(), text::kMsgChooseShortcut);
        return;
    }
    if (accept(StartMenuChoice{name, shortcut})) {
        end(IDOK);
    }
}

bool StartMenuPicker::onCommand(int id, int notification, HWND) {
    if (notification != BN_CLICKED) {
        return false;
    }
    switch (id) {
    case kRegisterId:
        registerShortcut();
        return true;
    case kCurrentUserId:
        // The lookup comes first: a folder the shell refuses leaves the lists as they were.
        switchTo(specialFolderPath(folder::kPrograms));
        return true;
    case kAllUsersId:
        switchTo(startMenuProgramsFolder());
        return true;
    case IDOK: {
        // Enter in a list does what a click on its selected entry does, so the picker
        // works from the keyboard too.
        const HWND focus = GetFocus();
        if (focus == first_.hwnd()) {
            clickFirst();
        } else if (focus == second_.hwnd()) {
            clickSecond();
        }
        return true;
    }
    default:
        return false;
    }
}

bool StartMenuPicker::onNotify(NMHDR& header, LRESULT& result) {
    if (first_.onNotify(header) || second_.onNotify(header)) {
        result = 0;
        return true;
    }
    if (header.code != NM_CLICK) {
        return false;
    }
    if (header.hwndFrom == first_.hwnd()) {
        clickFirst();
    } else if (header.hwndFrom == second_.hwnd()) {
        clickSecond();
    } else {
        return false;
    }
    result = 0;
    return true;
}

} // namespace tarvok
