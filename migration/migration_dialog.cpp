#include "migration/migration_dialog.h"

#include "migration/migration_dialog_texts.h"
#include "migration/migration_rules.h"
#include "platform/accessibility.h"
#include "platform/files.h"
#include "platform/folder_browser.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/paths.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kPaintedPoints = 9;
constexpr POINT kHeadingAt{8, 6};
constexpr POINT kHintAt{10, 23};

const ControlSpec kControls[] = {
    {Kind::Button, MigrationDialog::kRunId, text::kImportRun, {127, 84, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {207, 84, 75, 25}},
    {Kind::ReadOnlyEdit, MigrationDialog::kPathId, "", {8, 40, 321, 20}},
    {Kind::SpeedButton, MigrationDialog::kChangeId, text::kImportChange, {336, 40, 57, 25}},
    {Kind::Label, MigrationDialog::kExLabelId, text::kImportExLabel, {8, 120, 348, 12}},
};

} // namespace

MigrationDialog::MigrationDialog(std::string programFolder)
    : ChoiceDialog(Frame{.windowClass = L"TF_IMPORT", .clientWidth = 398, .clientHeight = 137}),
      programFolder_(std::move(programFolder)) {
    setCaption(text::kImportCaption);
}

void MigrationDialog::build() {
    addAll(kControls);
    paintedFont_ = pointFont(kPaintedPoints, dpi());
    // The two lines are painted, not controls: a screen reader gets them as the screen's
    // description, and the first, which says what the path is, as the path's name.
    annotateAccessible(hwnd(), {.description = importHeading() + "\r\n" + text::kImportHint});
    setAccessibleName(item(kPathId), importHeading());
}

void MigrationDialog::onInit() {
    setText(kPathId, defaultEarlierDataPath());
}

void MigrationDialog::onPaint(HDC dc) {
    Selection selected(dc, paintedFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    for (const auto& [at, line] : {std::pair{kHeadingAt, widen(importHeading())},
                                   std::pair{kHintAt, widen(text::kImportHint)}}) {
        TextOutW(dc, px(at.x), px(at.y), line.c_str(), static_cast<int>(line.size()));
    }
}

bool MigrationDialog::onCommand(int id, int notification, HWND) {
    if (notification != BN_CLICKED) {
        return false;
    }
    if (id == kChangeId) {
        chooseFolder();
        return true;
    }
    if (id == kRunId) {
        migrate();
        return true;
    }
    return false;
}

bool MigrationDialog::liesOutsideProgramFolder(const std::string& path) {
    if (!sameNameIgnoringCase(folderPartOf(path), folderPartOf(programFolder_))) {
        return true;
    }
    warningBox(hwnd(), sameFolderWarning());
    return false;
}

void MigrationDialog::chooseFolder() {
    // A refused folder opens the browser again on that folder.
    std::string folderText;
    while (const auto chosen = browseForFolder(hwnd(), text::kBrowseTitle, folderText)) {
        folderText = withOneBackslash(*chosen);
        const std::string candidate = folderText + text::kEarlierDataFile;
        if (!fileExists(candidate)) {
            warningBox(hwnd(), browsedFolderLacksDataFile(folderText));
            continue;
        }
        if (liesOutsideProgramFolder(candidate)) {
            setText(kPathId, candidate);
            return;
        }
    }
}

void MigrationDialog::migrate() {
    const std::string path = text(kPathId);
    const std::string folder = folderPartOf(path);
    if (!folderExists(folder)) {
        warningBox(hwnd(), missingFolderWarning(folder));
        return;
    }
    if (!fileExists(path)) {
        warningBox(hwnd(), missingDataFileWarning(folder));
        return;
    }
    if (!liesOutsideProgramFolder(path)) {
        return;
    }
    // No is focused, and only Yes goes on: Enter, Space, Esc and the close box all keep
    // the settings file as it is.
    if (!confirmYesNo(hwnd(), text::kAskMigrate, true)) {
        return;
    }
    // The file may have gone while the question was open; read as missing it would blank
    // every slot and still report success.
    if (!fileExists(path)) {
        warningBox(hwnd(), missingDataFileWarning(folder));
        return;
    }
    {
        // A file that cannot be read or written ends here with its error: nothing was saved,
        // no completion is reported and the screen stays open.
        WaitCursor hourglass;
        if (!accept(path)) {
            return;
        }
    }
    informationBox(hwnd(), text::kMigrationDone);
    end(kRunId);
}

} // namespace tarvok
