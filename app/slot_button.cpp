#include "app/slot_button.h"

#include "app/layout.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>

namespace tarvok {

void SlotButton::create(HWND parent, int id, int keyNumber) {
    keyNumber_ = keyNumber;
    name_ = "SPD_BTNF" + std::to_string(keyNumber);
    hwnd_ = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, 0,
                            0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), nullptr);
    SetWindowSubclass(hwnd_, subclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
}

void SlotButton::setCaption(const std::string& caption) {
    SetWindowTextW(hwnd_, widen(caption).c_str());
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SlotButton::clearGlyph() {
    if (glyph_) {
        glyph_.reset();
        glyphSize_ = {0, 0};
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SlotButton::setGlyphFromIcon(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        clearGlyph();
        return;
    }
    BITMAP bm{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    const int width = bm.bmWidth;
    const int height = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
    }

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    HDC screen = GetDC(hwnd_);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen, width, height));
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, bitmap.get());
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(face);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    SetPixel(dc, 0, height - 1, face);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(hwnd_, screen);

    glyph_ = std::move(bitmap);
    glyphSize_ = {width, height};
    InvalidateRect(hwnd_, nullptr, FALSE);
}

void SlotButton::draw(const DRAWITEMSTRUCT& item, UINT dpi) const {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    if (pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = pressed ? 1 : 0;
    int x = r.left + scale(layout::kGlyphMargin, dpi) + shift;
    if (glyph_) {
        HDC mem = CreateCompatibleDC(dc);
        HGDIOBJ old = SelectObject(mem, glyph_.get());
        const COLORREF transparent = GetPixel(mem, 0, glyphSize_.cy - 1);
        const int y = r.top + (r.bottom - r.top - glyphSize_.cy) / 2 + shift;
        TransparentBlt(dc, x, y, glyphSize_.cx, glyphSize_.cy, mem, 0, 0, glyphSize_.cx,
                       glyphSize_.cy, transparent);
        SelectObject(mem, old);
        DeleteDC(mem);
        x += glyphSize_.cx + scale(layout::kGlyphSpacing, dpi);
    }
    const int length = GetWindowTextLengthW(item.hwndItem);
    std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(item.hwndItem, caption.data(), length + 1);
    caption.resize(static_cast<std::size_t>(length));
    RECT text{x, r.top + shift, r.right - scale(2, dpi), r.bottom + shift};
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
