#include "app/main_window.h"

#include "app/layout.h"
#include "app/texts.h"
#include "platform/controls.h"
#include "platform/dpi.h"
#include "platform/drop.h"
#include "platform/keyboard_navigation.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "platform/window.h"
#include "platform/window_placement.h"
#include "settings/paths.h"

#include <exception>

namespace tarvok {

namespace {

constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kKeyLabelColour = RGB(0, 0, 255);
// Posted, so they run once the operation that asked for them has ended.
constexpr UINT kMsgFillGlyphs = WM_APP + 1;
constexpr UINT kMsgRefreshPage = WM_APP + 2;
constexpr UINT kMsgAfterFirstPaint = WM_APP + 3;
constexpr UINT kMsgTellSummonKeyProblem = WM_APP + 4;

std::string programFolderFrom(const MainWindowOptions& options) {
    return options.programFolder.empty()
               ? programFolderOf(programFilePath())
               : programFolderOf(options.programFolder + "\\" + kSettingsFileName);
}

} // namespace

MainWindow::MainWindow(MainWindowOptions options)
    : options_(std::move(options)), programFolder_(programFolderFrom(options_)),
      store_(settingsPathIn(programFolder_)),
      commands_(*this, store_, state_, programFolder_,
                CommandOptions{options_.beep, options_.desktopFolder, options_.shellRun,
                               options_.openItem}) {}

MainWindow::~MainWindow() {
    if (hwnd_ != nullptr) {
        DestroyWindow(hwnd_);
    }
}

HWND MainWindow::create() {
    registerTopLevelClass(kMainWindowClass, windowProcFor<MainWindow>);
    RECT frame{0, 0, layout::kClientWidth, layout::kClientHeight};
    AdjustWindowRectEx(&frame, kMainStyle, TRUE, 0);
    // The window owns and destroys its menu bar; made with the window, the frame is laid out
    // once.
    HMENU menuBar = makeMenuBar();
    CreateWindowExW(0, kMainWindowClass, widen(text::kAppTitle).c_str(), kMainStyle,
                    layout::kDesignLeft, layout::kDesignTop, frame.right - frame.left,
                    frame.bottom - frame.top, nullptr, menuBar, GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) {
        DestroyMenu(menuBar);
    }
    return hwnd_;
}

void MainWindow::show(int showCommand) {
    ShowWindow(hwnd_, showCommand);
    // The buttons and labels too, now: left to the queue they would paint after the work
    // below, which waits until they are on the screen.
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    if (!shown_) {
        shown_ = true;
        // A posted message comes before any input.
        PostMessageW(hwnd_, kMsgAfterFirstPaint, 0, 0);
    }
}

void MainWindow::onCreate() {
    state_.page = kFirstPage;
    accelerators_ = makeAccelerators();
    // Every part is made where it belongs at the window's DPI, in its fonts, and the slot
    // buttons with their captions: the file is read first.
    dpi_ = windowDpi(hwnd_);
    sizeClientArea(hwnd_, {scale(layout::kClientWidth, dpi_), scale(layout::kClientHeight, dpi_)},
                   dpi_);
    const Settings* settings = nullptr;
    std::exception_ptr unread;
    try {
        settings = &store_.read();
        takeNamesAndOption(*settings);
    } catch (...) {
        unread = std::current_exception();
    }
    pageBar_.create(hwnd_, dpi_);
    pageLabel_.create(hwnd_, dpi_);
    slots_.create(hwnd_, dpi_, settings, state_.page);
    drops_.attach(hwnd_);
    // Focus frames stay hidden until the keyboard is used, as everywhere in Windows.
    SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    showPageName();
    if (settings != nullptr) {
        startSummonKey(readSummonKey(*settings));
        const WindowPosition position = readWindowPosition(*settings);
        placeWindowAt(hwnd_, {position.left, position.top});
        return;
    }
    // The user still gets a working window: page 1, blank buttons, key labels, at the default
    // position. What the file holds is taken as soon as it can be read.
    store_.startedUnread([this](const Settings& file) {
        takeNamesAndOption(file);
        startSummonKey(readSummonKey(file));
        showPageName();
        // The buttons of the page shown are still blank from the start: filled once the
        // operation that read the file has ended.
        PostMessageW(hwnd_, kMsgRefreshPage, 0, 0);
    });
    startSummonKey({kDefaultSummonKey, {}});
    try {
        std::rethrow_exception(unread);
    } catch (const std::exception& e) {
        reportUnhandledError(hwnd_, e);
    }
    placeWindowAt(hwnd_, {kDefaultWindowPos, kDefaultWindowPos});
}

// What the window needs only once it is on the screen. The shell's first icon costs more than
// the rest of the start-up, and loading the shell at all costs as much again: the window shows
// its captions first and the rest follows.
void MainWindow::afterFirstPaint() {
    // The shell's icon and shortcut calls want a single-threaded apartment, and files dragged
    // from other programs arrive through OLE.
    ole_.emplace();
    slots_.fillGlyphs();
    drops_.accept();
    store_.removeLeftovers();
}

void MainWindow::startSummonKey(const SummonKeySetting& setting) {
    // Told in a box, and the start does not wait for its answer: the window comes first.
    if (summonKey_.start(hwnd_, setting)) {
        PostMessageW(hwnd_, kMsgTellSummonKeyProblem, 0, 0);
    }
}

void MainWindow::takeNamesAndOption(const Settings& settings) {
    state_.pageNames = readPageNames(settings);
    state_.sendAddress = readSendAddress(settings);
    showSendAddress();
}

void MainWindow::layout(UINT dpi) {
    if (dpi == dpi_) {
        return;
    }
    dpi_ = dpi;
    sizeClientArea(hwnd_, {scale(layout::kClientWidth, dpi), scale(layout::kClientHeight, dpi)},
                   dpi);
    pageBar_.layout(dpi);
    pageLabel_.layout(dpi);
    slots_.layout(dpi);
}

void MainWindow::turnTo(int page) {
    state_.page = page;
    // Pressing the button from here does not run its click handler: the refresh is ours.
    pageBar_.press(page);
    refreshPage();
}

void MainWindow::refreshPage(bool deferGlyphs) {
    showPageName();
    if (slots_.fill(store_.read(), state_.page, deferGlyphs)) {
        PostMessageW(hwnd_, kMsgFillGlyphs, 0, 0);
    }
}

void MainWindow::showSlot(int keyNumber, const std::string& caption, const std::string& glyphPath) {
    slots_.show(keyNumber, caption, glyphPath);
}

void MainWindow::showCaption(int keyNumber, const std::string& caption) {
    setWindowText(slots_.button(keyNumber).hwnd(), caption);
}

void MainWindow::showPageName() {
    pageLabel_.show(state_.pageNames[static_cast<std::size_t>(state_.page - kFirstPage)]);
}

void MainWindow::showSendAddress() {
    CheckMenuItem(GetMenu(hwnd_), cmd::kToggleSendAddress,
                  MF_BYCOMMAND | (state_.sendAddress ? MF_CHECKED : MF_UNCHECKED));
}

void MainWindow::storePosition() {
    try {
        commands_.storePosition(storedWindowPosition(hwnd_));
    } catch (const std::exception& e) {
        // Only the position is lost; a launcher that cannot be closed would be worse.
        reportUnhandledError(hwnd_, e);
    }
}

void MainWindow::close(const std::function<void()>& afterStoring) {
    storePosition();
    if (afterStoring) {
        afterStoring();
    }
    DestroyWindow(hwnd_);
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
    // The arrow keys walk the column of slot buttons, and the row of page buttons as option
    // buttons do (the page follows). The dialog manager cannot do it here: the key labels
    // stand between the slot buttons.
    return navigateByKeyboard(hwnd_, message, [this](HWND focus, int step) {
        return slots_.walk(focus, step) || pageBar_.walk(focus, step);
    });
}

void MainWindow::onCommand(int id, int notification, HWND control) {
    if (id > cmd::kToolButtonBase && id <= cmd::kToolButtonBase + kLastPage) {
        if (notification == BN_CLICKED) {
            turnTo(id - cmd::kToolButtonBase);
            // A mouse click leaves no focus on the page button: Wine would frame it whatever
            // the focus cues say. From the keyboard the focus stays where the keys put it.
            if (focusCuesHidden(hwnd_) && GetFocus() == control) {
                SetFocus(hwnd_);
            }
        }
        return;
    }
    if (const int keyNumber = slots_.keyNumberOf(control); keyNumber != 0) {
        if (notification == BN_CLICKED) {
            if (GetKeyState(VK_CONTROL) < 0 && GetKeyState(VK_SHIFT) < 0) {
                commands_.launchAsAdministrator(keyNumber);
            } else {
                commands_.launch(keyNumber);
            }
        }
        return;
    }
    commands_.run(id, slotMenu_.keyNumber());
}

LRESULT MainWindow::onCtlColorStatic(HDC dc, HWND control) const {
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    SetTextColor(dc, slots_.isKeyLabel(control) ? kKeyLabelColour : GetSysColor(COLOR_BTNTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT MainWindow::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        onCreate();
        return 0;
    case WM_COMMAND:
        onCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam));
        return 0;
    case WM_CONTEXTMENU:
        if (const HWND target = reinterpret_cast<HWND>(wParam);
            const int keyNumber = slots_.keyNumberOf(target)) {
            slotMenu_.open(hwnd_, target, keyNumber, lParam);
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        return slots_.draw(item) || pageLabel_.draw(item);
    }
    case WM_CTLCOLORSTATIC:
        return onCtlColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
        layout(HIWORD(wParam));
        SetWindowPos(hwnd_, nullptr, suggested->left, suggested->top, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        InvalidateRect(hwnd_, nullptr, TRUE);
        return 0;
    }
    case WM_DROPFILES:
        drops_.onDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    case kMsgRefreshPage:
        refreshPage();
        return 0;
    case kMsgFillGlyphs:
        slots_.fillGlyphs();
        return 0;
    case kMsgAfterFirstPaint:
        afterFirstPaint();
        return 0;
    case kMsgTellSummonKeyProblem:
        informationBox(hwnd_, summonKey_.problem());
        return 0;
    case WM_HOTKEY:
        if (wParam == SummonKey::kHotKeyId) {
            summonKey_.pressed(focus_.summoned());
        }
        return 0;
    case WM_ACTIVATE:
        if (focus_.onActivate(hwnd_, LOWORD(wParam), HIWORD(wParam) != 0)) {
            return 0;
        }
        break;
    case WM_CLOSE:
        close({});
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        // Windows is ending the session: this window gets no WM_CLOSE, but the position is
        // kept all the same.
        if (wParam) {
            storePosition();
        }
        return 0;
    case WM_DESTROY:
        drops_.revoke();
        summonKey_.release();
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
