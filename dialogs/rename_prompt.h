#pragma once

#include "platform/dialog.h"

#include <optional>
#include <string>

namespace tarvok {

// The one-field prompt for a button's new name: the present name selected, OK on Enter,
// キャンセル on Esc.
class RenamePrompt final : public Dialog {
  public:
    static constexpr int kPromptId = 100;
    static constexpr int kNameId = 101;
    static constexpr int kMaxLength = 255;

    explicit RenamePrompt(std::string name);
    // The text typed when the user pressed OK (possibly empty); nullopt after キャンセル.
    std::optional<std::string> run(HWND owner);

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;

    std::string name_;
};

} // namespace tarvok
