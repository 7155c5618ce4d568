#pragma once

#include "platform/dialog.h"
#include "settings/summon_key.h"

#include <optional>

namespace tarvok {

struct SummonKeyChoice {
    std::optional<HotKey> key; // none: turned off
};

// TF_SUMMON: the summon key shown, with whether it works, and a new one pressed in a hot-key
// field, or "なし" to turn it off. OK on Enter, キャンセル on Esc. A field left as it opened
// keeps the present key, also one the field cannot show (with Win, written by hand).
class SummonKeyDialog final : public ChoiceDialog<SummonKeyChoice> {
  public:
    static constexpr int kExplanationId = 100;
    static constexpr int kCurrentLabelId = 101;
    static constexpr int kCurrentId = 102;
    static constexpr int kStateId = 103;
    static constexpr int kNewLabelId = 104;
    static constexpr int kKeyId = 105;
    static constexpr int kNoneId = 106;

    SummonKeyDialog(std::optional<HotKey> current, bool active);

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;
    void onOk();

    std::optional<HotKey> current_;
    bool active_;
    bool keyChanged_ = false;
};

} // namespace tarvok
