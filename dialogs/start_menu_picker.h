#pragma once

#include "platform/dialog.h"
#include "platform/folder_list_view.h"

#include <optional>
#include <string>

namespace tarvok {

// The Start menu's Programs folder a registration opens on: the all-users folder when the
// registry names one ("Common Programs" under Explorer's Shell Folders; only its presence
// counts), the user's own otherwise. A folder the shell refuses raises AppError.
std::string startMenuProgramsFolder();

// What the start-menu picker registers: the button name and the shortcut file itself, not its
// target (the programs folder + "\" + the entry last clicked).
struct StartMenuChoice {
    std::string name;
    std::string shortcut;
};

// TF_LIST: picks a shortcut file from the Programs folder (first list) or one of its
// subfolders (second list, one level deeper per click on a folder).
class StartMenuPicker final : public ChoiceDialog<StartMenuChoice> {
  public:
    static constexpr int kFirstLabelId = 100;
    static constexpr int kSecondLabelId = 101;
    static constexpr int kFirstListId = 102;
    static constexpr int kSecondListId = 103;
    static constexpr int kCurrentUserId = 104;
    static constexpr int kAllUsersId = 105;
    static constexpr int kNameLabelId = 106;
    static constexpr int kNameId = 107;
    static constexpr int kRegisterId = 108;

    explicit StartMenuPicker(std::string programsFolder);
    // Shows the picker with `name` in the name field.
    std::optional<StartMenuChoice> run(HWND owner, const std::string& name, Accept accept) {
        name_ = name;
        return ChoiceDialog::run(owner, std::move(accept));
    }

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;
    bool onNotify(NMHDR& header, LRESULT& result) override;

    void list(FolderListView& view, const std::string& folder);
    void clickFirst();
    void clickSecond();
    void switchTo(const std::string& folder);
    void registerShortcut();

    std::string programsFolder_;
    std::string name_;
    FolderListView first_, second_;
    // Relative to the programs folder: the entry last clicked in either list, and the folder
    // the second list shows.
    std::string selectedEntry_;
    std::string secondFolder_;
};

} // namespace tarvok
