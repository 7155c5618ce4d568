// The main menu's system and utility commands in this process: what reaches the shell-run
// action, the desktop shortcut in a temporary desktop folder, the shell's shut-down dialog
// asked of a taskbar stand-in, and the about box.
#include "app/system_commands_rules.h"
#include "app/texts.h"
#include "dialogs/about_box.h"
#include "platform/shell.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

using namespace tarvok;
using test::DialogView;
using test::UiDriver;

namespace {

class SystemCommandsTest : public test::MainWindowTest {
  protected:
    // The shell-run action's calls are recorded as "file|working folder".
    MainWindow& openRecording(const std::string& desktop = {}) {
        MainWindowOptions options;
        options.desktopFolder = desktop;
        options.shellRun = [this](const std::string& file, const std::string& folder) {
            runs.push_back(file + "|" + folder);
        };
        return open(options);
    }
    void choose(int id) {
        SendMessageW(window->hwnd(), WM_COMMAND, id, 0);
        test::pump(window.get(), 30);
    }
    std::vector<std::string> runs;
};

// Dark pixels inside a box of a window's client area, as painted on the screen.
int darkPixelsIn(HWND window, RECT box) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    HDC dc = GetDC(window);
    int dark = 0;
    for (LONG y = box.top; y < box.bottom; ++y) {
        for (LONG x = box.left; x < box.right; ++x) {
            const COLORREF c = GetPixel(dc, x, y);
            dark += (GetRValue(c) + GetGValue(c) + GetBValue(c)) < 200 ? 1 : 0;
        }
    }
    ReleaseDC(window, dc);
    return dark;
}

TEST_F(SystemCommandsTest, ControlPanelAndCommandPromptGoToTheShellFromEnabledItems) {
    auto& w = openRecording();
    for (int id : {cmd::kMnControl, cmd::kMnMsdos, cmd::kMnWin, cmd::kMnImport, cmd::kMnScutAdd,
                   cmd::kMnHelp, cmd::kMnReadme, cmd::kMnVer}) {
        EXPECT_EQ(GetMenuState(GetMenu(w.hwnd()), static_cast<UINT>(id), MF_BYCOMMAND) & MF_GRAYED,
                  0u)
            << id;
    }
    choose(cmd::kMnControl);
    choose(cmd::kMnMsdos);
    // On the NT family the prompt runs in the launcher's own current directory.
    EXPECT_EQ(runs, (std::vector<std::string>{"CONTROL.EXE|", "cmd.exe|"}));
}

TEST_F(SystemCommandsTest, HelpAndReadMeOpenTheFilesBesideTheProgramOrWarn) {
    test::writeFileBytes(dir.file("tarvok_00.html"), "<html></html>");
    UiDriver ui;
    ui.box(IDOK);
    openRecording();
    choose(cmd::kMnHelp);
    choose(cmd::kMnReadme);
    EXPECT_EQ(runs, std::vector<std::string>{dir.file("tarvok_00.html") + "|"});
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, notBesideProgramWarning("お読み下さい.txt"));
}

TEST_F(SystemCommandsTest, DesktopShortcutAsksFirstThenPointsAtTheProgramAndIsMadeOnce) {
    const std::string desktop = dir.file("デスクトップ");
    CreateDirectoryW(widen(desktop).c_str(), nullptr);
    const std::string link = desktop + "\\ダルメDのペルノ COM.lnk";
    UiDriver ui;
    ui.box(IDCANCEL).box(IDYES).box(IDOK).box(IDOK);
    openRecording(desktop);
    choose(cmd::kMnScutAdd);
    EXPECT_FALSE(test::fileExists(link)) << "Esc answers No";
    choose(cmd::kMnScutAdd);
    ASSERT_TRUE(test::fileExists(link));
    EXPECT_EQ(resolveShortcut(link, nullptr).value_or(""), programFilePath());
    choose(cmd::kMnScutAdd);
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 4u);
    const auto& question = ui.boxes()[0];
    EXPECT_EQ(question.caption, "情報");
    EXPECT_EQ(question.text, "デスクトップにショートカット\r\nを作成しますか？");
    EXPECT_EQ(question.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(question.defaultId, IDYES);
    EXPECT_EQ(ui.boxes()[2].caption, "情報");
    EXPECT_EQ(ui.boxes()[2].text, "ショートカットは作成されました");
    EXPECT_EQ(ui.boxes()[3].caption, "警告");
    EXPECT_EQ(ui.boxes()[3].text, "ショートカットはすでにあります");
}

TEST_F(SystemCommandsTest, AShortcutThatCannotBeSavedIsReportedWithItsPath) {
    const std::string desktop = dir.file("no such desktop");
    UiDriver ui;
    ui.box(IDYES).box(IDOK);
    openRecording(desktop);
    choose(cmd::kMnScutAdd);
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[1].caption, "警告");
    const std::string head = shortcutNotSavedWarning(desktopShortcutPath(desktop), "");
    EXPECT_EQ(ui.boxes()[1].text.substr(0, head.size()), head);
    EXPECT_GT(ui.boxes()[1].text.size(), head.size()) << "the system's reason follows";
    EXPECT_FALSE(test::fileExists(desktopShortcutPath(desktop)));
}

// The taskbar stand-in: what it saw when the launcher asked it to close.
struct TaskbarSeen {
    int closes = 0;
    std::string settingsAtClose;
    bool launcherStillThere = false;
    std::string settingsPath;
    HWND launcher = nullptr;
};
TaskbarSeen* g_taskbar = nullptr;

LRESULT CALLBACK taskbarProc(HWND h, UINT m, WPARAM w, LPARAM l) {
    if (m == WM_CLOSE && g_taskbar != nullptr) {
        ++g_taskbar->closes;
        g_taskbar->settingsAtClose = test::readFileBytes(g_taskbar->settingsPath);
        g_taskbar->launcherStillThere = IsWindow(g_taskbar->launcher) != FALSE;
        return 0; // the shell would show its shut-down dialog now
    }
    return DefWindowProcW(h, m, w, l);
}

TEST_F(SystemCommandsTest, CtrlQStoresThePositionAsksTheTaskbarAndEndsTheLauncher) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = taskbarProc;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&cls);
    // Above any taskbar the system has, so the launcher's message reaches the stand-in.
    HWND taskbar =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"Shell_TrayWnd", L"", WS_POPUP, 0, 0, 1,
                        1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ShowWindow(taskbar, SW_SHOWNOACTIVATE);
    ASSERT_EQ(FindWindowW(L"Shell_TrayWnd", nullptr), taskbar);
    TaskbarSeen seen;
    seen.settingsPath = settingsPath();
    g_taskbar = &seen;

    auto& w = openRecording();
    seen.launcher = w.hwnd();
    SetWindowPos(w.hwnd(), nullptr, 230, 140, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    BYTE keys[256];
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    test::postKey(w.hwnd(), 'Q');
    test::pumpUntil(
        &w, [&] { return w.hwnd() == nullptr; }, 2000);
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    g_taskbar = nullptr;
    DestroyWindow(taskbar);
    UnregisterClassW(L"Shell_TrayWnd", GetModuleHandleW(nullptr));

    EXPECT_EQ(w.hwnd(), nullptr) << "the launcher ends";
    EXPECT_EQ(seen.closes, 1);
    EXPECT_TRUE(seen.launcherStillThere);
    EXPECT_NE(seen.settingsAtClose.find("[Form]\r\nLEFT=230\r\nTOP=140\r\n"), std::string::npos)
        << seen.settingsAtClose;
    EXPECT_TRUE(runs.empty());
}

TEST_F(SystemCommandsTest, AboutBoxOpensItsLinkKeepsOpenOnEscAndClosesOnEnterOrCloseBox) {
    std::string caption, className, link;
    bool underlined = false, hand = false;
    int painted = 0;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          caption = d.caption();
          className = d.className();
          link = d.text(AboutBox::kLinkId);
          LOGFONTW lf{};
          GetObjectW(d.font(AboutBox::kLinkId), sizeof lf, &lf);
          underlined = lf.lfUnderline != 0;
          SendMessageW(d.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(d.item(AboutBox::kLinkId)),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
          hand = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
          painted = darkPixelsIn(d.hwnd(), {8, 12, 160, 30});
          d.key(VK_ESCAPE);
      })
        .dialog([](const DialogView& d) {
            const HWND label = d.item(AboutBox::kLinkId);
            PostMessageW(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(4, 4));
            PostMessageW(label, WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
        })
        .dialog([](const DialogView& d) { d.key(VK_RETURN); })
        .dialog([](const DialogView& d) { d.close(); });
    openRecording();
    choose(cmd::kMnVer);
    EXPECT_EQ(ui.dialogs().size(), 3u) << "Esc left the box open, Enter closed it";
    choose(cmd::kMnVer);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    EXPECT_EQ(caption, "製品名　ダルメDのペルノ COM");
    EXPECT_EQ(className, "TF_VER");
    EXPECT_TRUE(underlined);
    EXPECT_TRUE(hand);
    EXPECT_GT(painted, 20) << "the version line is painted on the face";
    EXPECT_EQ(link.rfind("http", 0), 0u);
    EXPECT_EQ(runs, std::vector<std::string>{link + "|"});
}

} // namespace
