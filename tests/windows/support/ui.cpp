#include "tests/windows/support/ui.h"

#include "app/main_window.h"
#include "platform/com.h"
#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/dpi.h"
#include "platform/message_box.h"
#include "platform/text.h"

#include <oleacc.h>

#include <algorithm>

namespace tarvok::test {

bool pumpUntil(const MainWindow* window, const std::function<bool()>& done, int timeoutMs) {
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs);
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (window == nullptr || !window->preTranslateMessage(message)) {
                TranslateMessage(&message);
                DispatchMessageW(&message);
            }
        }
        if (done()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

namespace {

// A message-only window of the test's own that counts the markers `settle` posts to it.
constexpr UINT kSettleMarker = WM_APP + 0x7A5;
LPARAM g_markersBack = 0;

HWND settleWindow() {
    static const HWND window = [] {
        WNDCLASSW cls{};
        cls.lpfnWndProc = [](HWND h, UINT message, WPARAM w, LPARAM l) -> LRESULT {
            if (message == kSettleMarker) {
                g_markersBack = l;
                return 0;
            }
            return DefWindowProcW(h, message, w, l);
        };
        cls.lpszClassName = L"TarvokTestSettle";
        RegisterClassW(&cls);
        return CreateWindowExW(0, cls.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                               nullptr, nullptr);
    }();
    return window;
}

} // namespace

bool settle(const MainWindow* window, int timeoutMs) {
    static LPARAM s_markersSent = 0;
    const LPARAM marker = ++s_markersSent;
    PostMessageW(settleWindow(), kSettleMarker, 0, marker);
    // pumpUntil empties the queue before it asks, so what the marker's predecessors queued
    // behind it has run too.
    return pumpUntil(
        window, [marker] { return g_markersBack >= marker; }, timeoutMs);
}

void postKey(HWND window, UINT virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

void postSystemKey(HWND window, UINT virtualKey) {
    const UINT scan = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_SYSKEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageW(window, WM_SYSKEYUP, virtualKey, 1 | (scan << 16) | (3u << 30));
}

std::string windowText(HWND window) {
    const int n = GetWindowTextLengthW(window);
    std::wstring text(static_cast<std::size_t>(n) + 1, L'\0');
    GetWindowTextW(window, text.data(), n + 1);
    text.resize(static_cast<std::size_t>(n));
    return narrow(text);
}

Spoken spoken(HWND window) {
    const ComApartment com;
    ComPtr<IAccessible> object;
    Spoken heard;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, IID_IAccessible,
                                          reinterpret_cast<void**>(object.GetAddressOf())))) {
        return heard;
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    for (auto [get, out] : {std::pair{&IAccessible::get_accName, &heard.name},
                            std::pair{&IAccessible::get_accDescription, &heard.description}}) {
        BSTR text = nullptr;
        if ((object.Get()->*get)(self, &text) == S_OK && text != nullptr) {
            *out = narrow(std::wstring(text, SysStringLen(text)));
        }
        SysFreeString(text);
    }
    return heard;
}

namespace {

// The room a control leaves its text: its width less what it draws beside the letters.
int roomForText(HWND control, int width) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    if (lstrcmpiW(name, L"Button") != 0) {
        return width;
    }
    const UINT dpi = windowDpi(control);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE));
    switch (style & BS_TYPEMASK) {
    case BS_CHECKBOX:
    case BS_AUTOCHECKBOX:
    case BS_RADIOBUTTON:
    case BS_AUTORADIOBUTTON:
    case BS_3STATE:
    case BS_AUTO3STATE:
        return width - scale((style & BS_PUSHLIKE) != 0 ? 6 : 16, dpi); // edges, or the mark
    case BS_GROUPBOX:
        return width - scale(16, dpi);
    case BS_OWNERDRAW:
        return width - scale(5, dpi); // the flat buttons' margins
    default:
        return width - scale(6, dpi); // the edges of a push button
    }
}

} // namespace

std::vector<std::string> textsThatDoNotFit(HWND window) {
    std::vector<std::string> cut;
    EnumChildWindows(
        window,
        [](HWND control, LPARAM out) -> BOOL {
            std::wstring text = widen(windowText(control));
            wchar_t name[16] = {};
            GetClassNameW(control, name, 16);
            const bool labelOrButton =
                lstrcmpiW(name, L"Static") == 0 || lstrcmpiW(name, L"Button") == 0;
            if (!labelOrButton || !IsWindowVisible(control) || text.empty()) {
                return TRUE;
            }
            RECT client{};
            GetClientRect(control, &client);
            const WindowDc dc(control);
            const Selection font(dc.get(),
                                 reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
            // Line by line; a trailing blank is spacing, not a letter to show.
            int needed = 0;
            for (std::size_t start = 0; start <= text.size();) {
                const std::size_t end = std::min(text.find(L'\n', start), text.size());
                std::wstring line = text.substr(start, end - start);
                line.erase(line.find_last_not_of(L" \r") + 1);
                RECT r{};
                DrawTextW(dc.get(), line.c_str(), static_cast<int>(line.size()), &r,
                          DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
                needed = std::max<int>(needed, r.right - r.left);
                start = end + 1;
            }
            const int room = roomForText(control, client.right);
            if (needed > room) {
                reinterpret_cast<std::vector<std::string>*>(out)->push_back(
                    narrow(text) + ": needs " + std::to_string(needed) + " of " +
                    std::to_string(room) + " pixels");
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&cut));
    return cut;
}

std::string DialogView::caption() const {
    return windowText(hwnd_);
}

std::string DialogView::className() const {
    wchar_t name[64] = {};
    GetClassNameW(hwnd_, name, 64);
    return narrow(name);
}

std::string DialogView::text(int id) const {
    HWND h = item(id);
    const auto n = SendMessageW(h, WM_GETTEXTLENGTH, 0, 0);
    std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
    const auto got = SendMessageW(h, WM_GETTEXT, static_cast<WPARAM>(n + 1),
                                  reinterpret_cast<LPARAM>(buffer.data()));
    buffer.resize(static_cast<std::size_t>(got));
    return narrow(buffer);
}

void DialogView::setText(int id, const std::string& value) const {
    const std::wstring wide = widen(value);
    SendMessageW(item(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

bool DialogView::checked(int id) const {
    return SendMessageW(item(id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void DialogView::click(int id) const {
    PostMessageW(item(id), BM_CLICK, 0, 0);
}

void DialogView::key(UINT virtualKey) const {
    HWND target = GetFocus();
    if (target == nullptr || GetAncestor(target, GA_ROOT) != hwnd_) {
        target = hwnd_;
    }
    postKey(target, virtualKey);
}

void DialogView::close() const {
    PostMessageW(hwnd_, WM_SYSCOMMAND, SC_CLOSE, 0);
}

int DialogView::focusedId() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(hwnd_, nullptr), &info);
    return info.hwndFocus != nullptr && IsChild(hwnd_, info.hwndFocus)
               ? GetDlgCtrlID(info.hwndFocus)
               : 0;
}

namespace {

bool isComboBox(HWND control) {
    wchar_t name[16] = {};
    GetClassNameW(control, name, 16);
    return lstrcmpiW(name, L"ComboBox") == 0;
}

void postRowClick(HWND list, int row, bool twice) {
    RECT r{};
    SendMessageW(list, LB_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
    PostMessageW(list, WM_LBUTTONUP, 0, at);
    if (twice) {
        PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
    }
}

} // namespace

std::vector<std::string> DialogView::rows(int id) const {
    HWND h = item(id);
    const bool combo = isComboBox(h);
    const auto count = SendMessageW(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0);
    std::vector<std::string> texts;
    for (LRESULT i = 0; i < count; ++i) {
        const auto n = SendMessageW(h, combo ? CB_GETLBTEXTLEN : LB_GETTEXTLEN, i, 0);
        std::wstring buffer(static_cast<std::size_t>(n) + 1, L'\0');
        SendMessageW(h, combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                     reinterpret_cast<LPARAM>(buffer.data()));
        buffer.resize(static_cast<std::size_t>(n));
        texts.push_back(narrow(buffer));
    }
    return texts;
}

int DialogView::selectedRow(int id) const {
    HWND h = item(id);
    return static_cast<int>(SendMessageW(h, isComboBox(h) ? CB_GETCURSEL : LB_GETCURSEL, 0, 0));
}

void DialogView::clickRow(int id, int row) const {
    postRowClick(item(id), row, false);
}

void DialogView::doubleClickRow(int id, int row) const {
    postRowClick(item(id), row, true);
}

void DialogView::chooseRow(int id, int row) const {
    SendMessageW(item(id), CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(item(id)));
}

RECT DialogView::clientRect(int id) const {
    RECT r{};
    GetWindowRect(item(id), &r);
    MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HFONT DialogView::font(int id) const {
    return reinterpret_cast<HFONT>(SendMessageW(item(id), WM_GETFONT, 0, 0));
}

} // namespace tarvok::test
