#pragma once

#include "platform/dialog.h"
#include "settings/slot_record.h"

#include <functional>
#include <optional>
#include <string>

namespace tarvok {

// TF_PAGE_NM: the names of the five pages in one dialog. OK and キャンセル, no default
// button (Enter changes nothing), Esc cancels.
class PageNameDialog final : public Dialog {
  public:
    static constexpr int kFieldBase = 100; // + page 1 to 5 (LBEdit1 to LBEdit5)
    static constexpr int kLabelBase = 110; // + page
    static constexpr int kFrameId = 120;
    // Not IDOK: the dialog manager sends IDOK for Enter, which must not close the dialog.
    static constexpr int kOkId = 121;

    // `checkName` throws for a name the settings file cannot hold; OK then keeps the dialog
    // open on that field, so nothing typed is lost.
    PageNameDialog(PageNames names, std::function<void(const std::string&)> checkName);
    // The five names as typed when the user pressed OK; nullopt after キャンセル or Esc.
    std::optional<PageNames> run(HWND owner);

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;

    PageNames names_;
    std::function<void(const std::string&)> checkName_;
};

} // namespace tarvok
