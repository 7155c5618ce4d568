#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <string>

namespace tarvok {

// A rectangle in design pixels (96 DPI). A width or height of 0 asks for the size of the
// control's text.
struct Box {
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr wchar_t kUiFace[] = L"ＭＳ Ｐゴシック";
inline constexpr wchar_t kUiFixedFace[] = L"ＭＳ ゴシック";

// The interface font at a character height in design pixels, scaled to `dpi`, with the
// Shift_JIS character set.
UniqueFont uiFont(int pixels, bool bold, UINT dpi, const wchar_t* face = kUiFace);
// A font whose height is given in points, as the painted texts of some screens are.
UniqueFont pointFont(int points, UINT dpi, const wchar_t* face = kUiFace);

HWND makeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int id,
               DWORD exStyle = 0);
// A child made where it belongs, in its font: placed and dressed afterwards it would take a
// round of messages more each, through whatever subclasses it has by then.
HWND makeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int id,
               const RECT& bounds, HFONT font, DWORD exStyle = 0);
// A design box scaled to `dpi`, in device pixels.
RECT scaledRect(const Box& box, UINT dpi);
// Places a child at a design box scaled to `dpi`.
void moveTo(HWND child, const Box& box, UINT dpi);
void setFont(HWND window, HFONT font);

std::string windowText(HWND window);
void setWindowText(HWND window, const std::string& text);

// The size of a text in a font: one line, or wrapped at `maxWidth` with DT_WORDBREAK.
SIZE measureText(HWND window, HFONT font, const std::wstring& text, int maxWidth = 0,
                 UINT flags = DT_SINGLELINE);
int textWidth(HWND window, HFONT font, const std::wstring& text);

// Moves a top-level window so that its frame lies on the work area of the nearest monitor.
POINT keptOnMonitor(const RECT& frame);
// Centres a top-level window on the work area of the monitor it is (or would be) on.
void centreOnScreen(HWND window);

// How the input method starts when a field gets the focus.
enum class ImeMode { Hiragana, Closed };
// The field switches the input method to `mode` every time it receives the focus.
void setImeModeOnFocus(HWND edit, ImeMode mode);

// Focus frames follow the Windows rule: hidden until the keyboard is used in the window.
// The state is kept per top-level window by us, because Wine always reports the cues as
// shown and so would leave a dotted frame on every clicked button.
bool focusCuesHidden(HWND control);
// The keyboard has been used in this top-level window: focus frames show from now on.
void showFocusCues(HWND topLevel);
// Before the window goes: drops the state kept for it.
void forgetFocusCues(HWND topLevel);
// A standard control that asks the system whether to draw its focus frame gets the answer of
// focusCuesHidden instead.
void followFocusCues(HWND control);

// Device contexts and selections that release themselves on every path. A WindowDc of no
// window is the screen's.
class WindowDc {
  public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() { ReleaseDC(window_, dc_); }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HWND window_;
    HDC dc_;
};

class MemoryDc {
  public:
    explicit MemoryDc(HDC reference) : dc_(CreateCompatibleDC(reference)) {}
    ~MemoryDc() { DeleteDC(dc_); }
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    HDC get() const { return dc_; }

  private:
    HDC dc_;
};

class Selection {
  public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), old_(SelectObject(dc, object)) {}
    ~Selection() { SelectObject(dc_, old_); }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

  private:
    HDC dc_;
    HGDIOBJ old_;
};

// A control that does not redraw while the object lives, for filling it row by row; it is
// painted once, whole, when the object goes.
class RedrawPause {
  public:
    explicit RedrawPause(HWND control) : control_(control) {
        SendMessageW(control_, WM_SETREDRAW, FALSE, 0);
    }
    ~RedrawPause() {
        SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
        InvalidateRect(control_, nullptr, TRUE);
    }
    RedrawPause(const RedrawPause&) = delete;
    RedrawPause& operator=(const RedrawPause&) = delete;

  private:
    HWND control_;
};

// Drops the keyboard and mouse messages queued for this thread, client and non-client area.
void discardQueuedInput();

// A window that takes no input until the object goes, with the hourglass over it: for waits
// that run a message loop of their own (a DDE request), so a click cannot start a second
// operation inside the first. The focus comes back where it was.
class InputPause {
  public:
    explicit InputPause(HWND window)
        : window_(window), focus_(GetFocus()), wasEnabled_(EnableWindow(window, FALSE) == 0),
          cursor_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~InputPause() {
        // Wine's wait for a DDE reply runs DDE messages only: a click or key of the meantime
        // is still queued and would act once the window takes input again. Windows drops
        // input to a disabled window; so does the pause.
        discardQueuedInput();
        if (wasEnabled_) {
            EnableWindow(window_, TRUE);
        }
        if (focus_ != nullptr && IsWindow(focus_)) {
            SetFocus(focus_);
        }
        SetCursor(cursor_);
    }
    InputPause(const InputPause&) = delete;
    InputPause& operator=(const InputPause&) = delete;

  private:
    HWND window_;
    HWND focus_;
    bool wasEnabled_;
    HCURSOR cursor_;
};

// The mouse pointer as the hourglass until the object goes, also when an error passes.
class WaitCursor {
  public:
    WaitCursor() : old_(SetCursor(LoadCursorW(nullptr, IDC_WAIT))) {}
    ~WaitCursor() { SetCursor(old_); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

  private:
    HCURSOR old_;
};

} // namespace tarvok
