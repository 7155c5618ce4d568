#include "app/main_window.h"

#include "app/layout.h"
#include "app/texts.h"
#include "platform/controls.h"
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

void appendItem(HMENU menu, int id, const std::string& caption, bool enabled = true) {
    AppendMenuW(menu, MF_STRING | (enabled ? 0u : MF_GRAYED), static_cast<UINT_PTR>(id),
                widen(caption).c_str());
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

bool MainWindow::preTranslateMessage(MSG& message) const {
    if (hwnd_ == nullptr || GetAncestor(message.hwnd, GA_ROOT) != hwnd_) {
        return false;
    }
    // F10 is a system key: its release would open the menu bar after the accelerator has
    // already launched the slot on the press.
    if (message.message == WM_SYSKEYUP && message.wParam == VK_F10) {
        return true;
    }
    if (TranslateAcceleratorW(hwnd_, accelerators_.get(), &message) != 0) {
        return true;
    }
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) {
        return false;
    }
    const UINT key = static_cast<UINT>(message.wParam);
    if (key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN ||
        key == VK_MENU) {
        // The keyboard is in use: from now on the focus shows.
        showFocusCues(hwnd_);
    }
    if (message.message != WM_KEYDOWN) {
        return false;
    }
    // Tab, the arrow keys and Enter move between the buttons and press them, as in a dialog.
    // The dialog manager itself is not used: it would take an "&" in a user's caption for an
    // access key, so typing that letter would launch the slot.
    if (key == VK_TAB) {
        const bool back = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
        const HWND focus = GetFocus();
        if (HWND next = GetNextDlgTabItem(hwnd_, IsChild(hwnd_, focus) ? focus : nullptr, back)) {
            SetFocus(next);
        }
        return true;
    }
    if (key == VK_RETURN) {
        pressFocusedButton();
        return true;
    }
    return moveFocusByArrow(key);
}

// The arrow keys walk the column of slot buttons, and the row of page buttons as option
// buttons do (the page follows). The dialog manager cannot do it here: the key labels stand
// between the slot buttons.
bool MainWindow::moveFocusByArrow(UINT key) const {
    const int step = key == VK_UP || key == VK_LEFT      ? -1
                     : key == VK_DOWN || key == VK_RIGHT ? 1
                                                         : 0;
    const HWND focus = GetFocus();
    if (step == 0 || focus == nullptr) {
        return false;
    }
    const int id = GetDlgCtrlID(focus);
    if (GetParent(focus) == hwnd_ && id >= cmd::kSlotButtonBase + kFirstKeyNumber &&
        id <= cmd::kSlotButtonBase + kLastKeyNumber) {
        const int next =
            std::clamp(id - cmd::kSlotButtonBase + step, kFirstKeyNumber, kLastKeyNumber);
        SetFocus(slots_[static_cast<std::size_t>(next - kFirstKeyNumber)].hwnd());
        return true;
    }
    if (GetParent(focus) == toolBar_) {
        const int page = std::clamp(id - cmd::kToolButtonBase + step, kFirstPage, kLastPage);
        HWND button = toolButtons_[static_cast<std::size_t>(page - kFirstPage)];
        SetFocus(button);
        SendMessageW(button, BM_CLICK, 0, 0);
        return true;
    }
    return false;
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
    // Focus frames stay hidden until the keyboard is used, as everywhere in Windows.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    acceptDrops();

    try {
        const Settings settings = openSettings(settingsPath_);
        takeNamesAndOption(settings);
        placeAt(readWindowPosition(settings));
    } catch (const std::exception& e) {
        // The user still gets a working window: page 1, blank buttons, key labels, at the
        // default position. What the file holds is taken as soon as it can be read.
        settingsUnread_ = true;
        reportUnhandledError(hwnd_, e);
        placeAt(WindowPosition{});
    }
    if (!settingsUnread_) {
        // The shell's first icon costs more than the rest of the start-up: the window is
        // shown with its captions and the icons follow as soon as it is on the screen.
        refreshPage(GlyphTiming::AfterShow);
    } else {
        showBlankPage();
    }
}

void MainWindow::takeNamesAndOption(const Settings& settings) {
    pageNames_ = readPageNames(settings);
    sendAddress_ = readSendAddress(settings);
    showSendAddress();
}

Settings MainWindow::loadSettings() {
    Settings settings = openSettings(settingsPath_);
    if (settingsUnread_) {
        settingsUnread_ = false;
        takeNamesAndOption(settings);
        showPageName();
        // The buttons of the page shown are still blank from the start: filled once the
        // operation that read the file has ended.
        PostMessageW(hwnd_, kMsgRefreshPage, 0, 0);
    }
    return settings;
}

void MainWindow::createMenus() {
    HMENU bar = CreateMenu();
    HMENU standard = CreatePopupMenu();
    appendItem(standard, cmd::kMnControl, text::kMnControl);
    appendItem(standard, cmd::kMnMsdos, text::kMnMsdos);
    AppendMenuW(standard, MF_SEPARATOR, 0, nullptr);
    appendItem(standard, cmd::kMnEnd, std::string(text::kMnEnd) + "\t" + text::kMnEndShortcut);
    appendItem(standard, cmd::kMnWin, std::string(text::kMnWin) + "\t" + text::kMnWinShortcut);
    HMENU option = CreatePopupMenu();
    appendItem(option, cmd::kMnPageNm, text::kMnPageNm);
    appendItem(option, cmd::kMnPageDel, text::kMnPageDel);
    AppendMenuW(option, MF_SEPARATOR, 0, nullptr);
    appendItem(option, cmd::kMnImport, text::kMnImport);
    AppendMenuW(option, MF_SEPARATOR, 0, nullptr);
    appendItem(option, cmd::kMnSendAdd, text::kMnSendAdd);
    appendItem(option, cmd::kMnScutAdd, text::kMnScutAdd);
    HMENU help = CreatePopupMenu();
    appendItem(help, cmd::kMnHelp, text::kMnHelp);
    appendItem(help, cmd::kMnReadme, text::kMnReadme);
    AppendMenuW(help, MF_SEPARATOR, 0, nullptr);
    appendItem(help, cmd::kMnVer, text::kMnVer);
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(standard),
                widen(text::kMnStandard).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(option), widen(text::kMnOption).c_str());
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), widen(text::kMnHelpBar).c_str());
    SetMenu(hwnd_, bar); // the window owns and destroys its menu bar

    HMENU popup = CreatePopupMenu();
    appendItem(popup, cmd::kPopTourokuHenkou, text::kPopTourokuHenkou);
    appendItem(popup, cmd::kPopOthersFile, text::kPopOthersFile);
    appendItem(popup, cmd::kPopUrl, text::kPopUrl);
    AppendMenuW(popup, MF_SEPARATOR, 0, nullptr);
    appendItem(popup, cmd::kPopChgName, text::kPopChgName);
    appendItem(popup, cmd::kPopInfoDel, text::kPopInfoDel);
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
    toolBar_ =
        makeChild(hwnd_, kToolBarClass, "", WS_CLIPCHILDREN, cmd::kToolBar, WS_EX_CONTROLPARENT);
    toolLabelPrevious_ = makeChild(toolBar_, L"STATIC", text::kToolLabelPrevious,
                                   SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelPrevious);
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        // Grouped check buttons: exactly one is down, the button of the current page.
        const DWORD style = BS_AUTORADIOBUTTON | BS_PUSHLIKE | (page == kFirstPage ? WS_GROUP : 0);
        toolButtons_[static_cast<std::size_t>(page - 1)] = makeChild(
            toolBar_, L"BUTTON", std::to_string(page), style, cmd::kToolButtonBase + page);
        followFocusCues(toolButtons_[static_cast<std::size_t>(page - 1)]);
    }
    toolLabelNext_ = makeChild(toolBar_, L"STATIC", text::kToolLabelNext,
                               SS_LEFT | SS_CENTERIMAGE | SS_NOPREFIX, cmd::kToolLabelNext);
    pressToolButton(kFirstPage);
    pageLabel_ = makeChild(hwnd_, L"STATIC", text::kPageNameDesign, SS_OWNERDRAW | SS_NOTIFY,
                           cmd::kPageNameLabel);
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        slotButton(n).create(hwnd_, cmd::kSlotButtonBase + n, "", SpeedButton::Focus::Takes);
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
    fontWindow_ = uiFont(layout::kFontWindow, false, dpi);
    fontToolBar_ = uiFont(layout::kFontToolBar, false, dpi);
    fontToolLabel_ = uiFont(layout::kFontToolLabel, false, dpi);
    fontPageName_ = uiFont(layout::kFontPageName, true, dpi);
    fontKeyLabel_ = uiFont(layout::kFontKeyLabel, true, dpi);

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
    if (MonitorFromRect(&target, MONITOR_DEFAULTTONULL) == nullptr) {
        // Wholly off every monitor (a monitor unplugged, a hand-edited position): brought
        // onto the nearest one.
        const POINT at = keptOnMonitor(target);
        position = {at.x, at.y};
    } else {
        // Partly visible is kept, as long as the title bar can still be taken with the mouse;
        // otherwise the window moves just far enough for that.
        RECT client{0, 0, 0, 0};
        adjustWindowRectForDpi(client, kMainStyle, FALSE, 0, windowDpi(hwnd_));
        const int titleHeight = -client.top;
        const int grip = std::min(width, scale(48, windowDpi(hwnd_)));
        const RECT titleBar{target.left, target.top, target.right, target.top + titleHeight};
        MONITORINFO mi{};
        mi.cbSize = sizeof mi;
        GetMonitorInfoW(MonitorFromRect(&titleBar, MONITOR_DEFAULTTONEAREST), &mi);
        const RECT& work = mi.rcWork;
        position.top = std::clamp<int>(position.top, work.top,
                                       std::max<int>(work.top, work.bottom - titleHeight));
        // Off the left edge the caption's buttons are what stays in view: the grip is kept
        // beside them.
        const int buttons = 3 * GetSystemMetrics(SM_CXSIZE);
        position.left = std::clamp<int>(position.left, work.left + grip + buttons - width,
                                        std::max<int>(work.left, work.right - grip));
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
    const HWND focus = GetFocus();
    bool toolBarHadFocus = false;
    for (int p = kFirstPage; p <= kLastPage; ++p) {
        HWND button = toolButtons_[static_cast<std::size_t>(p - 1)];
        toolBarHadFocus = toolBarHadFocus || button == focus;
        SendMessageW(button, BM_SETCHECK, p == page ? BST_CHECKED : BST_UNCHECKED, 0);
        // Tab enters the group at the page shown, as in any group of option buttons.
        const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE);
        SetWindowLongPtrW(button, GWL_STYLE,
                          p == page ? (style | WS_TABSTOP) : (style & ~LONG_PTR{WS_TABSTOP}));
    }
    // The focus follows the page: left on another page's button, Space would turn back.
    if (toolBarHadFocus) {
        SetFocus(toolButtons_[static_cast<std::size_t>(page - 1)]);
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
    // Centred in its design box; a longer name widens the label to the right, and one too
    // long for the window starts at the left and ends in "…", the whole name in the tip.
    const std::wstring name = widen(windowText(pageLabel_));
    const int designWidth = scale(layout::kPageName.width, dpi_);
    const int left = scale(layout::kPageName.left, dpi_);
    const int room = scale(layout::kClientWidth, dpi_) - 2 * left;
    const int needed = textWidth(pageLabel_, fontPageName_.get(), name);
    // The label keeps its design bottom and grows upwards to the font's whole cell: a font
    // taller than the design (a substitute for the designed one) would otherwise lose the top
    // of its letters, the voiced marks of ガ or パ among them.
    const int bottom = scale(layout::kPageName.top + layout::kPageName.height, dpi_);
    const int height =
        std::max(scale(layout::kPageName.height, dpi_),
                 static_cast<int>(measureText(pageLabel_, fontPageName_.get(), L"ガ").cy));
    SetWindowPos(pageLabel_, nullptr, left, bottom - height, std::clamp(needed, designWidth, room),
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    InvalidateRect(pageLabel_, nullptr, TRUE);
    std::wstring tip = needed > room ? name : std::wstring{};
    if (pageTip_ == nullptr && tip.empty()) {
        return; // made when first needed: a window less at every start
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    tool.hwnd = hwnd_;
    tool.uId = reinterpret_cast<UINT_PTR>(pageLabel_);
    tool.lpszText = tip.data();
    if (pageTip_ == nullptr) {
        pageTip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                   WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SendMessageW(pageTip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
        return;
    }
    SendMessageW(pageTip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
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
    const Settings settings = loadSettings();
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
            // A mouse click leaves no focus on the page button: Wine would frame it whatever
            // the focus cues say. From the keyboard the focus stays where the keys put it.
            if (focusCuesHidden(hwnd_) && GetFocus() == control) {
                SetFocus(hwnd_);
            }
        }
        return;
    }
    if (id >= cmd::kSlotButtonBase + kFirstKeyNumber &&
        id <= cmd::kSlotButtonBase + kLastKeyNumber && control != nullptr) {
        if (notification == BN_CLICKED) {
            onSlotCommand(slotKey(currentPage_, id - cmd::kSlotButtonBase));
        }
        return;
    }
    if (id >= cmd::kFunctionKeyBase + VK_F1 && id <= cmd::kFunctionKeyBase + VK_F12) {
        onFunctionKey(id - cmd::kFunctionKeyBase);
        return;
    }
    switch (id) {
    case cmd::kMnControl:
        openControlPanel();
        break;
    case cmd::kMnMsdos:
        openCommandPrompt();
        break;
    case cmd::kMnEnd:
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
        break;
    case cmd::kMnWin:
        shutDownWindows();
        break;
    case cmd::kMnPageNm:
        editPageNames();
        break;
    case cmd::kMnPageDel:
        clearPage();
        break;
    case cmd::kMnImport:
        migrateEarlierData();
        break;
    case cmd::kMnSendAdd:
        toggleSendAddress();
        break;
    case cmd::kMnScutAdd:
        addDesktopShortcut();
        break;
    case cmd::kMnHelp:
        openHelp();
        break;
    case cmd::kMnReadme:
        openReadMe();
        break;
    case cmd::kMnVer:
        showAbout();
        break;
    case cmd::kPopTourokuHenkou:
        registerFromStartMenu();
        break;
    case cmd::kPopOthersFile:
        registerFileOrFolder();
        break;
    case cmd::kPopUrl:
        registerAddress();
        break;
    case cmd::kPopChgName:
        renameSlot();
        break;
    case cmd::kPopInfoDel:
        clearSlot();
        break;
    default:
        break;
    }
}

void MainWindow::pressFocusedButton() const {
    const HWND focus = GetFocus();
    if (focus != nullptr && focus != hwnd_ && IsChild(hwnd_, focus)) {
        wchar_t cls[16] = {};
        GetClassNameW(focus, cls, 16);
        if (lstrcmpiW(cls, L"Button") == 0) {
            SendMessageW(focus, BM_CLICK, 0, 0);
        }
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
    // The commands act on the button the menu was opened on, whichever page is shown then.
    slotMenuKey_ = GetDlgCtrlID(button) - cmd::kSlotButtonBase;
    TrackPopupMenu(popupMenu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, hwnd_,
                   nullptr);
}

void MainWindow::openSlotMenuOn(int keyNumber) {
    RECT r{};
    HWND button = slotButton(keyNumber).hwnd();
    GetWindowRect(button, &r);
    showSlotMenu(button, MAKELPARAM(r.left + 4, r.top + 4));
}

void MainWindow::closeQuery() {
    try {
        Settings settings = loadSettings();
        writeWindowPosition(settings, currentPosition());
        saveIfChanged(settingsPath_, settings);
    } catch (const std::exception& e) {
        // Only the position is lost; a launcher that cannot be closed would be worse.
        reportUnhandledError(hwnd_, e);
    }
}

LRESULT MainWindow::onDrawItem(const DRAWITEMSTRUCT& item) {
    if (SpeedButton::drawItem(item, dpi_)) {
        return TRUE;
    }
    if (item.CtlType == ODT_STATIC && item.CtlID == static_cast<UINT>(cmd::kPageNameLabel)) {
        RECT r = item.rcItem;
        FillRect(item.hDC, &r, GetSysColorBrush(COLOR_BTNFACE));
        const std::wstring caption = widen(windowText(item.hwndItem));
        Selection font(item.hDC, fontPageName_.get());
        SIZE size{};
        GetTextExtentPoint32W(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &size);
        const UINT align = size.cx > r.right - r.left ? DT_LEFT | DT_END_ELLIPSIS : DT_CENTER;
        SetBkMode(item.hDC, TRANSPARENT);
        SetTextColor(item.hDC, kPageNameColour);
        DrawTextW(item.hDC, caption.c_str(), static_cast<int>(caption.size()), &r,
                  align | DT_BOTTOM | DT_SINGLELINE | DT_NOPREFIX);
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
    case WM_DROPFILES:
        onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kMsgRefreshPage:
        refreshPage();
        return 0;
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
        forgetFocusCues(hwnd_);
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
