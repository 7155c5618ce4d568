#include "app/page_label.h"

#include "app/layout.h"
#include "app/menus.h"
#include "app/texts.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>

#include <algorithm>

namespace tarvok {

namespace {
constexpr COLORREF kPageNameColour = RGB(128, 128, 128);
}

void PageLabel::create(HWND parent, UINT dpi) {
    parent_ = parent;
    dpi_ = dpi;
    font_ = uiFont(layout::kFontPageName, true, dpi);
    // Placed by fit() once it shows a name.
    label_ = makeChild(parent, L"STATIC", text::kPageNameDesign, SS_OWNERDRAW | SS_NOTIFY,
                       cmd::kPageNameLabel, scaledRect(layout::kPageName, dpi), font_.get());
}

void PageLabel::layout(UINT dpi) {
    dpi_ = dpi;
    font_ = uiFont(layout::kFontPageName, true, dpi);
    setFont(label_, font_.get());
    fit();
}

void PageLabel::show(const std::string& name) {
    // Pages often share a name (or have none): the label is not painted again for nothing.
    if (windowText(label_) == name) {
        return;
    }
    setWindowText(label_, name);
    fit();
}

void PageLabel::fit() {
    const std::wstring name = widen(windowText(label_));
    const int designWidth = scale(layout::kPageName.width, dpi_);
    const int left = scale(layout::kPageName.left, dpi_);
    const int room = scale(layout::kClientWidth, dpi_) - 2 * left;
    const int needed = textWidth(label_, font_.get(), name);
    // The label keeps its design bottom and grows upwards to the font's whole cell: a font
    // taller than the design (a substitute for the designed one) would otherwise lose the top
    // of its letters, the voiced marks of ガ or パ among them.
    const int bottom = scale(layout::kPageName.top + layout::kPageName.height, dpi_);
    const int height = std::max(scale(layout::kPageName.height, dpi_),
                                static_cast<int>(measureText(label_, font_.get(), L"ガ").cy));
    SetWindowPos(label_, nullptr, left, bottom - height, std::clamp(needed, designWidth, room),
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(label_, nullptr, TRUE);
    std::wstring tip = needed > room ? name : std::wstring{};
    if (tip_ == nullptr && tip.empty()) {
        return; // made when first needed: a window less at every start
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = parent_;
    tool.uId = reinterpret_cast<UINT_PTR>(label_);
    tool.lpszText = tip.data();
    if (tip_ == nullptr) {
        const INITCOMMONCONTROLSEX tips{sizeof tips, ICC_BAR_CLASSES};
        InitCommonControlsEx(&tips);
        tip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        SendMessageW(tip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

bool PageLabel::draw(const DRAWITEMSTRUCT& item) const {
    if (item.hwndItem != label_) {
        return false;
    }
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    const std::wstring caption = widen(windowText(item.hwndItem));
    Selection font(item.hDC, font_.get());
    SIZE size{};
    GetTextExtentPoint32W(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &size);
    const UINT align = size.cx > r.right - r.left ? DT_LEFT | DT_END_ELLIPSIS : DT_CENTER;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, kPageNameColour);
    DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &r,
              align | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
    return true;
}

} // namespace tarvok
