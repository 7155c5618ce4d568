#include "platform/controls.h"

#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>
#include <imm.h>

#include <algorithm>
#include <utility>

namespace tarvok {

UniqueFont uiFont(int pixels, bool bold, UINT dpi, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = -scale(pixels, dpi);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

UniqueFont pointFont(int points, UINT dpi, const wchar_t* face) {
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(lf.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(CreateFontIndirectW(&lf));
}

HWND makeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int id,
               DWORD exStyle) {
    return CreateWindowExW(exStyle, cls, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0,
                           0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

HWND makeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int id,
               const RECT& bounds, HFONT font, DWORD exStyle) {
    HWND child = CreateWindowExW(
        exStyle, cls, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
        bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (font != nullptr) {
        SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return child;
}

RECT scaledRect(const Box& box, UINT dpi) {
    const int left = scale(box.left, dpi);
    const int top = scale(box.top, dpi);
    return {left, top, left + scale(box.width, dpi), top + scale(box.height, dpi)};
}

void moveTo(HWND child, const Box& box, UINT dpi) {
    MoveWindow(child, scale(box.left, dpi), scale(box.top, dpi), scale(box.width, dpi),
               scale(box.height, dpi), TRUE);
}

void setFont(HWND window, HFONT font) {
    SendMessageW(window, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

std::string windowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(std::max(got, 0)));
    return narrow(text);
}

void setWindowText(HWND window, const std::string& text) {
    SetWindowTextW(window, widen(text).c_str());
}

SIZE measureText(HWND window, HFONT font, const std::wstring& text, int maxWidth, UINT flags) {
    WindowDc dc(window);
    Selection font_(dc.get(), font);
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc.get(), text.empty() ? L" " : text.c_str(), -1, &r,
              flags | DT_CALCRECT | DT_NOPREFIX);
    return SIZE{text.empty() ? 0 : r.right - r.left, r.bottom - r.top};
}

int textWidth(HWND window, HFONT font, const std::wstring& text) {
    WindowDc dc(window);
    Selection font_(dc.get(), font);
    SIZE size{};
    GetTextExtentPoint32W(dc.get(), text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
}

POINT keptOnMonitor(const RECT& frame) {
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromRect(&frame, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT& work = mi.rcWork;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    return POINT{
        std::clamp<int>(frame.left, work.left, std::max<int>(work.left, work.right - width)),
        std::clamp<int>(frame.top, work.top, std::max<int>(work.top, work.bottom - height))};
}

void centreOnScreen(HWND window) {
    RECT frame{};
    GetWindowRect(window, &frame);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), &mi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    const RECT centred{(mi.rcWork.left + mi.rcWork.right - width) / 2,
                       (mi.rcWork.top + mi.rcWork.bottom - height) / 2, 0, 0};
    const POINT at =
        keptOnMonitor({centred.left, centred.top, centred.left + width, centred.top + height});
    SetWindowPos(window, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

namespace {

// A window's input context, released again when the object goes.
class ImeContext {
  public:
    explicit ImeContext(HWND window) : window_(window), context_(ImmGetContext(window)) {}
    ~ImeContext() {
        if (context_ != nullptr) {
            ImmReleaseContext(window_, context_);
        }
    }
    ImeContext(const ImeContext&) = delete;
    ImeContext& operator=(const ImeContext&) = delete;
    HIMC get() const { return context_; }

  private:
    HWND window_;
    HIMC context_;
};

LRESULT CALLBACK imeSubclass(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR mode) {
    if (m == WM_SETFOCUS) {
        const LRESULT result = DefSubclassProc(h, m, w, l);
        const ImeContext ime(h);
        if (HIMC context = ime.get()) {
            if (static_cast<ImeMode>(mode) == ImeMode::Hiragana) {
                ImmSetOpenStatus(context, TRUE);
                DWORD conversion = 0, sentence = 0;
                ImmGetConversionStatus(context, &conversion, &sentence);
                conversion = (conversion & ~(IME_CMODE_KATAKANA | IME_CMODE_CHARCODE)) |
                             IME_CMODE_NATIVE | IME_CMODE_FULLSHAPE;
                ImmSetConversionStatus(context, conversion, sentence);
            } else {
                ImmSetOpenStatus(context, FALSE);
            }
        }
        return result;
    }
    if (m == WM_NCDESTROY) {
        RemoveWindowSubclass(h, imeSubclass, 1);
    }
    return DefSubclassProc(h, m, w, l);
}

} // namespace

void setImeModeOnFocus(HWND edit, ImeMode mode) {
    SetWindowSubclass(edit, imeSubclass, 1, static_cast<DWORD_PTR>(mode));
}

namespace {
constexpr wchar_t kKeyboardUsed[] = L"tarvok.KeyboardUsed";
}

bool focusCuesHidden(HWND control) {
    return GetPropW(GetAncestor(control, GA_ROOT), kKeyboardUsed) == nullptr;
}

void showFocusCues(HWND topLevel) {
    if (GetPropW(topLevel, kKeyboardUsed) != nullptr) {
        return;
    }
    SetPropW(topLevel, kKeyboardUsed, reinterpret_cast<HANDLE>(1));
    SendMessageW(topLevel, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    if (HWND focus = GetFocus(); focus != nullptr && IsChild(topLevel, focus)) {
        InvalidateRect(focus, nullptr, FALSE);
    }
}

void forgetFocusCues(HWND topLevel) {
    RemovePropW(topLevel, kKeyboardUsed);
}

namespace {

LRESULT CALLBACK focusCueSubclass(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    if (m == WM_QUERYUISTATE) {
        const LRESULT state = DefSubclassProc(h, m, w, l);
        return focusCuesHidden(h) ? (state | UISF_HIDEFOCUS) : (state & ~LRESULT{UISF_HIDEFOCUS});
    }
    if (m == WM_NCDESTROY) {
        RemoveWindowSubclass(h, focusCueSubclass, 2);
    }
    return DefSubclassProc(h, m, w, l);
}

} // namespace

void followFocusCues(HWND control) {
    SetWindowSubclass(control, focusCueSubclass, 2, 0);
}

void discardQueuedInput() {
    MSG message;
    for (const auto& [first, last] : {std::pair<UINT, UINT>{WM_KEYFIRST, WM_KEYLAST},
                                      {WM_MOUSEFIRST, WM_MOUSELAST},
                                      {WM_NCMOUSEMOVE, WM_NCXBUTTONDBLCLK}}) {
        while (PeekMessageW(&message, nullptr, first, last, PM_REMOVE)) {
        }
    }
}

} // namespace tarvok
