#include "dialogs/about_box.h"

#include "dialogs/about_box_texts.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/text_format.h"

#include <algorithm>

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kLinkFontPixels = 13;
constexpr int kVersionPoints = 10;
constexpr POINT kVersionAt{8, 12};
constexpr Box kLinkBox{8, 56, 221, 13};
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

const ControlSpec kControls[] = {
    {Kind::DefaultButton, IDOK, ui::kButtonOk, {167, 84, 75, 25}},
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
    // The link is a label that reports clicks, in the dialog's font underlined.
    HWND link =
        makeChild(hwnd(), L"STATIC", text::kHomePage, SS_LEFT | SS_NOPREFIX | SS_NOTIFY, kLinkId);
    LOGFONTW lf{};
    GetObjectW(font(kLinkFontPixels), sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    linkFont_.reset(CreateFontIndirectW(&lf));
    setFont(link, linkFont_.get());
    // The underline lies below the design height: the label grows to keep it.
    const int height =
        std::max<int>(px(kLinkBox.height), measureText(link, linkFont_.get(), L"A").cy + 1);
    MoveWindow(link, px(kLinkBox.left), px(kLinkBox.top), px(kLinkBox.width), height, FALSE);
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

bool AboutBox::onMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORSTATIC && reinterpret_cast<HWND>(lParam) == item(kLinkId)) {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, kLinkColour);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
        return true;
    }
    if (message == WM_SETCURSOR && reinterpret_cast<HWND>(wParam) == item(kLinkId)) {
        SetCursor(LoadCursorW(nullptr, IDC_HAND));
        result = TRUE;
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
