#include "app/page_bar.h"

#include "app/layout.h"
#include "app/menus.h"
#include "app/texts.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "settings/slot_keys.h"

#include <algorithm>
#include <string>

namespace tarvok {

namespace {

constexpr wchar_t kToolBarClass[] = L"TarvokToolBar";

// The toolbar is a plain container: what its children report belongs to the main window.
LRESULT CALLBACK toolBarProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
        return SendMessageW(GetParent(h), m, w, l);
    default:
        return DefWindowProcW(h, m, w, l);
    }
}

void registerToolBarClass() {
    static const bool registered = [] {
        WNDCLASSEXW tool{};
        tool.cbSize = sizeof tool;
        tool.lpfnWndProc = toolBarProc;
        tool.hInstance = GetModuleHandleW(nullptr);
        tool.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        tool.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        tool.lpszClassName = kToolBarClass;
        return RegisterClassExW(&tool) != 0;
    }();
    (void)registered;
}

// A label of the bar at its design place and at least as wide as its letters: glyphs do not grow
// exactly with the DPI, and "→F12" needs more than the design's 29 pixels already at 96 DPI.
// A trailing blank is spacing, not a letter to show.
void placeLabel(HWND label, const Box& design, HFONT font, UINT dpi) {
    std::wstring letters = widen(windowText(label));
    letters.erase(letters.find_last_not_of(L' ') + 1);
    MoveWindow(label, scale(design.left, dpi), scale(design.top, dpi),
               std::max(scale(design.width, dpi), textWidth(label, font, letters)),
               scale(design.height, dpi), TRUE);
}

} // namespace

void PageBar::create(HWND parent) {
    registerToolBarClass();
    bar_ =
        makeChild(parent, kToolBarClass, "", WS_CLIPCHILDREN, cmd::kToolBar, WS_EX_CONTROLPARENT);
    previousLabel_ = makeChild(bar_, L"STATIC", text::kToolLabelPrevious,
                               SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelPrevious);
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const DWORD style = BS_AUTORADIOBUTTON | BS_PUSHLIKE | (page == kFirstPage ? WS_GROUP : 0);
        HWND& button = buttons_[static_cast<std::size_t>(page - kFirstPage)];
        button =
            makeChild(bar_, L"BUTTON", std::to_string(page), style, cmd::kToolButtonBase + page);
        followFocusCues(button);
    }
    nextLabel_ = makeChild(bar_, L"STATIC", text::kToolLabelNext,
                           SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelNext);
    press(kFirstPage);
}

void PageBar::layout(UINT dpi) {
    buttonFont_ = uiFont(layout::kFontToolBar, false, dpi);
    labelFont_ = uiFont(layout::kFontToolLabel, false, dpi);
    moveTo(bar_, layout::kToolBar, dpi);
    setFont(previousLabel_, labelFont_.get());
    placeLabel(previousLabel_, layout::kToolLabelPrevious, labelFont_.get(), dpi);
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        moveTo(buttons_[i],
               {layout::kToolButtonLeft[i], layout::kToolRowTop, layout::kToolButtonWidth,
                layout::kToolRowHeight},
               dpi);
        setFont(buttons_[i], buttonFont_.get());
    }
    setFont(nextLabel_, labelFont_.get());
    placeLabel(nextLabel_, layout::kToolLabelNext, labelFont_.get(), dpi);
}

void PageBar::press(int page) {
    const HWND focus = GetFocus();
    const bool hadFocus = std::find(buttons_.begin(), buttons_.end(), focus) != buttons_.end();
    // Only the button that was down and the new one change: a message to a button costs more
    // than anything else in a page turn.
    for (const int p : {pressed_, page}) {
        if (p < kFirstPage) {
            continue;
        }
        HWND button = buttons_[static_cast<std::size_t>(p - kFirstPage)];
        SendMessageW(button, BM_SETCHECK, p == page ? BST_CHECKED : BST_UNCHECKED, 0);
        // Tab enters the group at the page shown, as in any group of option buttons.
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE,
                          p == page ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
    }
    pressed_ = page;
    // Left on another page's button, Space would turn back.
    if (hadFocus) {
        SetFocus(buttons_[static_cast<std::size_t>(page - kFirstPage)]);
    }
}

bool PageBar::walk(HWND focus, int step) const {
    if (!contains(focus)) {
        return false;
    }
    const int page =
        std::clamp(GetDlgCtrlID(focus) - cmd::kToolButtonBase + step, kFirstPage, kLastPage);
    HWND button = buttons_[static_cast<std::size_t>(page - kFirstPage)];
    SetFocus(button);
    SendMessageW(button, BM_CLICK, 0, 0);
    return true;
}

} // namespace tarvok
