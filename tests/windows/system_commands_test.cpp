// The main menu's system and utility commands in this process: what reaches the shell-run
// action, the desktop shortcut in a temporary desktop folder, the shell's shut-down dialog
// asked of a taskbar stand-in, and the about box.
#include "app/system_commands_rules.h"
#include "dialogs/about_box.h"
#include "dialogs/summon_key_dialog.h"
#include "platform/shell.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace tarvok;
using test::BoxReply;
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
        EXPECT_TRUE(test::settle(window.get()));
    }
    std::vector<std::string> runs;
};

TEST_F(SystemCommandsTest, EnabledItemsOpenControlPanelThePromptAndTheFilesBesideTheProgram) {
    test::writeFileBytes(dir.file("tarvok_00.html"), "<html></html>");
    UiDriver ui;
    ui.box(BoxReply::button(IDOK));
    auto& w = openRecording();
    for (int id :
         {cmd::kOpenControlPanel, cmd::kOpenCommandPrompt, cmd::kShutDownWindows, cmd::kMigrate,
          cmd::kAddDesktopShortcut, cmd::kOpenHelp, cmd::kOpenReadMe, cmd::kShowAbout}) {
        EXPECT_FALSE(GetMenuState(GetMenu(w.hwnd()), static_cast<UINT>(id), 0) & MF_GRAYED) << id;
    }
    for (int id :
         {cmd::kOpenControlPanel, cmd::kOpenCommandPrompt, cmd::kOpenHelp, cmd::kOpenReadMe}) {
        choose(id);
    }
    // On the NT family the prompt runs in the launcher's own current directory.
    EXPECT_EQ(runs, (std::vector<std::string>{"CONTROL.EXE|", "cmd.exe|",
                                              dir.file("tarvok_00.html") + "|"}));
    ASSERT_EQ(ui.boxes().size(), 1u) << "the read-me is missing";
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, notBesideProgramWarning("お読み下さい.txt"));
}

TEST_F(SystemCommandsTest, DesktopShortcutAsksFirstThenPointsAtTheProgramAndIsMadeOnce) {
    const std::string desktop = dir.file("デスクトップ");
    CreateDirectoryW(widen(desktop).c_str(), nullptr);
    const std::string link = desktop + "\\ダルメDのペルノ COM.lnk";
    UiDriver ui;
    ui.box(BoxReply::escape())
        .box(BoxReply::button(IDYES))
        .box(BoxReply::button(IDOK))
        .box(BoxReply::button(IDOK));
    openRecording(desktop);
    choose(cmd::kAddDesktopShortcut);
    EXPECT_FALSE(test::fileExists(link)) << "Esc answers No";
    choose(cmd::kAddDesktopShortcut);
    EXPECT_EQ(resolveShortcut(link, nullptr).value_or(""), programFilePath());
    choose(cmd::kAddDesktopShortcut);
    ASSERT_EQ(ui.boxes().size(), 4u);
    EXPECT_EQ(ui.boxes()[0].caption, "情報");
    EXPECT_EQ(ui.boxes()[0].text, "デスクトップにショートカット\r\nを作成しますか？");
    EXPECT_EQ(ui.boxes()[2].text, "ショートカットは作成されました");
    EXPECT_EQ(ui.boxes()[3].caption, "警告");
    EXPECT_EQ(ui.boxes()[3].text, "ショートカットはすでにあります");
}

TEST_F(SystemCommandsTest, AShortcutThatCannotBeSavedIsReportedWithItsPathAndReason) {
    const std::string desktop = dir.file("no such desktop");
    UiDriver ui;
    ui.box(BoxReply::button(IDYES)).box(BoxReply::button(IDOK));
    openRecording(desktop);
    choose(cmd::kAddDesktopShortcut);
    ASSERT_EQ(ui.boxes().size(), 2u);
    const std::string head = shortcutNotSavedWarning(desktopShortcutPath(desktop), "");
    EXPECT_EQ(ui.boxes()[1].caption, "警告");
    EXPECT_EQ(ui.boxes()[1].text.substr(0, head.size()), head);
    EXPECT_GT(ui.boxes()[1].text.size(), head.size()) << "the system's reason follows";
}

// What the taskbar stand-in saw when it was asked to close.
struct {
    int closes = 0;
    std::string settingsAtClose;
    std::string settingsPath;
} g_taskbar;

TEST_F(SystemCommandsTest, CtrlQStoresThePositionAsksTheTaskbarAndEndsTheLauncher) {
    WNDCLASSW cls{};
    cls.lpfnWndProc = [](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m != WM_CLOSE) {
            return DefWindowProcW(h, m, w, l);
        }
        ++g_taskbar.closes; // the shell would show its shut-down dialog now
        g_taskbar.settingsAtClose = test::readFileBytes(g_taskbar.settingsPath);
        return 0;
    };
    cls.lpszClassName = L"Shell_TrayWnd";
    RegisterClassW(&cls);
    // Above the system's own taskbar, so the launcher's message reaches the stand-in.
    HWND taskbar =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, cls.lpszClassName, L"",
                        WS_POPUP | WS_VISIBLE, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    ASSERT_EQ(FindWindowW(cls.lpszClassName, nullptr), taskbar);
    g_taskbar.settingsPath = settingsPath();
    auto& w = openRecording();
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
    DestroyWindow(taskbar);
    UnregisterClassW(cls.lpszClassName, nullptr);
    EXPECT_EQ(w.hwnd(), nullptr) << "the launcher ends";
    EXPECT_EQ(g_taskbar.closes, 1);
    EXPECT_NE(g_taskbar.settingsAtClose.find("[Form]\r\nLEFT=230\r\nTOP=140\r\n"),
              std::string::npos)
        << "the position was stored before: " << g_taskbar.settingsAtClose;
}

TEST_F(SystemCommandsTest, AboutBoxLinksToTheHelpPageByMouseOrKeyboardAndClosesOnEnterOrCloseBox) {
    const std::string helpPage = dir.file("tarvok_00.html");
    test::writeFileBytes(helpPage, "<html></html>");
    std::string caption, link;
    bool underlined = false, hand = false, linkFocused = false;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          caption = d.caption();
          link = d.text(AboutBox::kLinkId);
          LOGFONTW lf{};
          GetObjectW(d.font(AboutBox::kLinkId), sizeof lf, &lf);
          underlined = lf.lfUnderline != 0;
          SendMessageW(d.hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(d.item(AboutBox::kLinkId)),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
          hand = GetCursor() == LoadCursorW(nullptr, IDC_HAND);
          d.key(VK_ESCAPE);
      })
        .dialog([](const DialogView& d) {
            PostMessageW(d.item(AboutBox::kLinkId), WM_LBUTTONDOWN, MK_LBUTTON, 0);
            PostMessageW(d.item(AboutBox::kLinkId), WM_LBUTTONUP, 0, 0);
            d.key(VK_TAB);
        })
        .dialog([&](const DialogView& d) {
            linkFocused = d.focusedId() == AboutBox::kLinkId;
            DeleteFileW(widen(helpPage).c_str());
            d.key(VK_RETURN);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.key(VK_TAB); })
        .dialog([](const DialogView& d) { d.key(VK_RETURN); })
        .dialog([](const DialogView& d) { d.close(); });
    openRecording();
    choose(cmd::kShowAbout);
    EXPECT_EQ(ui.dialogs().size(), 5u) << "Esc and the link left the box open, Enter closed it";
    choose(cmd::kShowAbout);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    EXPECT_EQ(caption, "製品名　ダルメDのペルノ COM");
    EXPECT_TRUE(underlined);
    EXPECT_TRUE(hand);
    EXPECT_TRUE(linkFocused) << "Tab reaches the link after OK";
    EXPECT_EQ(link, "tarvok_00.html");
    EXPECT_EQ(runs, std::vector<std::string>{helpPage + "|"});
    ASSERT_EQ(ui.boxes().size(), 1u) << "the help page was gone for Enter";
    EXPECT_EQ(ui.boxes()[0].text, notBesideProgramWarning("tarvok_00.html"));
}

TEST_F(SystemCommandsTest, TheSummonKeyDialogStoresANewKeyOrNoneAndNamesItsKeyField) {
    using Summon = SummonKeyDialog;
    openRecording();
    std::string fieldName, fieldLabel;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          fieldName = test::spoken(d.item(Summon::kKeyId)).name;
          fieldLabel = d.text(Summon::kNewLabelId);
          SendMessageW(d.item(Summon::kKeyId), HKM_SETHOTKEY,
                       MAKEWORD('K', HOTKEYF_CONTROL | HOTKEYF_ALT), 0);
          d.click(IDOK);
      }).dialog([&](const DialogView& d) {
        d.click(Summon::kNoneId);
        d.key(VK_RETURN);
    });
    choose(cmd::kEditSummonKey);
    EXPECT_NE(settingsBytes().find("[Summon]\r\nKEY=Ctrl+Alt+K\r\n"), std::string::npos)
        << settingsBytes();
    choose(cmd::kEditSummonKey);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    EXPECT_NE(settingsBytes().find("[Summon]\r\nKEY=\r\n"), std::string::npos) << settingsBytes();
    EXPECT_EQ(fieldName, fieldLabel) << "a screen reader names the key field after its label";
}

} // namespace
