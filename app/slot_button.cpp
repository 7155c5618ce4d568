#include "app/slot_button.h"

#include "app/layout.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>

namespace tarvok {

void SlotButton::create(HWND parent, int id, int keyNumber) {
    name_ = "SPD_BTNF" + std::to_string(keyNumber);
    hwnd_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void SlotButton::show(const std::string& caption, std::shared_ptr<const Glyph> glyph) {
    // The glyph goes first: a BUTTON repaints as soon as its text changes.
    const bool sameGlyph = glyph == glyph_;
    glyph_ = std::move(glyph);
    const std::wstring text = widen(caption);
    wchar_t current[512];
    const int length = GetWindowTextW(hwnd_, current, 512);
    if (text.size() >= 511 ||
        text.compare(0, std::wstring::npos, current, static_cast<std::size_t>(length)) != 0) {
        SetWindowTextW(hwnd_, text.c_str());
    } else if (!sameGlyph) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SlotButton::setGlyph(std::shared_ptr<const Glyph> glyph) {
    if (glyph != glyph_) {
        glyph_ = std::move(glyph);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SlotButton::draw(const DRAWITEMSTRUCT& item, UINT dpi) const {
    const RECT& target = item.rcItem;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    // Drawn off screen and copied in one step: no flicker, and one transfer to the display
    // instead of one per glyph, edge and text.
    HDC dc = CreateCompatibleDC(item.hDC);
    UniqueBitmap canvas = makeDib(item.hDC, width, height);
    HGDIOBJ oldCanvas = SelectObject(dc, canvas.get());
    HGDIOBJ oldFont =
        SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
    RECT r{0, 0, width, height};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = pressed ? 1 : 0;
    int x = scale(layout::kGlyphMargin, dpi) + shift;
    if (glyph_) {
        HDC mem = CreateCompatibleDC(item.hDC);
        HGDIOBJ old = SelectObject(mem, glyph_->bitmap.get());
        const int y = (height - glyph_->size.cy) / 2 + shift;
        TransparentBlt(dc, x, y, glyph_->size.cx, glyph_->size.cy, mem, 0, 0, glyph_->size.cx,
                       glyph_->size.cy, glyph_->transparent);
        SelectObject(mem, old);
        DeleteDC(mem);
        x += glyph_->size.cx + scale(layout::kGlyphSpacing, dpi);
    }
    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(static_cast<std::size_t>(length));
    RECT text{x, shift, width - scale(2, dpi), height + shift};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    // The caption is the user's own text: "&" is shown, not turned into an underline.
    DrawTextW(dc, caption.c_str(), length, &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
        RECT focus = r;
        InflateRect(&focus, -scale(2, dpi), -scale(2, dpi));
        DrawFocusRect(dc, &focus);
    }
    BitBlt(item.hDC, target.left, target.top, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, oldFont);
    SelectObject(dc, oldCanvas);
    DeleteDC(dc);
}

LRESULT CALLBACK SlotButton::subclassProc(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR,
                                          DWORD_PTR data) {
    auto* self = reinterpret_cast<SlotButton*>(data);
    switch (m) {
    case WM_MOUSEMOVE:
        if (!self->hot_) {
            self->hot_ = true;
            TRACKMOUSEEVENT track{};
            track.cbSize = sizeof track;
            track.dwFlags = TME_LEAVE;
            track.hwndTrack = h;
            TrackMouseEvent(&track);
            InvalidateRect(h, nullptr, FALSE);
        }
        break;
    case WM_MOUSELEAVE:
        self->hot_ = false;
        InvalidateRect(h, nullptr, FALSE);
        break;
    case WM_ERASEBKGND:
        return 1; // drawn whole in WM_DRAWITEM; erasing first would flicker
    case WM_NCDESTROY:
        RemoveWindowSubclass(h, subclassProc, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(h, m, w, l);
}

} // namespace tarvok
