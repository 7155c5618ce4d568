#pragma once

#include "platform/dialog.h"

#include <functional>
#include <string>

namespace tarvok {

// The about box: the version line painted on its face, the home page as a link and OK.
// Enter and the close box close it; Esc does nothing, as the box has no cancel button.
class AboutBox final : public Dialog {
  public:
    static constexpr int kLinkId = 100;

    // `openAddress` opens the home page when the link is clicked (the main window's shell-run
    // action); what it throws is reported and the box stays open.
    AboutBox(const std::string& applicationTitle,
             std::function<void(const std::string&)> openAddress);
    void run(HWND owner) { showModal(owner); }

  private:
    void build() override;
    bool onCommand(int id, int notification, HWND control) override;
    void onPaint(HDC dc) override;

    std::function<void(const std::string&)> openAddress_;
    UniqueFont versionFont_;
};

} // namespace tarvok
