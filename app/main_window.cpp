#include "app/main_window.h"

#include "app/layout.h"
#include "app/texts.h"
#include "platform/dpi.h"
#include "platform/settings_file.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "platform/window.h"
#include "settings/paths.h"
#include "settings/slot_keys.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

namespace tarvok {

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr wchar_t kToolBarClass[] = L"TarvokToolBar";
constexpr COLORREF kKeyLabelColour = RGB(0, 0, 255);
constexpr COLORREF kPageNameColour = RGB(128, 128, 128);

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

void registerClasses() {
    static bool done = false;
    if (done) {
        return;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW main{};
    main.cbSize = sizeof main;
    main.lpfnWndProc = windowProcFor<MainWindow>;
    main.hInstance = instance;
    main.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    main.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                                 GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), 0));
    main.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    main.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    main.lpszClassName = kMainWindowClass;
    RegisterClassExW(&main);

    WNDCLASSEXW tool{};
    tool.cbSize = sizeof tool;
    tool.lpfnWndProc = toolBarProc;
    tool.hInstance = instance;
    tool.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    tool.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    tool.lpszClassName = kToolBarClass;
    RegisterClassExW(&tool);
    done = true;
}

UniqueFont makeFont(int height, bool bold, UINT dpi) {
    LOGFONTW lf{};
    lf.lfHeight = -scale(height, dpi);
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lf.lfQuality = DEFAULT_QUALITY;
    lstrcpyW(lf.lfFaceName, L"ＭＳ Ｐゴシック");
    return UniqueFont(CreateFontIndirectW(&lf));
}

HWND makeChild(HWND parent, const wchar_t* cls, const std::string& text, DWORD style, int id) {
    return CreateWindowExW(0, cls, widen(text).c_str(), WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleW(nullptr), nullptr);
}

void moveTo(HWND h, const layout::Box& box, UINT dpi) {
    MoveWindow(h, scale(box.left, dpi), scale(box.top, dpi), scale(box.width, dpi),
               scale(box.height, dpi), TRUE);
}

void setFont(HWND h, HFONT font) {
    SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

void appendItem(HMENU menu, int id, const std::string& caption, bool enabled = true) {
    AppendMenuW(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), static_cast<UINT_PTR>(id),
                widen(caption).c_str());
}

int textWidth(HWND h, HFONT font, const std::wstring& text) {
    HDC dc = GetDC(h);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(h, dc);
    return size.cx;
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options) : options_(std::move(options)) {
    if (!options_.beep) {
        options_.beep = defaultBeep;
    }
}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

HWND MainWindow::create() {
    registerClasses();
    RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
    AdjustWindowRectEx(&frame, kMainStyle, TRUE, 0);
    CreateWindowExW(0, kMainWindowClass, widen(text::kAppTitle).c_str(), kMainStyle,
                    layout::kDesignLeft, layout::kDesignTop, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, nullptr, GetModuleHandleW(nullptr), this);
    return hwnd_;
}

void MainWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    UpdateWindow(hwnd_);
}

bool MainWindow::translateAccelerator(MSG& message) const {
    if (hwnd_ == nullptr) {
        return false;
    }
    // F10 is a system key: its release would open the menu bar after the accelerator has
    // already launched the slot on the press.
    if (message.message == WM_SYSKEYUP && message.wParam == VK_F10 &&
        GetAncestor(message.hwnd, GA_ROOT) == hwnd_) {
        return true;
    }
    return TranslateAcceleratorW(hwnd_, accelerators_.get(), &message) != 0;
}

void MainWindow::formCreate() {
    SetWindowTextW(hwnd_, widen(text::kAppTitle).c_str());
    programFolder_ = options_.programFolder.empty()
                         ? programFolderOf(programFilePath())
                         : programFolderOf(options_.programFolder + "\\" + kSettingsFileName);
    settingsPath_ = settingsPathIn(programFolder_);
    removeLeftoverTemporaries(settingsPath_);
    currentPage_ = kFirstPage;
    createMenus();
    createControls();
    applyLayout(windowDpi(hwnd_));

    bool loaded = false;
    try {
        const Settings settings = openSettings(settingsPath_);
        pageNames_ = readPageNames(settings);
        sendAddress_ = readSendAddress(settings);
        CheckMenuItem(GetMenu(hwnd_), cmd::kMnSendAdd,
                      MF_BYCOMMAND | (sendAddress_ ? MF_CHECKED : MF_UNCHECKED));
        placeAt(readWindowPosition(settings));
        loaded = true;
    } catch (const std::exception& e) {
        // The user still gets a working window: page 1, blank buttons, key labels, at the
        // default position; the file is left alone until it can be read again.
        reportUnhandledError(hwnd_, e);
        placeAt(WindowPosition{});
    }
    if (loaded) {
        // The shell's first icon costs more than the rest of the start-up: the window is
        // shown with its captions and the icons follow as soon as it is on the screen.
        refreshPage(GlyphTiming::AfterShow);
    } else {
        showBlankPage();
    }
}

void MainWindow::createMenus() {
    HMENU bar = CreateMenu();
    HMENU standard = CreatePopupMenu();
    appendItem(standard, cmd::kMnControl, text::kMnControl, false);
    appendItem(standard, cmd::kMnMsdos, text::kMnMsdos, false);
    AppendMenuW(standard, MF_SEPARATOR, 0, nullptr);
    appendItem(standard, cmd::kMnEnd, std::string(text::kMnEnd) + "\t" + text::kMnEndShortcut);
    appendItem(standard, cmd::kMnWin, std::string(text::kMnWin) + "\t" + text::kMnWinShortcut,
               false);
    HMENU option = CreatePopupMenu();
    appendItem(option, cmd::kMnPageNm, text::kMnPageNm, false);
    appendItem(option, cmd::kMnPageDel, text::kMnPageDel, false);
    AppendMenuW(option, MF_SEPARATOR, 0, nullptr);
    appendItem(option, cmd::kMnImport, text::kMnImport, false);
    AppendMenuW(option, MF_SEPARATOR, 0, nullptr);
    appendItem(option, cmd::kMnSendAdd, text::kMnSendAdd);
    appendItem(option, cmd::kMnScutAdd, text::kMnScutAdd, false);
    HMENU help = CreatePopupMenu();
    appendItem(help, cmd::kMnHelp, text::kMnHelp, false);
    appendItem(help, cmd::kMnReadme, text::kMnReadme, false);
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    appendItem(help, cmd::kMnVer, text::kMnVer, false);
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(standard),
                widen(text::kMnStandard).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(option), widen(text::kMnOption).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), widen(text::kMnHelpBar).c_str());
    SetMenu(hwnd_, bar); // the window owns and destroys its menu bar

    HMENU popup = CreatePopupMenu();
    appendItem(popup, cmd::kPopTourokuHenkou, text::kPopTourokuHenkou, false);
    appendItem(popup, cmd::kPopOthersFile, text::kPopOthersFile, false);
    appendItem(popup, cmd::kPopUrl, text::kPopUrl, false);
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    appendItem(popup, cmd::kPopChgName, text::kPopChgName, false);
    appendItem(popup, cmd::kPopInfoDel, text::kPopInfoDel, false);
    popupMenu_.reset(popup);

    std::vector<ACCEL> keys;
    for (WORD vk = VK_F1; vk <= VK_F12; ++vk) {
        keys.push_back(ACCEL{FVIRTKEY, vk, static_cast<WORD>(cmd::kFunctionKeyBase + vk)});
    }
    keys.push_back(ACCEL{FVIRTKEY | FALT, VK_F4, cmd::kMnEnd});
    keys.push_back(ACCEL{FVIRTKEY | FCONTROL, 'Q', cmd::kMnWin});
    accelerators_.reset(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void MainWindow::createControls() {
    toolBar_ = makeChild(hwnd_, kToolBarClass, "", WS_CLIPCHILDREN, cmd::kToolBar);
    toolLabelPrevious_ = makeChild(toolBar_, L"STATIC", text::kToolLabelPrevious,
                                   SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelPrevious);
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        // Grouped check buttons: exactly one is down, the button of the current page.
        const DWORD style = BS_AUTORADIOBUTTON | BS_PUSHLIKE | (page == kFirstPage ? WS_GROUP : 0);
        toolButtons_[static_cast<std::size_t>(page - 1)] = makeChild(
            toolBar_, L"BUTTON", std::to_string(page), style, cmd::kToolButtonBase + page);
    }
    toolLabelNext_ = makeChild(toolBar_, L"STATIC", text::kToolLabelNext,
                               SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelNext);
    pressToolButton(kFirstPage);
    pageLabel_ =
        makeChild(hwnd_, L"STATIC", text::kPageNameDesign, SS_OWNERDRAW, cmd::kPageNameLabel);
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        slotButton(n).create(hwnd_, cmd::kSlotButtonBase + n, n);
        // The key labels Ｆ2 to Ｆ11: no name, no events.
        keyLabels_[static_cast<std::size_t>(n - kFirstKeyNumber)] =
            makeChild(hwnd_, L"STATIC", text::kKeyLabelPrefix + std::to_string(n),
                      SS_RIGHT | SS_NOPREFIX, cmd::kKeyLabelBase + n);
    }
}

void MainWindow::applyLayout(UINT dpi) {
    if (dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    fontWindow_ = makeFont(layout::kFontWindow, false, dpi);
    fontToolBar_ = makeFont(layout::kFontToolBar, false, dpi);
    fontToolLabel_ = makeFont(layout::kFontToolLabel, false, dpi);
    fontPageName_ = makeFont(layout::kFontPageName, true, dpi);
    fontKeyLabel_ = makeFont(layout::kFontKeyLabel, true, dpi);

    // Size the frame so the client area is the design size; a menu bar that wraps is
    // measured and made up for.
    RECT frame{0, 0, scale(layout::kClientWidth, dpi), scale(layout::kClientHeight, dpi)};
    adjustWindowRectForDpi(frame, kMainStyle, TRUE, 0, dpi);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    RECT client{};
    GetClientRect(hwnd_, &client);
    const int missing = scale(layout::kClientHeight, dpi) - (client.bottom - client.top);
    if (missing != 0) {
        SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left,
                     frame.bottom - frame.top + missing,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    moveTo(toolBar_, layout::kToolBar, dpi);
    moveTo(toolLabelPrevious_, layout::kToolLabelPrevious, dpi);
    setFont(toolLabelPrevious_, fontToolLabel_.get());
    for (std::size_t i = 0; i < toolButtons_.size(); ++i) {
        moveTo(toolButtons_[i],
               {layout::kToolButtonLeft[i], layout::kToolRowTop, layout::kToolButtonWidth,
                layout::kToolRowHeight},
               dpi);
        setFont(toolButtons_[i], fontToolBar_.get());
    }
    moveTo(toolLabelNext_, layout::kToolLabelNext, dpi);
    setFont(toolLabelNext_, fontToolLabel_.get());
    setFont(pageLabel_, fontPageName_.get());
    sizePageLabel();
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const int index = n - kFirstKeyNumber;
        moveTo(slotButton(n).hwnd(), layout::slotBox(index), dpi);
        setFont(slotButton(n).hwnd(), fontWindow_.get());
        // The key label is as wide as its text and keeps its right edge 4 pixels left of
        // the buttons.
        HWND label = keyLabels_[static_cast<std::size_t>(index)];
        setFont(label, fontKeyLabel_.get());
        const std::wstring caption = widen(text::kKeyLabelPrefix + std::to_string(n));
        const int width = textWidth(label, fontKeyLabel_.get(), caption);
        const int right = scale(layout::kKeyLabelRight, dpi);
        MoveWindow(label, right - width,
                   scale(layout::kKeyLabelTop + layout::kSlotPitch * index, dpi), width,
                   scale(layout::kKeyLabelHeight, dpi), TRUE);
    }
}

void MainWindow::placeAt(WindowPosition position) {
    RECT current{};
    GetWindowRect(hwnd_, &current);
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    RECT target{position.left, position.top, position.left + width, position.top + height};
    // A window that would lie wholly off every monitor (a monitor unplugged, a hand-edited
    // position) is brought onto the nearest one; a partly visible one stays where it was put.
    if (MonitorFromRect(&target, MONITOR_DEFAULTTONULL) == nullptr) {
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoW(MonitorFromRect(&target, MONITOR_DEFAULTTONEAREST), &mi);
        const RECT& work = mi.rcWork;
        position.left =
            std::clamp<int>(position.left, work.left, std::max<int>(work.left, work.right - width));
        position.top =
            std::clamp<int>(position.top, work.top, std::max<int>(work.top, work.bottom - height));
    }
    SetWindowPos(hwnd_, nullptr, position.left, position.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

WindowPosition MainWindow::currentPosition() const {
    // A minimised window reports -32000: store where it will come back instead.
    if (IsIconic(hwnd_)) {
        WINDOWPLACEMENT placement{};
        placement.length = sizeof placement;
        GetWindowPlacement(hwnd_, &placement);
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoW(MonitorFromRect(&placement.rcNormalPosition, MONITOR_DEFAULTTONEAREST),
                        &mi);
        // rcNormalPosition is in work-area coordinates.
        return {placement.rcNormalPosition.left + mi.rcWork.left - mi.rcMonitor.left,
                placement.rcNormalPosition.top + mi.rcWork.top - mi.rcMonitor.top};
    }
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {r.left, r.top};
}

void MainWindow::pressToolButton(int page) {
    for (int p = kFirstPage; p <= kLastPage; ++p) {
        SendMessageW(toolButtons_[static_cast<std::size_t>(p - 1)], BM_SETCHECK,
                     p == page ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void MainWindow::previousPage() {
    turnPage(tarvok::previousPage(currentPage_));
}

void MainWindow::nextPage() {
    turnPage(tarvok::nextPage(currentPage_));
}

void MainWindow::turnPage(PageTurn turn) {
    currentPage_ = turn.page;
    if (turn.beep) {
        options_.beep();
        return;
    }
    // Pressing the button from here does not run its click handler: the refresh is ours.
    pressToolButton(currentPage_);
    refreshPage();
}

void MainWindow::selectPage(int page) {
    currentPage_ = std::clamp(page, kFirstPage, kLastPage);
    pressToolButton(currentPage_);
    refreshPage();
}

void MainWindow::showPageName() {
    SetWindowTextW(pageLabel_,
                   widen(pageNames_[static_cast<std::size_t>(currentPage_ - 1)]).c_str());
    sizePageLabel();
}

void MainWindow::sizePageLabel() {
    // Centred in its design box; a longer name widens the label to the right so it is read
    // whole instead of being cut after two or three characters.
    const int length = GetWindowTextLengthW(pageLabel_);
    std::wstring name(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(pageLabel_, name.data(), length + 1);
    name.resize(static_cast<std::size_t>(length));
    const int designWidth = scale(layout::kPageName.width, dpi_);
    const int left = scale(layout::kPageName.left, dpi_);
    const int room = scale(layout::kClientWidth, dpi_) - 2 * left;
    const int width =
        std::clamp(textWidth(pageLabel_, fontPageName_.get(), name), designWidth, room);
    SetWindowPos(pageLabel_, nullptr, left, scale(layout::kPageName.top, dpi_), width,
                 scale(layout::kPageName.height, dpi_), SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(pageLabel_, nullptr, TRUE);
}

void MainWindow::showBlankPage() {
    showPageName();
    for (auto& slot : slots_) {
        slot.show("", nullptr);
    }
}

void MainWindow::refreshPage(GlyphTiming timing) {
    showPageName();
    pendingGlyphs_.clear();
    const Settings settings = openSettings(settingsPath_);
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        const SlotRecord record = readSlot(settings, slotKey(currentPage_, n));
        switch (record.state()) {
        case SlotState::Program:
            if (timing == GlyphTiming::AfterShow) {
                slotButton(n).show(record.caption, nullptr);
                pendingGlyphs_.emplace_back(n, record.path);
            } else {
                slotButton(n).show(record.caption, glyphs_.glyphFor(record.path));
            }
            break;
        case SlotState::Address:
            slotButton(n).show(record.caption, nullptr);
            break;
        case SlotState::Empty:
            slotButton(n).show("", nullptr);
            break;
        }
    }
    if (!pendingGlyphs_.empty()) {
        PostMessageW(hwnd_, kMsgFillGlyphs, 0, 0);
    }
}

void MainWindow::fillPendingGlyphs() {
    // A page turn in between has shown its own glyphs and emptied the list.
    const auto pending = std::move(pendingGlyphs_);
    pendingGlyphs_.clear();
    for (const auto& [keyNumber, path] : pending) {
        slotButton(keyNumber).setGlyph(glyphs_.glyphFor(path));
    }
}

void MainWindow::onCommand(int id, int notification, HWND control) {
    if (id > cmd::kToolButtonBase && id <= cmd::kToolButtonBase + kLastPage) {
        if (notification == BN_CLICKED) {
            selectPage(id - cmd::kToolButtonBase);
        }
        return;
    }
    if (id >= cmd::kSlotButtonBase + kFirstKeyNumber &&
        id <= cmd::kSlotButtonBase + kLastKeyNumber && control != nullptr) {
        if (notification == BN_CLICKED) {
            onSlotCommand(
                slotKeyFromButtonName(currentPage_, slotButton(id - cmd::kSlotButtonBase).name()));
        }
        return;
    }
    if (id >= cmd::kFunctionKeyBase + VK_F1 && id <= cmd::kFunctionKeyBase + VK_F12) {
        onFunctionKey(id - cmd::kFunctionKeyBase);
        return;
    }
    switch (id) {
    case cmd::kMnEnd:
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
        break;
    case cmd::kMnSendAdd:
        toggleSendAddress();
        break;
    default:
        break;
    }
}

void MainWindow::onFunctionKey(int virtualKey) {
    if (virtualKey == VK_F1) {
        previousPage();
    } else if (virtualKey == VK_F12) {
        nextPage();
    } else {
        onSlotCommand(slotKeyFromVirtualKey(currentPage_, virtualKey));
    }
}

void MainWindow::onSlotCommand(const std::string& slotKey) {
    launchSlot(slotKey);
}

void MainWindow::showSlotMenu(HWND button, LPARAM at) {
    POINT pt{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) { // from the keyboard: below the button's left edge
        RECT r{};
        GetWindowRect(button, &r);
        pt = {r.left, r.bottom};
    }
    TrackPopupMenu(popupMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd_,
                   nullptr);
}

void MainWindow::closeQuery() {
    try {
        Settings settings = openSettings(settingsPath_);
        writeWindowPosition(settings, currentPosition());
        saveIfChanged(settingsPath_, settings);
    } catch (const std::exception& e) {
        // Only the position is lost; a launcher that cannot be closed would be worse.
        reportUnhandledError(hwnd_, e);
    }
}

LRESULT MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.CtlType == ODT_BUTTON &&
        item.CtlID >= static_cast<UINT>(cmd::kSlotButtonBase + kFirstKeyNumber) &&
        item.CtlID <= static_cast<UINT>(cmd::kSlotButtonBase + kLastKeyNumber)) {
        slotButton(static_cast<int>(item.CtlID) - cmd::kSlotButtonBase).draw(item, dpi_);
        return TRUE;
    }
    if (item.CtlType == ODT_STATIC && item.CtlID == static_cast<UINT>(cmd::kPageNameLabel)) {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        const int length = GetWindowTextLengthW(item.hwndItem);
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        GetWindowTextW(item.hwndItem, caption.data(), length + 1);
        HGDIOBJ old = SelectObject(item.hDC, fontPageName_.get());
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, kPageNameColour);
        DrawTextW(item.hDC, caption.c_str(), length, &r,
                  DT_CENTER | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
        SelectObject(item.hDC, old);
        return TRUE;
    }
    return FALSE;
}

LRESULT MainWindow::onCtlColorStatic(HDC dc, HWND control) {
    const int id = GetDlgCtrlID(control);
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    if (id > cmd::kKeyLabelBase && id <= cmd::kKeyLabelBase + kLastKeyNumber) {
        SetTextColor(dc, kKeyLabelColour);
    } else {
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    }
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        formCreate();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CONTEXTMENU: {
        const HWND target = reinterpret_cast<HWND>(wParam);
        for (auto& slot : slots_) {
            if (slot.hwnd() == target) {
                showSlotMenu(target, lParam);
                return 0;
            }
        }
        break;
    }
    case WM_DRAWITEM:
        return onDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        applyLayout(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        for (auto& slot : slots_) {
            InvalidateRect(slot.hwnd(), nullptr, TRUE);
        }
        return 0;
    }
    case kMsgFillGlyphs:
        fillPendingGlyphs();
        return 0;
    case WM_CLOSE:
        closeQuery();
        DestroyWindow(hwnd_);
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Windows is ending the session: this window gets no WM_CLOSE, but the position is
        // kept all the same.
        if (wParam) {
            closeQuery();
        }
        return 0;
    case WM_DESTROY:
        if (options_.quitOnDestroy) {
            PostQuitMessage(0);
        }
        return 0;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

} // namespace tarvok
