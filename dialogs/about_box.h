#pragma once

#include "platform/dialog.h"

#include <functional>
#include <string>

namespace tarvok {

// The about box: the version line painted on its face, a link and OK. Enter and the close box
// close it; Esc does nothing, as the box has no cancel button.
class AboutBox final : public Dialog {
  public:
    static constexpr int kLinkId = 100;

    // `follow` runs when the link showing `linkText` is clicked (or pressed from the keyboard),
    // with the box as the owner of anything it shows; what it throws is reported and the box
    // stays open.
    AboutBox(const std::string& applicationTitle, std::string linkText,
             std::function<void(HWND box)> follow);
    void run(HWND owner) { showModal(owner); }

  private:
    void build() override;
    bool onCommand(int id, int notification, HWND control) override;
    void onPaint(HDC dc) override;

    std::string linkText_;
    std::function<void(HWND)> follow_;
    UniqueFont versionFont_;
};

} // namespace tarvok
