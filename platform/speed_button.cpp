#include "platform/speed_button.h"

#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <memory>
#include <utility>

namespace tarvok {

namespace {
constexpr int kGlyphSpacing = 4;

// One off-screen canvas for every flat button, grown to the largest face asked for: a page of
// ten buttons is painted without making a bitmap for each of them.
class Canvas {
  public:
    HDC take(HDC reference, int width, int height) {
        if (!dc_ || width > width_ || height > height_) {
            dc_.reset();
            width_ = std::max(width, width_);
            height_ = std::max(height, height_);
            bitmap_ = makeDib(reference, width_, height_);
            dc_ = std::make_unique<MemoryDc>(reference);
            SelectObject(dc_->get(), bitmap_.get());
        }
        return dc_->get();
    }

  private:
    UniqueBitmap bitmap_;
    std::unique_ptr<MemoryDc> dc_; // goes before the bitmap it holds
    int width_ = 0, height_ = 0;
};

} // namespace

void SpeedButton::create(HWND parent, int id, const std::string& caption, Focus focus) {
    create(parent, id, caption, focus, RECT{}, nullptr);
}

void SpeedButton::create(HWND parent, int id, const std::string& caption, Focus focus,
                         const RECT& bounds, HFONT font) {
    focus_ = focus;
    // In the tab order either way: a button the mouse leaves the focus beside is still one the
    // keyboard reaches, each a group of its own as push buttons are.
    const DWORD style = BS_OWNERDRAW | WS_TABSTOP | (focus == Focus::Keeps ? WS_GROUP : 0);
    hwnd_ = makeChild(parent, L"BUTTON", caption, style, id, bounds, font);
    caption_ = widen(caption);
    font_ = font;
    // In front of the BUTTON's own procedure, found through the window's user data: the
    // system's subclass helpers look up a window property on every message, a trip to the
    // window server under Wine that cost a page turn more than its painting.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    buttonProcedure_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(windowProcedure)));
}

std::string SpeedButton::caption() const {
    return narrow(caption_);
}

const SpeedButton* SpeedButton::of(HWND button) {
    if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(button, GWLP_WNDPROC)) != windowProcedure) {
        return nullptr;
    }
    return reinterpret_cast<const SpeedButton*>(GetWindowLongPtrW(button, GWLP_USERDATA));
}

void SpeedButton::show(const std::string& caption, std::shared_ptr<const Glyph> glyph) {
    const bool sameGlyph = glyph == glyph_;
    glyph_ = std::move(glyph);
    if (caption_ != widen(caption)) {
        // A BUTTON paints itself as soon as its text changes; held back, a page of buttons
        // is painted in one pass with its glyphs.
        setWindowText(hwnd_, caption);
    } else if (!sameGlyph) {
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SpeedButton::setGlyph(std::shared_ptr<const Glyph> glyph) {
    if (glyph != glyph_) {
        glyph_ = std::move(glyph);
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SpeedButton::showHot(bool hot) {
    if (hot != hot_) {
        hot_ = hot;
        InvalidateRect(hwnd_, nullptr, FALSE);
    }
}

void SpeedButton::draw(const DRAWITEMSTRUCT& item, UINT dpi) const {
    const RECT& target = item.rcItem;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    // Drawn off screen and copied in one step: no flicker, and one transfer to the display
    // instead of one per glyph, edge and text.
    static Canvas canvas;
    const HDC dc = canvas.take(item.hDC, width, height);
    Selection font(dc, font_ != nullptr ? font_ : GetStockObject(DEFAULT_GUI_FONT));
    RECT r{0, 0, width, height};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    const bool pressed = (item.itemState & ODS_SELECTED) != 0 || pressed_;
    if (pressed) {
        DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
    } else if (hot_) {
        DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    }
    const int shift = pressed ? 1 : 0;
    const std::wstring& caption = caption_;
    int x = scale(margin_, dpi) + shift;
    if (margin_ == kCentred) {
        SIZE extent{};
        GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
        const int glyphWidth = glyph_ ? glyph_->size.cx + scale(kGlyphSpacing, dpi) : 0;
        x = std::max(0, (width - glyphWidth - static_cast<int>(extent.cx)) / 2) + shift;
    }
    if (glyph_) {
        const int y = (height - glyph_->size.cy) / 2 + shift;
        // The glyph was drawn over the face's own colour: its pixels are copied as they are,
        // at a fraction of what a transparent copy costs.
        if (glyph_->transparent == GetSysColor(COLOR_BTNFACE) && glyph_->bits != nullptr) {
            BITMAPINFO bmi{};
            bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
            bmi.bmiHeader.biWidth = glyph_->size.cx;
            bmi.bmiHeader.biHeight = -glyph_->size.cy;
            bmi.bmiHeader.biPlanes = 1;
            bmi.bmiHeader.biBitCount = 32;
            SetDIBitsToDevice(
                dc, x, y, static_cast<DWORD>(glyph_->size.cx), static_cast<DWORD>(glyph_->size.cy),
                0, 0, 0, static_cast<UINT>(glyph_->size.cy), glyph_->bits, &bmi, DIB_RGB_COLORS);
        } else {
            MemoryDc mem(item.hDC);
            Selection glyph(mem.get(), glyph_->bitmap.get());
            TransparentBlt(dc, x, y, glyph_->size.cx, glyph_->size.cy, mem.get(), 0, 0,
                           glyph_->size.cx, glyph_->size.cy, glyph_->transparent);
        }
        x += glyph_->size.cx + scale(kGlyphSpacing, dpi);
    }
    RECT text{x, shift, width - scale(2, dpi), height + shift};
    SetBkMode(dc, TRANSPARENT);
    const bool enabled = (item.itemState & ODS_DISABLED) == 0;
    SetTextColor(dc, GetSysColor(enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    // The caption is the user's own text: "&" is shown, not turned into an underline.
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX | DT_END_ELLIPSIS);
    // A dotted frame only once the keyboard has been used: a click must leave the button flat.
    if ((item.itemState & ODS_FOCUS) && !focusCuesHidden(item.hwndItem)) {
        RECT focus = r;
        InflateRect(&focus, -scale(2, dpi), -scale(2, dpi));
        DrawFocusRect(dc, &focus);
    }
    BitBlt(item.hDC, target.left, target.top, width, height, dc, 0, 0, SRCCOPY);
}

// A button that keeps the focus elsewhere tracks the mouse itself: the BUTTON class would
// take the focus on the press.
LRESULT SpeedButton::keepFocusMouse(HWND h, UINT m, LPARAM l) {
    switch (m) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetCapture(h);
        pressed_ = true;
        InvalidateRect(h, nullptr, FALSE);
        break;
    case WM_MOUSEMOVE:
        if (GetCapture() == h) {
            RECT r{};
            GetClientRect(h, &r);
            const bool inside = PtInRect(&r, POINT{GET_X_LPARAM(l), GET_Y_LPARAM(l)}) != FALSE;
            if (inside != pressed_) {
                pressed_ = inside;
                InvalidateRect(h, nullptr, FALSE);
            }
        }
        break;
    case WM_LBUTTONUP: {
        const bool click = GetCapture() == h && pressed_;
        pressed_ = false;
        ReleaseCapture();
        InvalidateRect(h, nullptr, FALSE);
        if (click) {
            SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                         reinterpret_cast<LPARAM>(h));
        }
        break;
    }
    case WM_CAPTURECHANGED:
        if (pressed_) {
            pressed_ = false;
            InvalidateRect(h, nullptr, FALSE);
        }
        break;
    default:
        break;
    }
    return 0;
}

LRESULT CALLBACK SpeedButton::windowProcedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    auto* self = reinterpret_cast<SpeedButton*>(GetWindowLongPtrW(h, GWLP_USERDATA));
    const WNDPROC button = self->buttonProcedure_;
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
        if (self->focus_ == Focus::Keeps) {
            return self->keepFocusMouse(h, m, l);
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
        if (self->focus_ == Focus::Keeps) {
            return self->keepFocusMouse(h, m, l);
        }
        break;
    case WM_MOUSELEAVE:
        self->hot_ = false;
        InvalidateRect(h, nullptr, FALSE);
        break;
    case WM_UPDATEUISTATE:
        // The focus frame appears or goes with the cues: repaint the owner-drawn face.
        InvalidateRect(h, nullptr, FALSE);
        break;
    case WM_SETFOCUS:
        // Only the keyboard brings the focus to a button the mouse leaves it beside: the
        // frame shows at once.
        if (self->focus_ == Focus::Keeps) {
            showFocusCues(GetAncestor(h, GA_ROOT));
        }
        break;
    case WM_GETDLGCODE:
        // Enter on the focused button presses it, as Space does; the dialog manager would send
        // it to the default button instead (an owner-drawn button cannot be one).
        if (const auto* message = reinterpret_cast<const MSG*>(l);
            message != nullptr && message->message == WM_KEYDOWN && message->wParam == VK_RETURN) {
            return CallWindowProcW(button, h, m, w, l) | DLGC_WANTMESSAGE;
        }
        break;
    case WM_KEYDOWN:
        if (w == VK_RETURN) {
            SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), BN_CLICKED),
                         reinterpret_cast<LPARAM>(h));
            return 0;
        }
        break;
    case WM_GETOBJECT:
        if (const LRESULT answer = answerAccessibleRequest(h, w, l, self->annotation_)) {
            return answer;
        }
        break;
    case WM_SETFONT:
        self->font_ = reinterpret_cast<HFONT>(w);
        break;
    case WM_SETTEXT: {
        // Kept before the BUTTON paints itself with the new text.
        std::wstring before =
            std::exchange(self->caption_, l != 0 ? reinterpret_cast<const wchar_t*>(l) : L"");
        const LRESULT set = CallWindowProcW(button, h, m, w, l);
        if (!set) {
            self->caption_ = std::move(before);
        }
        return set;
    }
    case WM_ERASEBKGND:
        return 1; // drawn whole in WM_DRAWITEM; erasing first would flicker
    case WM_NCDESTROY:
        // The object may go before its window: nothing reaches it after this.
        SetWindowLongPtrW(h, GWLP_USERDATA, 0);
        if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(h, GWLP_WNDPROC)) == windowProcedure) {
            SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(button));
        }
        break;
    default:
        break;
    }
    return CallWindowProcW(button, h, m, w, l);
}

} // namespace tarvok
