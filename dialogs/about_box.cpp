#include "dialogs/about_box.h"

#include "dialogs/about_box_texts.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/text_format.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kLinkFontPixels = 13;
constexpr int kVersionPoints = 10;
constexpr POINT kVersionAt{8, 12};
const ControlSpec kControls[] = {
    {Kind::DefaultButton, IDOK, ui::kButtonOk, {167, 84, 75, 25}},
    {Kind::Link, AboutBox::kLinkId, text::kHomePage, {8, 56, 221, 13}, kLinkFontPixels},
};

} // namespace

AboutBox::AboutBox(const std::string& applicationTitle,
                   std::function<void(const std::string&)> openAddress)
    : Dialog(Frame{.windowClass = L"TF_VER",
                   .clientWidth = 249,
                   .clientHeight = 114,
                   .fontPixels = 12,
                   .escapeCancels = false,
                   .closeBoxCancels = true}),
      openAddress_(std::move(openAddress)) {
    setCaption(formatMessage(text::kAboutCaption, {applicationTitle}));
}

void AboutBox::build() {
    addAll(kControls);
    versionFont_ = pointFont(kVersionPoints, dpi());
}

bool AboutBox::onCommand(int id, int notification, HWND) {
    if (id == IDOK) {
        end(IDOK);
        return true;
    }
    if (id == kLinkId && notification == STN_CLICKED) {
        openAddress_(text(kLinkId));
        return true;
    }
    return false;
}

void AboutBox::onPaint(HDC dc) {
    Selection selected(dc, versionFont_.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    const std::wstring line = widen(text::kAboutVersionLine);
    TextOutW(dc, px(kVersionAt.x), px(kVersionAt.y), line.c_str(), static_cast<int>(line.size()));
}

} // namespace tarvok
