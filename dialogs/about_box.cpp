#include "dialogs/about_box.h"

#include "dialogs/about_box_texts.h"
#include "platform/accessibility.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/text_format.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kLinkFontPixels = 13;
constexpr int kVersionPoints = 10;
constexpr POINT kVersionAt{8, 12};
constexpr Box kLinkBox{8, 56, 221, 13};

} // namespace

AboutBox::AboutBox(const std::string& applicationTitle, std::string linkText,
                   std::function<void(HWND)> follow)
    : Dialog(Frame{.windowClass = L"TF_VER",
                   .clientWidth = 249,
                   .clientHeight = 114,
                   .fontPixels = 12,
                   .escapeCancels = false,
                   .closeBoxCancels = true}),
      linkText_(std::move(linkText)), follow_(std::move(follow)) {
    setCaption(formatMessage(text::kAboutCaption, {applicationTitle}));
}

void AboutBox::build() {
    add({Kind::DefaultButton, IDOK, ui::kButtonOk, {167, 84, 75, 25}});
    add({Kind::Link, kLinkId, linkText_, kLinkBox, kLinkFontPixels});
    versionFont_ = pointFont(kVersionPoints, dpi());
    // Painted, not a control: a screen reader gets the version line as the box's description.
    annotateAccessible(hwnd(), {.description = text::kAboutVersionLine});
}

bool AboutBox::onCommand(int id, int notification, HWND) {
    if (id == IDOK) {
        end(IDOK);
        return true;
    }
    if (id == kLinkId && notification == STN_CLICKED) {
        follow_(hwnd());
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
