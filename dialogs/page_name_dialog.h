#pragma once

#include "platform/dialog.h"
#include "settings/slot_record.h"

#include <optional>
#include <string>

namespace tarvok {

// TF_PAGE_NM: the names of the five pages in one dialog. OK and キャンセル, no default
// button (Enter changes nothing), Esc cancels.
class PageNameDialog final : public ChoiceDialog<PageNames> {
  public:
    static constexpr int kFieldBase = 100; // + page 1 to 5 (LBEdit1 to LBEdit5)
    static constexpr int kLabelBase = 110; // + page
    static constexpr int kFrameId = 120;
    // Not IDOK: the dialog manager sends IDOK for Enter, which must not close the dialog.
    static constexpr int kOkId = 121;

    // A name the settings file cannot hold keeps the dialog open on its field, so nothing
    // typed is lost.
    explicit PageNameDialog(PageNames names);

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;

    PageNames names_;
};

} // namespace tarvok
