// The real program, started in a temporary program folder with a prepared settings file,
// driven from outside the way a user's keyboard and mouse would drive it.
#include "app/main_window.h"
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "dialogs/start_menu_picker.h"
#include "platform/com.h"
#include "platform/cp932_codec.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

using namespace tarvok;

namespace {

class Launcher {
  public:
    Launcher(const test::TempDir& dir, const std::string& settings) : folder_(dir.path()) {
        CopyFileW(widen(test::binFolder() + "\\tarvok.exe").c_str(),
                  widen(dir.file("tarvok.exe")).c_str(), FALSE);
        if (!settings.empty()) {
            test::writeFileBytes(dir.file("tarvok.ini"), settings);
        }
        process_ =
            std::make_unique<test::ChildProcess>("\"" + dir.file("tarvok.exe") + "\"", dir.path());
        test::waitFor([&] {
            const auto found = test::topWindowsOf(process_->id(), kMainWindowClass);
            window_ = found.empty() ? nullptr : found.front();
            // Shown means created: start-up has filled the buttons and labels by then.
            return window_ != nullptr && GetDlgItem(window_, cmd::kKeyLabelBase + 11) != nullptr;
        });
    }
    HWND window() const { return window_; }
    HWND slot(int n) const { return GetDlgItem(window_, cmd::kSlotButtonBase + n); }
    std::string caption(int n) const { return test::windowText(slot(n)); }
    int pageDown() const {
        HWND bar = GetDlgItem(window_, cmd::kToolBar);
        for (int page = 1; page <= 5; ++page) {
            if (SendMessageW(GetDlgItem(bar, cmd::kToolButtonBase + page), BM_GETCHECK, 0, 0) ==
                BST_CHECKED) {
                return page;
            }
        }
        return 0;
    }
    // Posts a function key as the keyboard would. A message sent afterwards would be handled
    // before the posted key, so callers wait for the key's visible effect instead.
    void key(UINT vk, bool system = false) {
        system ? test::postSystemKey(window_, vk) : test::postKey(window_, vk);
    }
    bool turnTo(UINT vk, int expectedPage) {
        key(vk);
        return test::waitFor([&] { return pageDown() == expectedPage; });
    }
    HWND box() const {
        for (HWND h : test::topWindowsOf(process_->id())) {
            if (GetDlgItem(h, kBoxTextId) != nullptr) {
                return h;
            }
        }
        return nullptr;
    }
    bool closeAndWait() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return process_->waitForExit(10000);
    }
    test::ChildProcess& process() { return *process_; }

  private:
    std::string folder_;
    std::unique_ptr<test::ChildProcess> process_;
    HWND window_ = nullptr;
};

std::string sjis(const std::string& utf8) {
    return systemCodec().encode(utf8).value();
}

TEST(EndToEnd, ShowsThePreparedPagesTurnsThemAndStoresThePositionOnClose) {
    test::TempDir dir;
    const std::string settings =
        "[PG_KIND]\r\n1F2=1\r\n2F3=0\r\n[AP_NM]\r\n1F2=" + sjis("表計算　ｿﾌﾄ") +
        "\r\n2F3=" + sjis("ホーム") +
        "\r\n5F11=x\r\n[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n"
        "[URL_KIND]\r\n2F3=1\r\n[URL]\r\n2F3=http://example.jp/\r\n"
        "[Form]\r\nLEFT=50\r\nTOP=70\r\n";
    Launcher app(dir, settings);
    ASSERT_NE(app.window(), nullptr);
    EXPECT_EQ(test::windowText(app.window()), "ダルメDのペルノ COM");
    RECT r{};
    GetWindowRect(app.window(), &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(app.caption(2), "表計算　ｿﾌﾄ");
    EXPECT_EQ(app.caption(3), "");
    EXPECT_EQ(app.pageDown(), 1);

    ASSERT_TRUE(app.turnTo(VK_F12, 2));
    EXPECT_EQ(app.caption(2), "");
    EXPECT_EQ(app.caption(3), "ホーム");
    ASSERT_TRUE(app.turnTo(VK_F1, 1));
    EXPECT_EQ(app.caption(2), "表計算　ｿﾌﾄ");

    SetWindowPos(app.window(), nullptr, 210, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(app.closeAndWait());
    EXPECT_EQ(app.process().exitCode(), 0u);
    const auto saved = test::readFileBytes(dir.file("tarvok.ini"));
    EXPECT_NE(saved.find("[Form]\r\nLEFT=210\r\nTOP=130\r\n"), std::string::npos) << saved;
    // The Japanese caption survives the round trip byte for byte.
    EXPECT_NE(saved.find("1F2=" + sjis("表計算　ｿﾌﾄ") + "\r\n"), std::string::npos);
}

TEST(EndToEnd, F5OnPageTwoAndAClickStartTheRegisteredProgram) {
    test::TempDir dir;
    const std::string folder = dir.file("ﾂｰﾙ 表");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    const std::string marker = folder + "\\marker.exe";
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(marker).c_str(), FALSE);
    const std::string log = folder + "\\marker.log";
    Launcher app(
        dir,
        "[PG_KIND]\r\n2F5=1\r\n4F10=1\r\n[AP_NM]\r\n2F5=marker\r\n4F10=ten\r\n[LINK_PATH]\r\n2F5=" +
            sjis(marker) + "\r\n4F10=" + sjis(marker) + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    app.key(VK_F5);
    Sleep(300);
    EXPECT_FALSE(test::fileExists(log)) << "F5 on page 1 is an empty slot";
    ASSERT_TRUE(app.turnTo(VK_F12, 2));
    app.key(VK_F5);
    ASSERT_TRUE(test::waitFor([&] { return test::fileExists(log); }));
    SendMessageW(app.slot(5), BM_CLICK, 0, 0);
    const auto count = [&] {
        const auto text = test::readFileBytes(log);
        int n = 0;
        for (auto at = text.find("started"); at != std::string::npos;
             at = text.find("started", at + 1)) {
            ++n;
        }
        return n;
    };
    ASSERT_TRUE(test::waitFor([&] { return count() == 2; }));
    // F10 arrives as a system key and launches 4F10 like any other key.
    ASSERT_TRUE(app.turnTo(VK_F12, 3));
    ASSERT_TRUE(app.turnTo(VK_F12, 4));
    app.key(VK_F10, true);
    ASSERT_TRUE(test::waitFor([&] { return count() == 3; }));
    EXPECT_EQ(app.box(), nullptr);
    EXPECT_TRUE(app.closeAndWait());
}

TEST(EndToEnd, ADeletedProgramGivesTheWarningWithItsFullPath) {
    test::TempDir dir;
    const std::string path = dir.file("deleted.exe");
    Launcher app(dir,
                 "[PG_KIND]\r\n1F3=1\r\n[AP_NM]\r\n1F3=old\r\n[LINK_PATH]\r\n1F3=" + path + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    test::postKey(app.window(), VK_F3);
    HWND box = nullptr;
    ASSERT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
    EXPECT_EQ(test::windowText(box), "警告");
    EXPECT_EQ(test::windowText(GetDlgItem(box, kBoxTextId)),
              "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　" + path + "　がありません");
    EXPECT_EQ(test::windowText(GetDlgItem(box, IDOK)), "OK");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::waitFor([&] { return app.box() == nullptr; }));
    EXPECT_TRUE(app.closeAndWait());
}

TEST(EndToEnd, AFolderSlotOpensTheFolder) {
    test::TempDir dir;
    const std::string folder = dir.file("opened folder");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    Launcher app(dir,
                 "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=f\r\n[LINK_PATH]\r\n1F2=" + folder + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    app.key(VK_F2);
    // The shell's folder window comes from another process and names the folder.
    HWND shown = nullptr;
    const bool found = test::waitFor(
        [&] {
            EnumWindows(
                [](HWND h, LPARAM out) -> BOOL {
                    if (IsWindowVisible(h) &&
                        test::windowText(h).find("opened folder") != std::string::npos) {
                        *reinterpret_cast<HWND*>(out) = h;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&shown));
            return shown != nullptr;
        },
        10000);
    ASSERT_TRUE(found) << "no folder window appeared";
    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.box(), nullptr);
    EXPECT_TRUE(app.closeAndWait());
}

// Picks an item of a slot button's menu in the launcher's process with the keyboard.
void chooseFromSlotMenu(Launcher& app, int keyNumber, int downs) {
    PostMessageW(app.slot(keyNumber), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    std::vector<HWND> menu;
    ASSERT_TRUE(test::waitFor(
        [&] { return !(menu = test::topWindowsOf(app.process().id(), L"#32768")).empty(); }));
    for (int i = 0; i < downs; ++i) {
        PostMessageW(menu.front(), WM_KEYDOWN, VK_DOWN, 0);
    }
    PostMessageW(menu.front(), WM_KEYDOWN, VK_RETURN, 0);
}

HWND waitForDialog(Launcher& app, const wchar_t* windowClass) {
    std::vector<HWND> found;
    test::waitFor(
        [&] { return !(found = test::topWindowsOf(app.process().id(), windowClass)).empty(); });
    return found.empty() ? nullptr : found.front();
}

// The question before replacing the other kind of target, answered Yes.
void answerYes(Launcher& app, const std::string& question) {
    HWND box = nullptr;
    ASSERT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
    EXPECT_EQ(test::windowText(GetDlgItem(box, kBoxTextId)), question);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
}

// Types the start of an entry's caption into a list (the list selects the entry that
// matches) and presses Enter there, as a keyboard user picks it.
void pickByTyping(HWND list, const std::wstring& start) {
    for (wchar_t c : start) {
        PostMessageW(list, WM_CHAR, c, 1); // a repeat count of 1, as the keyboard sends
    }
    test::postKey(list, VK_RETURN);
}

TEST(EndToEnd, BothRegistrationsFromTheSlotMenuFillTheButtonsAndTheFileAndSurviveARestart) {
    ComApartment com;
    test::TempDir dir;
    // A folder of the test's own in the Programs folder the launcher will list.
    const std::string folderName = "tarvok-e2e-" + std::to_string(GetCurrentProcessId());
    const std::string folder = startMenuProgramsFolder() + "\\" + folderName;
    const std::string link = folder + "\\E2E Tool.lnk";
    ASSERT_TRUE(CreateDirectoryW(widen(folder).c_str(), nullptr));
    struct Remove {
        std::string link, folder;
        ~Remove() {
            DeleteFileW(widen(link).c_str());
            RemoveDirectoryW(widen(folder).c_str());
        }
    } remove{link, folder};
    ASSERT_EQ(createShortcut(link, "C:\\windows\\notepad.exe"), std::nullopt);
    {
        // An address on F2 and a program on F3: each registration asks before replacing.
        Launcher app(dir,
                     "[PG_KIND]\r\n1F2=0\r\n1F3=1\r\n\r\n[AP_NM]\r\n1F2=Web\r\n1F3=Tool\r\n\r\n"
                     "[LINK_PATH]\r\n1F2=\r\n1F3=C:\\windows\\notepad.exe\r\n\r\n[URL_KIND]\r\n"
                     "1F2=1\r\n1F3=0\r\n\r\n[URL]\r\n1F2=http://w.jp/\r\n1F3=\r\n\r\n");
        ASSERT_NE(app.window(), nullptr);
        chooseFromSlotMenu(app, 2, 1);
        answerYes(app,
                  replaceQuestion(text::kAskReplaceAddressHead, "Web", text::kPopTourokuHenkou));
        const test::DialogView picker(waitForDialog(app, L"TF_LIST"));
        ASSERT_NE(picker.hwnd(), nullptr);
        EXPECT_EQ(picker.text(StartMenuPicker::kNameId), "");
        pickByTyping(picker.item(StartMenuPicker::kFirstListId), widen(folderName));
        ASSERT_TRUE(test::waitFor([&] {
            return ListView_GetItemCount(picker.item(StartMenuPicker::kSecondListId)) == 1;
        }));
        test::postKey(picker.hwnd(), VK_TAB);
        pickByTyping(picker.item(StartMenuPicker::kSecondListId), L"E2E");
        ASSERT_TRUE(
            test::waitFor([&] { return picker.text(StartMenuPicker::kNameId) == "E2E Tool"; }));
        picker.click(StartMenuPicker::kRegisterId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "E2E Tool"; }));

        chooseFromSlotMenu(app, 3, 3);
        answerYes(app, replaceQuestion(text::kAskReplaceProgramHead, "Tool", text::kPopUrl));
        const test::DialogView address(waitForDialog(app, L"TF_URLSET"));
        ASSERT_NE(address.hwnd(), nullptr);
        EXPECT_EQ(address.text(AddressDialog::kTitleId), "");
        EXPECT_EQ(address.text(AddressDialog::kAddressId), "http://");
        address.setText(AddressDialog::kTitleId, "ホーム");
        address.setText(AddressDialog::kAddressId, "http://example.jp/");
        address.click(AddressDialog::kRegisterId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(3) == "ホーム"; }));
        ASSERT_TRUE(app.closeAndWait());
    }
    const std::string saved = test::readFileBytes(dir.file("tarvok.ini"));
    const std::string path = systemCodec().encode(link).value();
    EXPECT_EQ(saved.substr(0, saved.find("[Form]")),
              "[PG_KIND]\r\n1F2=1\r\n1F3=0\r\n\r\n[AP_NM]\r\n1F2=E2E Tool\r\n1F3=" +
                  sjis("ホーム") + "\r\n\r\n[LINK_PATH]\r\n1F2=" + path +
                  "\r\n1F3=\r\n\r\n[URL_KIND]\r\n1F2=0\r\n1F3=1\r\n\r\n[URL]\r\n1F2=\r\n"
                  "1F3=http://example.jp/\r\n\r\n");
    Launcher again(dir, "");
    ASSERT_NE(again.window(), nullptr);
    EXPECT_EQ(again.caption(2), "E2E Tool");
    EXPECT_EQ(again.caption(3), "ホーム");
    EXPECT_TRUE(again.closeAndWait());
}

} // namespace
