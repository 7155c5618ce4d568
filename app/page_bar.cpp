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
// A trailing blank is spacing, not a letter to show. `dc` has the label font selected.
RECT labelBounds(HDC dc, const char* text, const Box& design, UINT dpi) {
    std::wstring letters = widen(text);
    letters.erase(letters.find_last_not_of(L' ') + 1);
    SIZE size{};
    GetTextExtentPoint32W(dc, letters.c_str(), static_cast<int>(letters.size()), &size);
    RECT r = scaledRect(design, dpi);
    r.right = r.left + std::max<int>(r.right - r.left, size.cx);
    return r;
}

RECT buttonBounds(int page, UINT dpi) {
    return scaledRect({layout::kToolButtonLeft[page - kFirstPage], layout::kToolRowTop,
                       layout::kToolButtonWidth, layout::kToolRowHeight},
                      dpi);
}

} // namespace

void PageBar::create(HWND parent, UINT dpi) {
    registerToolBarClass();
    buttonFont_ = uiFont(layout::kFontToolBar, false, dpi);
    labelFont_ = uiFont(layout::kFontToolLabel, false, dpi);
    bar_ = makeChild(parent, kToolBarClass, "", WS_CLIPCHILDREN, cmd::kToolBar,
                     scaledRect(layout::kToolBar, dpi), nullptr, WS_EX_CONTROLPARENT);
    const WindowDc dc(bar_);
    const Selection font(dc.get(), labelFont_.get());
    constexpr DWORD kLabelStyle = SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX;
    previousLabel_ =
        makeChild(bar_, L"STATIC", text::kToolLabelPrevious, kLabelStyle, cmd::kToolLabelPrevious,
                  labelBounds(dc.get(), text::kToolLabelPrevious, layout::kToolLabelPrevious, dpi),
                  labelFont_.get());
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const DWORD style = BS_AUTORADIOBUTTON | BS_PUSHLIKE | (page == kFirstPage ? WS_GROUP : 0);
        HWND& button = buttons_[static_cast<std::size_t>(page - kFirstPage)];
        button = makeChild(bar_, L"BUTTON", std::to_string(page), style,
                           cmd::kToolButtonBase + page, buttonBounds(page, dpi), buttonFont_.get());
        followFocusCues(button);
    }
    nextLabel_ = makeChild(bar_, L"STATIC", text::kToolLabelNext, kLabelStyle, cmd::kToolLabelNext,
                           labelBounds(dc.get(), text::kToolLabelNext, layout::kToolLabelNext, dpi),
                           labelFont_.get());
    press(kFirstPage);
}

void PageBar::layout(UINT dpi) {
    buttonFont_ = uiFont(layout::kFontToolBar, false, dpi);
    labelFont_ = uiFont(layout::kFontToolLabel, false, dpi);
    moveTo(bar_, layout::kToolBar, dpi);
    const WindowDc dc(bar_);
    const Selection font(dc.get(), labelFont_.get());
    struct Label {
        HWND window;
        const char* text;
        Box design;
    };
    for (const Label& l :
         {Label{previousLabel_, text::kToolLabelPrevious, layout::kToolLabelPrevious},
          Label{nextLabel_, text::kToolLabelNext, layout::kToolLabelNext}}) {
        const auto& [label, text, design] = l;
        setFont(label, labelFont_.get());
        const RECT r = labelBounds(dc.get(), text, design, dpi);
        MoveWindow(label, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        HWND button = buttons_[static_cast<std::size_t>(page - kFirstPage)];
        const RECT r = buttonBounds(page, dpi);
        MoveWindow(button, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
        setFont(button, buttonFont_.get());
    }
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
