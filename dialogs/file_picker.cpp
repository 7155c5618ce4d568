#include "dialogs/file_picker.h"

#include "dialogs/file_picker_texts.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/paths.h"

#include <algorithm>

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

// The labels, lists and name field are a size larger than the rest of the dialog.
constexpr int kDialogFontPixels = 12;
constexpr int kFieldFontPixels = 13;
constexpr int kRowHeight = 16;
constexpr int kIconSize = 16;
constexpr int kIndentStep = 10;

// In tab order: the two lists, the filter, the name, the buttons, the drive box last. Each
// label comes just before its field, which takes its name from it. The frame goes last so
// that it lies beneath everything it encloses.
const ControlSpec kControls[] = {
    {Kind::Label,
     FilePicker::kFolderLabelId,
     text::kPickerFolderLabel,
     {16, 59, 0, 0},
     kFieldFontPixels},
    {Kind::ListBox, FilePicker::kFolderListId, "", {24, 104, 220, 149}, kFieldFontPixels},
    {Kind::Label,
     FilePicker::kFileLabelId,
     text::kPickerFileLabel,
     {268, 20, 0, 0},
     kFieldFontPixels},
    {Kind::ListBox, FilePicker::kFileListId, "", {272, 40, 248, 190}, kFieldFontPixels},
    {Kind::RadioGroup, FilePicker::kFilterId, text::kPickerFilter, {272, 241, 265, 33}, 0, 3},
    {Kind::Label,
     FilePicker::kNameLabelId,
     text::kPickerNameLabel,
     {16, 259, 0, 0},
     kFieldFontPixels},
    {Kind::Edit, FilePicker::kNameId, "", {24, 280, 498, 21}, kFieldFontPixels},
    {Kind::Button, FilePicker::kRegisterFileId, text::kPickerRegisterFile, {136, 320, 83, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {223, 320, 75, 25}},
    {Kind::Button, FilePicker::kRegisterFolderId, text::kPickerRegisterFolder, {376, 320, 83, 25}},
    {Kind::Label,
     FilePicker::kDriveLabelId,
     text::kPickerDriveLabel,
     {16, 16, 0, 0},
     kFieldFontPixels},
    // Closed as high as the design says; its list drops 160 further.
    {Kind::DropDownList,
     FilePicker::kDriveBoxId,
     "",
     {24, 32, 220, 19},
     kFieldFontPixels,
     1,
     nullptr,
     160},
    {Kind::SpeedButton, FilePicker::kMyDocumentsId, text::kPickerMyDocuments, {83, 78, 81, 22}},
    {Kind::SpeedButton, FilePicker::kDesktopId, text::kPickerDesktop, {164, 78, 81, 22}},
    {Kind::Frame, FilePicker::kFrameId, "", {8, 8, 537, 303}},
};

// What the drive box shows of each kind of drive.
struct DriveLook {
    UINT type; // as GetDriveType reports it
    DriveKind kind;
    ListIcons::Icon icon;
};
constexpr DriveLook kDriveLooks[] = {
    {DRIVE_REMOVABLE, DriveKind::Removable, ListIcons::DriveRemovable},
    {DRIVE_FIXED, DriveKind::Fixed, ListIcons::DriveFixed},
    {DRIVE_REMOTE, DriveKind::Network, ListIcons::DriveNetwork},
    {DRIVE_CDROM, DriveKind::CdRom, ListIcons::DriveCdRom},
    {DRIVE_RAMDISK, DriveKind::RamDisk, ListIcons::DriveRam},
};

void fillList(HWND list, UINT reset, UINT add, const std::vector<std::string>& texts) {
    const RedrawPause pause(list);
    SendMessageW(list, reset, 0, 0);
    if (add == LB_ADDSTRING) {
        std::size_t bytes = 0;
        for (const auto& t : texts) {
            bytes += (t.size() + 1) * sizeof(wchar_t);
        }
        SendMessageW(list, LB_INITSTORAGE, texts.size(), static_cast<LPARAM>(bytes));
    }
    for (const auto& t : texts) {
        SendMessageW(list, add, 0, reinterpret_cast<LPARAM>(widen(t).c_str()));
    }
}

} // namespace

FilePicker::FilePicker()
    : ChoiceDialog(Frame{.windowClass = L"TF_EXESET",
                         .clientWidth = 554,
                         .clientHeight = 349,
                         .fontPixels = kDialogFontPixels,
                         .rowHeight = kRowHeight}) {
    setCaption(text::kPickerDesignCaption);
}

void FilePicker::applyPath(const std::string& path) {
    // A path without its drive (a hand-edited "notepad.exe") names no place to show: it
    // would be looked up in whatever folder the launcher happens to be in.
    if (path.empty() || path == filePath() || rootOf(path).empty()) {
        return;
    }
    if (pathKind(path) != PathKind::File) {
        enterFolder(path);
        return;
    }
    enterFolder(parentFolderOf(path));
    selectedFile_ = std::string(fileNameOf(path));
    selectFileRow();
}

void FilePicker::setName(const std::string& name) {
    name_ = name;
    if (hwnd() != nullptr) {
        setText(kNameId, name_);
    }
}

std::string FilePicker::filePath() const {
    return selectedFile_.empty() ? std::string{} : joinPath(currentFolder_, selectedFile_);
}

void FilePicker::build() {
    addAll(kControls);
    SendMessageW(item(kNameId), EM_SETLIMITTEXT, 0, 0);
    setImeModeOnFocus(item(kNameId), ImeMode::Hiragana);

    icons_ = std::make_unique<ListIcons>();
    driveRows_.clear();
    std::vector<std::string> entries;
    for (const auto& d : machineDrives()) {
        DriveLook look{d.type, DriveKind::Unknown, ListIcons::DriveFixed};
        for (const auto& known : kDriveLooks) {
            if (known.type == d.type) {
                look = known;
            }
        }
        driveRows_.push_back(
            {d.letter, driveEntry(d.letter, look.kind, d.label, d.remoteName), look.icon});
        entries.push_back(driveRows_.back().entry);
    }
    fillList(item(kDriveBoxId), CB_RESETCONTENT, CB_ADDSTRING, entries);
}

void FilePicker::onInit() {
    CheckRadioButton(hwnd(), kFilterId + 1, kFilterId + static_cast<int>(kPickerMasks.size()),
                     kFilterId + 1 + static_cast<int>(maskIndex_));
    fillFolderList();
    fillFileList();
    showDriveOf(currentFolder_);
    setText(kNameId, name_);
}

bool FilePicker::onCommand(int id, int notification, HWND control) {
    switch (id) {
    case kDriveBoxId:
        // Arrowing through the open list only looks: the drive is entered once it closes.
        if ((notification == CBN_SELCHANGE && !SendMessageW(control, CB_GETDROPPEDSTATE, 0, 0)) ||
            notification == CBN_CLOSEUP) {
            chooseDrive();
        }
        return true;
    case kFolderListId:
        if (notification == LBN_DBLCLK) {
            enterHighlightedFolder();
        }
        return true;
    case kFileListId:
        if (notification == LBN_SELCHANGE) {
            fileSelected();
        }
        return true;
    case kNameId:
        if (notification == EN_CHANGE) {
            name_ = text(kNameId);
        }
        return true;
    case kMyDocumentsId:
    case kDesktopId:
        if (notification == BN_CLICKED) {
            enterFolder(
                specialFolderPath(id == kDesktopId ? folder::kDesktop : folder::kMyDocuments));
        }
        return true;
    case kRegisterFileId:
        registerFile();
        return true;
    case kRegisterFolderId:
        registerFolder();
        return true;
    case IDOK:
        // Enter: opens the highlighted folder in the folder list, and does nothing elsewhere.
        if (GetFocus() == item(kFolderListId)) {
            enterHighlightedFolder();
        }
        return true;
    default:
        break;
    }
    if (id > kFilterId && id <= kFilterId + static_cast<int>(kPickerMasks.size()) &&
        notification == BN_CLICKED) {
        chooseMask(static_cast<std::size_t>(id - kFilterId - 1));
        return true;
    }
    return false;
}

void FilePicker::enterFolder(const std::string& path) {
    const std::string folder = normalFolder(path);
    // Like any change of a value to itself, entering the folder already shown is no change:
    // nothing is read again and the name field keeps what it holds.
    if (folder == currentFolder_) {
        return;
    }
    // Read first: a folder that cannot be entered leaves everything as it was.
    FolderContent content = readFolder(folder);
    enterAsCurrentDirectory(folder);
    currentFolder_ = folder;
    folderRows_ = folderRows(folder, std::move(content.folders));
    folderFiles_ = std::move(content.files);
    sortNames(folderFiles_);
    selectedFile_.clear();
    if (hwnd() != nullptr) {
        fillFolderList();
        fillFileList();
    }
    folderChanged();
}

void FilePicker::folderChanged() {
    if (hwnd() != nullptr) {
        showDriveOf(currentFolder_);
    }
    // A folder proposes its full path as the button name.
    setName(currentFolder_);
    if (folderListener_) {
        folderListener_(currentFolder_);
    }
}

void FilePicker::fileSelected() {
    const auto row = SendMessageW(item(kFileListId), LB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<std::size_t>(row) >= shownFiles_.size()) {
        selectedFile_.clear();
        return;
    }
    selectedFile_ = shownFiles_[static_cast<std::size_t>(row)];
    showDriveOf(currentFolder_);
    setName(proposedName(selectedFile_));
}

void FilePicker::showDriveOf(const std::string& path) {
    const char letter = driveLetterOf(path);
    int row = -1;
    for (std::size_t i = 0; i < driveRows_.size(); ++i) {
        if (driveRows_[i].letter == letter) {
            row = static_cast<int>(i);
        }
    }
    driveShown_ = letter;
    SendMessageW(item(kDriveBoxId), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

void FilePicker::chooseDrive() {
    const auto row = SendMessageW(item(kDriveBoxId), CB_GETCURSEL, 0, 0);
    if (row < 0 || static_cast<std::size_t>(row) >= driveRows_.size()) {
        return;
    }
    const char letter = driveRows_[static_cast<std::size_t>(row)].letter;
    if (letter == driveShown_) {
        return;
    }
    // A drive that cannot be entered stays shown in the box and the lists keep the last
    // folder; choosing it again, once its medium is in, tries again.
    enterFolder(driveCurrentFolder(letter));
    driveShown_ = letter;
}

void FilePicker::enterHighlightedFolder() {
    const auto row = SendMessageW(item(kFolderListId), LB_GETCURSEL, 0, 0);
    if (row >= 0 && static_cast<std::size_t>(row) < folderRows_.size()) {
        enterFolder(folderRows_[static_cast<std::size_t>(row)].path);
    }
}

void FilePicker::chooseMask(std::size_t index) {
    if (index == maskIndex_) {
        return;
    }
    FolderContent content = readFolder(currentFolder_);
    maskIndex_ = index;
    folderFiles_ = std::move(content.files);
    sortNames(folderFiles_);
    selectedFile_.clear();
    fillFileList();
}

void FilePicker::fillFolderList() {
    std::vector<std::string> texts;
    texts.reserve(folderRows_.size());
    for (const auto& row : folderRows_) {
        texts.push_back(row.text);
    }
    HWND list = item(kFolderListId);
    fillList(list, LB_RESETCONTENT, LB_ADDSTRING, texts);
    if (!folderRows_.empty()) {
        SendMessageW(list, LB_SETCURSEL, currentFolderRow(folderRows_), 0);
    }
}

void FilePicker::fillFileList() {
    shownFiles_.clear();
    for (const auto& name : folderFiles_) {
        if (matchesMask(name, kPickerMasks[maskIndex_])) {
            shownFiles_.push_back(name);
        }
    }
    fillList(item(kFileListId), LB_RESETCONTENT, LB_ADDSTRING, shownFiles_);
    selectFileRow();
}

void FilePicker::selectFileRow() {
    if (hwnd() == nullptr) {
        return;
    }
    int row = -1;
    // File names are found whatever their letter case, as the file system finds them: a
    // stored C:\WINDOWS\NOTEPAD.EXE selects notepad.exe, which is then taken as spelled.
    for (std::size_t i = 0; i < shownFiles_.size() && !selectedFile_.empty(); ++i) {
        if (sameNameIgnoringCase(shownFiles_[i], selectedFile_)) {
            row = static_cast<int>(i);
        }
    }
    if (row < 0) {
        selectedFile_.clear();
    } else {
        selectedFile_ = shownFiles_[static_cast<std::size_t>(row)];
    }
    SendMessageW(item(kFileListId), LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

bool FilePicker::nameGiven() {
    // Only an empty field is refused: blanks are a name.
    if (!text(kNameId).empty()) {
        return true;
    }
    warningBox(hwnd(), ui::kMsgButtonNameMissing);
    focusOn(kNameId);
    return false;
}

void FilePicker::registerFile() {
    if (!nameGiven()) {
        return;
    }
    const std::string path = filePath();
    if (path.empty()) {
        warningBox(hwnd(), text::kMsgNoFileSelected);
        return;
    }
    // A shortcut the shell cannot resolve, or one without a file-system target, is kept as
    // the shortcut file itself: launching it still opens its target through the shell,
    // where an empty path would leave a slot that opens nothing.
    choose(isShortcutPath(path) ? resolveShortcut(path, hwnd()).value_or(path) : path, false);
}

void FilePicker::registerFolder() {
    if (nameGiven()) {
        choose(currentFolder_, true);
    }
}

void FilePicker::choose(const std::string& path, bool isFolder) {
    // A name the settings file cannot hold is refused with its message; the user corrects it
    // in the field.
    if (accept(FileChoice{text(kNameId), path, isFolder}, kNameId)) {
        end(IDOK);
    }
}

bool FilePicker::onDrawItem(const DRAWITEMSTRUCT& row) {
    const auto id = static_cast<int>(row.CtlID);
    if (id != kFolderListId && id != kFileListId && id != kDriveBoxId) {
        return false;
    }
    const bool selected = (row.itemState & ODS_SELECTED) != 0;
    RECT r = row.rcItem;
    FillRect(row.hDC, &r, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    const std::size_t index = row.itemID;
    HICON icon = nullptr;
    const std::string* caption = nullptr;
    int indent = 0;
    if (id == kFolderListId && index < folderRows_.size()) {
        const FolderRow& folder = folderRows_[index];
        icon = icons_->get(folder.open ? ListIcons::FolderOpen : ListIcons::FolderClosed);
        caption = &folder.text;
        indent = folder.level * px(kIndentStep);
    } else if (id == kFileListId && index < shownFiles_.size()) {
        caption = &shownFiles_[index];
        icon = icons_->get(isProgramName(*caption) ? ListIcons::Program : ListIcons::Document);
    } else if (id == kDriveBoxId && index < driveRows_.size()) {
        caption = &driveRows_[index].entry;
        icon = icons_->get(driveRows_[index].icon);
    }
    if (caption != nullptr) {
        const int size = px(kIconSize);
        int x = r.left + px(2) + indent;
        if (icon != nullptr) {
            DrawIconEx(row.hDC, x, r.top + (r.bottom - r.top - size) / 2, icon, size, size, 0,
                       nullptr, DI_NORMAL);
        }
        x += size + px(3);
        RECT textBox{x, r.top, r.right, r.bottom};
        Selection textFont(row.hDC, font(kFieldFontPixels));
        SetBkMode(row.hDC, TRANSPARENT);
        SetTextColor(row.hDC, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
        const std::wstring wide = widen(*caption);
        DrawTextW(row.hDC, wide.c_str(), static_cast<int>(wide.size()), &textBox,
                  DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS);
    }
    if ((row.itemState & ODS_FOCUS) != 0 && (row.itemState & ODS_NOFOCUSRECT) == 0) {
        DrawFocusRect(row.hDC, &r);
    }
    return true;
}

} // namespace tarvok
