#pragma once

#include "dialogs/file_picker_rules.h"
#include "platform/dialog.h"
#include "platform/drives.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tarvok {

// What the file picker registers: a file (a shortcut as its target) or the folder shown, under
// the name in its name field.
struct FileChoice {
    std::string name;
    std::string path;
    bool isFolder = false;
};

// TF_EXESET: a file, a shortcut's target or a folder found by browsing drives and folders.
// The caller points it at a folder or file before showing it.
class FilePicker final : public ChoiceDialog<FileChoice> {
  public:
    static constexpr int kFrameId = 100;
    static constexpr int kDriveLabelId = 101;
    static constexpr int kDriveBoxId = 102;
    static constexpr int kFolderLabelId = 103;
    static constexpr int kMyDocumentsId = 104;
    static constexpr int kDesktopId = 105;
    static constexpr int kFolderListId = 106;
    static constexpr int kFileLabelId = 107;
    static constexpr int kFileListId = 108;
    static constexpr int kFilterId = 110; // its items are 111 (all), 112, 113
    static constexpr int kNameLabelId = 120;
    static constexpr int kNameId = 121;
    static constexpr int kRegisterFileId = 122;
    static constexpr int kRegisterFolderId = 123;
    // The cancel button is IDCANCEL. No button is IDOK: Enter registers nothing.

    FilePicker();

    // A folder becomes the current folder with no file selected; a file makes its folder
    // current and selects it. An empty path, or the file already selected, changes nothing.
    // A folder that cannot be entered raises AppError of the input/output kind and leaves
    // the picker where it was.
    void applyPath(const std::string& path);
    // Every change of the current folder, whatever made it (the caller keeps it as the
    // folder the next opening starts in).
    void onFolderChange(std::function<void(const std::string&)> listener) {
        folderListener_ = std::move(listener);
    }
    void setName(const std::string& name);

    const std::string& currentFolder() const { return currentFolder_; }
    // The current folder joined with the selected file; empty when none is selected.
    std::string filePath() const;

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;
    bool onDrawItem(const DRAWITEMSTRUCT& row) override;

    void enterFolder(const std::string& folder);
    void folderChanged();
    void fileSelected();
    void chooseDrive();
    void showDriveOf(const std::string& path);
    void enterHighlightedFolder();
    void chooseMask(std::size_t index);
    void fillFolderList();
    void fillFileList();
    void selectFileRow();
    bool nameGiven();
    void registerFile();
    void registerFolder();
    void choose(const std::string& path, bool isFolder);

    std::string currentFolder_;
    std::vector<FolderRow> folderRows_;
    std::vector<std::string> folderFiles_; // every ordinary file, sorted
    std::vector<std::string> shownFiles_;  // those that match the mask
    std::string selectedFile_;
    std::size_t maskIndex_ = 0;
    std::string name_;
    struct DriveRow {
        char letter;
        std::string entry;
        ListIcons::Icon icon;
    };
    std::vector<DriveRow> driveRows_;
    char driveShown_ = 0;
    std::unique_ptr<ListIcons> icons_;
    std::function<void(const std::string&)> folderListener_;
};

} // namespace tarvok
