#include "platform/message_box.h"

#include "platform/dpi.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "platform/win_handles.h"

#include <algorithm>
#include <vector>

namespace tarvok {

namespace {

struct BoxState {
    const MessageBoxContent* content;
    UniqueFont font;
    BoxAnswer answer = BoxAnswer::No;
};

LPCWSTR systemIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Warning:
        return IDI_WARNING;
    case BoxIcon::Question:
        return IDI_QUESTION;
    case BoxIcon::Stop:
        return IDI_HAND;
    case BoxIcon::Information:
        break;
    }
    return IDI_INFORMATION;
}

UINT iconSound(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Warning:
        return MB_ICONEXCLAMATION;
    case BoxIcon::Question:
        return MB_ICONQUESTION;
    case BoxIcon::Stop:
        return MB_ICONHAND;
    case BoxIcon::Information:
        break;
    }
    return MB_ICONASTERISK;
}

SIZE measure(HWND dlg, HFONT font, const std::wstring& text, int maxWidth, UINT flags) {
    HDC dc = GetDC(dlg);
    HGDIOBJ old = SelectObject(dc, font);
    RECT r{0, 0, maxWidth, 0};
    DrawTextW(dc, text.empty() ? L" " : text.c_str(), -1, &r, flags | DT_CALCRECT);
    SelectObject(dc, old);
    ReleaseDC(dlg, dc);
    return SIZE{r.right - r.left, r.bottom - r.top};
}

HWND child(HWND dlg, const wchar_t* cls, const std::wstring& text, DWORD style, int id,
           HFONT font) {
    HWND h = CreateWindowExW(0, cls, text.c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, dlg,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             GetModuleHandleW(nullptr), nullptr);
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return h;
}

void layOut(HWND dlg, BoxState& state) {
    const MessageBoxContent& content = *state.content;
    const UINT dpi = windowDpi(dlg);
    LOGFONTW lf{};
    lf.lfHeight = -scale(12, dpi);
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyW(lf.lfFaceName, L"ＭＳ Ｐゴシック");
    state.font.reset(CreateFontIndirectW(&lf));
    const HFONT font = state.font.get();

    const int margin = scale(12, dpi);
    const int iconSize = scale(32, dpi);
    const int buttonHeight = scale(23, dpi);
    const int buttonMinWidth = scale(75, dpi);
    const int gap = scale(8, dpi);

    const std::wstring text = widen(content.text);
    const SIZE textSize = measure(dlg, font, text, scale(420, dpi),
                                  DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL);

    HWND icon = child(dlg, L"STATIC", L"", SS_ICON | SS_REALSIZECONTROL, kBoxIconId, font);
    HANDLE image =
        LoadImageW(nullptr, systemIcon(content.icon), IMAGE_ICON, iconSize, iconSize, LR_SHARED);
    SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image), 0);
    HWND label =
        child(dlg, L"STATIC", text, SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kBoxTextId, font);

    struct Button {
        int id;
        std::wstring text;
    };
    std::vector<Button> buttons;
    if (content.buttons == BoxButtons::YesNo) {
        buttons = {{IDYES, widen(ui::kButtonYes)}, {IDNO, widen(ui::kButtonNo)}};
    } else {
        buttons = {{IDOK, widen(ui::kButtonOk)}};
    }
    const int defaultId =
        content.buttons == BoxButtons::YesNo ? (content.noIsDefault ? IDNO : IDYES) : IDOK;

    int buttonWidth = buttonMinWidth;
    for (const auto& b : buttons) {
        buttonWidth = std::max<int>(
            buttonWidth, measure(dlg, font, b.text, 1000, DT_SINGLELINE).cx + scale(16, dpi));
    }
    const int buttonsWidth =
        static_cast<int>(buttons.size()) * buttonWidth + static_cast<int>(buttons.size() - 1) * gap;
    const int contentHeight = std::max<int>(iconSize, textSize.cy);
    const int clientWidth =
        std::max<int>(margin + iconSize + margin + textSize.cx + margin, buttonsWidth + 2 * margin);
    const int clientHeight = margin + contentHeight + margin + buttonHeight + margin;

    MoveWindow(icon, margin, margin, iconSize, iconSize, FALSE);
    MoveWindow(label, margin + iconSize + margin, margin + (contentHeight - textSize.cy) / 2,
               textSize.cx, textSize.cy, FALSE);
    int x = (clientWidth - buttonsWidth) / 2;
    HWND focus = nullptr;
    for (const auto& b : buttons) {
        const DWORD style = WS_TABSTOP | (b.id == defaultId ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
        HWND h = child(dlg, L"BUTTON", b.text, style, b.id, font);
        MoveWindow(h, x, margin + contentHeight + margin, buttonWidth, buttonHeight, FALSE);
        if (b.id == defaultId) {
            focus = h;
        }
        x += buttonWidth + gap;
    }
    SendMessageW(dlg, DM_SETDEFID, static_cast<WPARAM>(defaultId), 0);

    RECT frame{0, 0, clientWidth, clientHeight};
    adjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(dlg, GWL_EXSTYLE)), dpi);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    // Centred on the owner where there is one, like the system's box; always on a screen.
    RECT around{};
    HWND owner = GetWindow(dlg, GW_OWNER);
    HMONITOR monitor = MonitorFromWindow(owner != nullptr ? owner : dlg, MONITOR_DEFAULTTONEAREST);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(monitor, &mi);
    if (owner == nullptr || !IsWindowVisible(owner) || !GetWindowRect(owner, &around)) {
        around = mi.rcWork;
    }
    int left = (around.left + around.right - width) / 2;
    int top = (around.top + around.bottom - height) / 2;
    left = std::clamp<int>(left, mi.rcWork.left,
                           std::max<int>(mi.rcWork.left, mi.rcWork.right - width));
    top = std::clamp<int>(top, mi.rcWork.top,
                          std::max<int>(mi.rcWork.top, mi.rcWork.bottom - height));
    SetWindowPos(dlg, nullptr, left, top, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    SetFocus(focus);
}

INT_PTR handleBoxMessage(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(dlg, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG:
        state = reinterpret_cast<BoxState*>(lParam);
        SetWindowLongPtrW(dlg, DWLP_USER, lParam);
        SetWindowTextW(dlg, widen(state->content->caption).c_str());
        layOut(dlg, *state);
        return FALSE; // focus was set on the default button
    case WM_COMMAND: {
        if (state == nullptr) {
            return FALSE;
        }
        const bool yesNo = state->content->buttons == BoxButtons::YesNo;
        switch (LOWORD(wParam)) {
        case IDYES:
            state->answer = BoxAnswer::Yes;
            break;
        case IDNO:
            state->answer = BoxAnswer::No;
            break;
        case IDOK:
            state->answer = yesNo ? (state->content->noIsDefault ? BoxAnswer::No : BoxAnswer::Yes)
                                  : BoxAnswer::Ok;
            break;
        case IDCANCEL: // Esc and the close box
            state->answer = yesNo ? BoxAnswer::No : BoxAnswer::Ok;
            break;
        default:
            return FALSE;
        }
        EndDialog(dlg, 1);
        return TRUE;
    }
    default:
        return FALSE;
    }
}

// Nothing may leave a dialog procedure: a box that cannot be laid out closes with the
// answer that changes nothing.
INT_PTR CALLBACK boxProc(HWND dlg, UINT message, WPARAM wParam, LPARAM lParam) {
    try {
        return handleBoxMessage(dlg, message, wParam, lParam);
    } catch (...) {
        EndDialog(dlg, -1);
        return TRUE;
    }
}

} // namespace

BoxAnswer showMessageBox(HWND owner, const MessageBoxContent& content) {
    // An empty in-memory template: the controls are created and measured at WM_INITDIALOG.
    struct alignas(DWORD) Template {
        DLGTEMPLATE dialog;
        WORD menu, windowClass, title;
    } tpl{};
    tpl.dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFOREGROUND;
    tpl.dialog.dwExtendedStyle = WS_EX_DLGMODALFRAME;
    BoxState state{&content, {}, BoxAnswer::No};
    MessageBeep(iconSound(content.icon));
    const INT_PTR r = DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &tpl.dialog, owner,
                                              boxProc, reinterpret_cast<LPARAM>(&state));
    if (r <= 0) {
        // The box could not be shown: the safe answer is the one that changes nothing.
        return content.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok;
    }
    return state.answer;
}

void warningBox(HWND owner, const std::string& text) {
    showMessageBox(owner, {ui::kCaptionWarning, text, BoxIcon::Warning, BoxButtons::Ok, false});
}

void informationBox(HWND owner, const std::string& text) {
    showMessageBox(owner,
                   {ui::kCaptionInformation, text, BoxIcon::Information, BoxButtons::Ok, false});
}

bool askInformationYesNo(HWND owner, const std::string& text) {
    return showMessageBox(owner, {ui::kCaptionInformation, text, BoxIcon::Information,
                                  BoxButtons::YesNo, false}) == BoxAnswer::Yes;
}

bool confirmYesNo(HWND owner, const std::string& text, bool noIsDefault) {
    return showMessageBox(owner, {ui::kCaptionConfirmation, text, BoxIcon::Question,
                                  BoxButtons::YesNo, noIsDefault}) == BoxAnswer::Yes;
}

void stopBox(HWND owner, const std::string& caption, const std::string& text) {
    showMessageBox(owner, {caption, text, BoxIcon::Stop, BoxButtons::Ok, false});
}

} // namespace tarvok
