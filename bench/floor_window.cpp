// The floor of the launcher's start-up: the same window and nothing else. Class TF_MAIN, the
// same manifest, size, menu bar and fonts, the toolbar with its labels and page buttons, the
// page label and the ten slot buttons with the captions the benchmark's settings file gives
// them, and the ten key labels; no settings file, no shell, no COM, no icons. What the launcher
// costs beyond this is its own work.
#include "app/layout.h"
#include "app/menus.h"
#include "app/texts.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <windows.h>

#include <string>

using namespace tarvok;

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr wchar_t kToolBarClass[] = L"TarvokFloorToolBar";
HFONT g_window, g_toolBar, g_toolLabel, g_pageName, g_keyLabel;

HFONT font(int pixels, bool bold) {
    LOGFONTW lf{};
    lf.lfHeight = -pixels;
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpynW(lf.lfFaceName, L"ＭＳ Ｐゴシック", LF_FACESIZE);
    return CreateFontIndirectW(&lf);
}

HWND child(HWND parent, const wchar_t* cls, const std::wstring& text, DWORD style, int id,
           const Box& box, HFONT f) {
    HWND h = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, box.left, box.top,
                             box.width, box.height, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(f), FALSE);
    return h;
}

void drawItem(const DRAWITEMSTRUCT& item) {
    RECT r = item.rcItem;
    FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
    wchar_t caption[64] = {};
    GetWindowTextW(item.hwndItem, caption, 64);
    SetBkMode(item.hDC, TRANSPARENT);
    const bool pageName = item.CtlType == ODT_STATIC;
    HGDIOBJ old = SelectObject(item.hDC, pageName ? g_pageName : g_window);
    SetTextColor(item.hDC, pageName ? RGB(128, 128, 128) : GetSysColor(COLOR_BTNTEXT));
    r.left += pageName ? 0 : 3;
    DrawTextW(item.hDC, caption, -1, &r,
              (pageName ? DT_CENTER | DT_BOTTOM : DT_LEFT | DT_VCENTER) | DT_SINGLELINE |
                  DT_NOPREFIX);
    SelectObject(item.hDC, old);
}

LRESULT CALLBACK toolBarProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_COMMAND || m == WM_CTLCOLORSTATIC) {
        return SendMessageW(GetParent(h), m, w, l);
    }
    return DefWindowProcW(h, m, w, l);
}

void createChildren(HWND window) {
    HWND bar = child(window, kToolBarClass, L"", WS_CLIPCHILDREN, cmd::kToolBar, layout::kToolBar,
                     nullptr);
    child(bar, L"STATIC", widen(text::kToolLabelPrevious), SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX,
          cmd::kToolLabelPrevious, layout::kToolLabelPrevious, g_toolLabel);
    for (int page = 1; page <= 5; ++page) {
        HWND button = child(bar, L"BUTTON", std::to_wstring(page),
                            BS_AUTORADIOBUTTON | BS_PUSHLIKE | (page == 1 ? WS_GROUP : 0),
                            cmd::kToolButtonBase + page,
                            {layout::kToolButtonLeft[page - 1], layout::kToolRowTop,
                             layout::kToolButtonWidth, layout::kToolRowHeight},
                            g_toolBar);
        SendMessageW(button, BM_SETCHECK, page == 1 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    child(bar, L"STATIC", widen(text::kToolLabelNext), SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX,
          cmd::kToolLabelNext, layout::kToolLabelNext, g_toolLabel);
    child(window, L"STATIC", L"a", SS_OWNERDRAW, cmd::kPageNameLabel, layout::kPageName,
          g_pageName);
    for (int n = 2; n <= 11; ++n) {
        const int index = n - 2;
        child(window, L"BUTTON", widen("メモ帳 1F" + std::to_string(n)), BS_OWNERDRAW | WS_TABSTOP,
              cmd::kSlotButtonBase + n, layout::slotBox(index), g_window);
        const std::wstring label = widen(text::kKeyLabelPrefix + std::to_string(n));
        HDC dc = GetDC(window);
        HGDIOBJ old = SelectObject(dc, g_keyLabel);
        SIZE size{};
        GetTextExtentPoint32W(dc, label.c_str(), static_cast<int>(label.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(window, dc);
        child(window, L"STATIC", label, SS_RIGHT | SS_NOPREFIX, cmd::kKeyLabelBase + n,
              {layout::kKeyLabelRight - size.cx, layout::kKeyLabelTop + layout::kSlotPitch * index,
               size.cx, layout::kKeyLabelHeight},
              g_keyLabel);
    }
}

LRESULT CALLBACK windowProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    switch (m) {
    case WM_CREATE:
        createChildren(h);
        return 0;
    case WM_DRAWITEM:
        drawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
        return TRUE;
    case WM_CTLCOLORSTATIC: {
        const HDC dc = reinterpret_cast<HDC>(w);
        const bool key = GetDlgCtrlID(reinterpret_cast<HWND>(l)) > cmd::kKeyLabelBase;
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetTextColor(dc, key ? RGB(0, 0, 255) : GetSysColor(COLOR_BTNTEXT));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(h, m, w, l);
    }
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    g_window = font(layout::kFontWindow, false);
    g_toolBar = font(layout::kFontToolBar, false);
    g_toolLabel = font(layout::kFontToolLabel, false);
    g_pageName = font(layout::kFontPageName, true);
    g_keyLabel = font(layout::kFontKeyLabel, true);
    WNDCLASSW tool{};
    tool.lpfnWndProc = toolBarProc;
    tool.hInstance = instance;
    tool.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    tool.lpszClassName = kToolBarClass;
    RegisterClassW(&tool);
    WNDCLASSW cls{};
    cls.lpfnWndProc = windowProc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = L"TF_MAIN";
    RegisterClassW(&cls);
    RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
    AdjustWindowRectEx(&frame, kMainStyle, TRUE, 0);
    HWND window = CreateWindowExW(0, cls.lpszClassName, widen(text::kAppTitle).c_str(), kMainStyle,
                                  24, 24, frame.right - frame.left, frame.bottom - frame.top,
                                  nullptr, makeMenuBar(), instance, nullptr);
    ShowWindow(window, show);
    UpdateWindow(window);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
