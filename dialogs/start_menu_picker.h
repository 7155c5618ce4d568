#pragma once

#include "platform/dialog.h"
#include "platform/folder_list_view.h"

#include <functional>
#include <optional>
#include <string>

namespace tarvok {

// The Start menu's Programs folder a registration opens on: the all-users folder when the
// registry names one ("Common Programs" under Explorer's Shell Folders; only its presence
// counts), the user's own otherwise. A folder the shell refuses raises AppError.
std::string startMenuProgramsFolder();

// TF_LIST: picks a shortcut file from the Programs folder (first list) or one of its
// subfolders (second list, one level deeper per click on a folder) and registers the
// shortcut file itself, not its target.
class StartMenuPicker final : public Dialog {
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

    // Writes the slot record of a registration (button name, shortcut file); what it throws
    // leaves the dialog open.
    using Store = std::function<void(const std::string& name, const std::string& shortcut)>;

    struct Registered {
        std::string name;
        std::string shortcut; // programs folder + "\" + the entry last clicked
    };

    StartMenuPicker(std::string programsFolder, Store store);
    // Shows the picker with `name` in the name field; the registration after OK.
    std::optional<Registered> run(HWND owner, const std::string& name);
    // The folder the picker showed last: its folder buttons change it, also on Cancel.
    const std::string& programsFolder() const { return programsFolder_; }

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;
    bool onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    void list(FolderListView& view, const std::string& folder);
    void clickFirst();
    void clickSecond();
    void switchTo(const std::string& folder);
    void registerShortcut();

    std::string programsFolder_;
    Store store_;
    std::string name_;
    std::optional<Registered> registered_;
    FolderListView first_, second_;
    // Relative to the programs folder: the entry last clicked in either list, and the folder
    // the second list shows.
    std::string selectedEntry_;
    std::string secondFolder_;
};

} // namespace tarvok
