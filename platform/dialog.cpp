#include "platform/dialog.h"

#include "platform/accessibility.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "platform/unhandled.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <set>

namespace tarvok {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// Screens have the window class their design names, so automation can find them; the class
// is a dialog class (DefDlgProc, DLGWINDOWEXTRA) registered on first use.
void registerDialogClass(const wchar_t* name) {
    static std::set<std::wstring> registered;
    if (name == nullptr || registered.contains(name)) {
        return;
    }
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefDlgProcW;
    cls.cbWndExtra = DLGWINDOWEXTRA;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
    registered.insert(name);
}

// An empty template: the controls are created in pixels at WM_INITDIALOG.
std::vector<WORD> emptyTemplate(const wchar_t* windowClass) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = kDialogStyle;
    header->dwExtendedStyle = WS_EX_DLGMODALFRAME;
    words.push_back(0); // no menu
    if (windowClass == nullptr) {
        words.push_back(0);
    } else {
        for (const wchar_t* c = windowClass; *c != 0; ++c) {
            words.push_back(static_cast<WORD>(*c));
        }
        words.push_back(0);
    }
    words.push_back(0); // the caption is set at WM_INITDIALOG
    return words;
}

} // namespace

Dialog::Dialog(Frame frame) : frame_(frame) {}

Dialog::~Dialog() {
    if (hwnd_ != nullptr) {
        EndDialog(hwnd_, IDCANCEL);
    }
}

void Dialog::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd_ != nullptr) {
        setWindowText(hwnd_, caption_);
    }
}

int Dialog::showModal(HWND owner) {
    registerDialogClass(frame_.windowClass);
    const std::vector<WORD> tpl = emptyTemplate(frame_.windowClass);
    // The control that had the keyboard gets it back when the dialog closes, not its window:
    // the menu key and Tab then carry on from where the user was.
    const HWND focus = GetFocus();
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(tpl.data()), owner,
        procedure, reinterpret_cast<LPARAM>(this));
    if (focus != nullptr && IsWindow(focus) && IsWindowVisible(focus) &&
        IsWindowEnabled(GetAncestor(focus, GA_ROOT))) {
        SetFocus(focus);
    }
    return result <= 0 ? IDCANCEL : static_cast<int>(result);
}

void Dialog::end(int result) {
    EndDialog(hwnd_, result);
}

bool Dialog::passes(int fieldAtFault, const std::function<void()>& check) {
    try {
        check();
        return true;
    } catch (const std::exception& e) {
        if (fieldAtFault != 0) {
            focusOn(fieldAtFault);
        }
        reportUnhandledError(hwnd_, e);
        return false;
    }
}

void Dialog::setClientSize(int width, int height) {
    RECT frame{0, 0, width, height};
    adjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Dialog::px(int designPixels) const {
    return scale(designPixels, dpi_);
}

HFONT Dialog::font(int pixels, bool bold, const wchar_t* face) {
    const auto key = std::make_tuple(pixels, bold, std::wstring(face));
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        found = fonts_.emplace(key, uiFont(pixels, bold, dpi_, face)).first;
    }
    return found->second.get();
}

void Dialog::focusOn(int id) {
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(id)), TRUE);
}

void Dialog::initialise() {
    dpi_ = windowDpi(hwnd_);
    fonts_.clear();
    speedButtons_.clear();
    links_.clear();
    lastLabel_.clear();
    setWindowText(hwnd_, caption_);
    setClientSize(px(frame_.clientWidth), px(frame_.clientHeight));
    build();
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    RECT around{};
    if (!frame_.centreOnScreen && owner != nullptr && IsWindowVisible(owner) &&
        GetWindowRect(owner, &around)) {
        RECT mine{};
        GetWindowRect(hwnd_, &mine);
        const int w = mine.right - mine.left;
        const int h = mine.bottom - mine.top;
        const int left = (around.left + around.right - w) / 2;
        const int top = (around.top + around.bottom - h) / 2;
        const POINT at = keptOnMonitor({left, top, left + w, top + h});
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        centreOnScreen(hwnd_);
    }
    onInit();
    if (!IsChild(hwnd_, GetFocus())) {
        if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
            SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
        }
    }
}

INT_PTR Dialog::dispatch(UINT m, WPARAM w, LPARAM l) {
    LRESULT result = 0;
    switch (m) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        if (onCommand(id, HIWORD(w), reinterpret_cast<HWND>(l))) {
            return TRUE;
        }
        // The close box arrives as WM_CLOSE (below); IDCANCEL here is Esc.
        if (id == IDCANCEL && frame_.escapeCancels) {
            end(IDCANCEL);
        }
        // A screen without a default button ignores Enter: the dialog manager sends IDOK.
        return TRUE;
    }
    case WM_CLOSE:
        if (frame_.closeBoxCancels) {
            end(IDCANCEL);
        }
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        onPaint(dc);
        EndPaint(hwnd_, &ps);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        if (const auto button = speedButtons_.find(static_cast<int>(item.CtlID));
            item.CtlType == ODT_BUTTON && button != speedButtons_.end()) {
            button->second->paint(item, dpi_);
            return SetDlgMsgResult(hwnd_, m, TRUE);
        }
        return SetDlgMsgResult(hwnd_, m, onDrawItem(item));
    }
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        if (frame_.rowHeight == 0 ||
            (measure.CtlType != ODT_LISTBOX && measure.CtlType != ODT_COMBOBOX)) {
            return FALSE;
        }
        measure.itemHeight = static_cast<UINT>(px(frame_.rowHeight));
        return SetDlgMsgResult(hwnd_, m, TRUE);
    }
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<NMHDR*>(l), result) ? SetDlgMsgResult(hwnd_, m, result)
                                                              : FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        const HDC dc = reinterpret_cast<HDC>(w);
        const HWND control = reinterpret_cast<HWND>(l);
        if (isLink(control)) {
            SetTextColor(dc, kLinkColour);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return reinterpret_cast<INT_PTR>(onCtlColor(dc, control));
    }
    case WM_SETCURSOR:
        if (isLink(reinterpret_cast<HWND>(w))) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return SetDlgMsgResult(hwnd_, m, TRUE);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Dialog::procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    Dialog* self = nullptr;
    if (m == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(l);
        SetWindowLongPtrW(h, DWLP_USER, l);
        SetPropW(h, kDialogProperty, self);
        self->hwnd_ = h;
        // A screen that cannot be built is not shown half-built: its error is reported and
        // the dialog ends as if cancelled.
        if (!runGuarded(
                h,
                [&] {
                    self->initialise();
                    return true;
                },
                false)) {
            EndDialog(h, IDCANCEL);
        }
        return FALSE;
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(h, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (m == WM_NCDESTROY) {
        RemovePropW(h, kDialogProperty);
        SetWindowLongPtrW(h, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    return runGuarded(
        h, [&] { return self->dispatch(m, w, l); }, INT_PTR{TRUE});
}

} // namespace tarvok
