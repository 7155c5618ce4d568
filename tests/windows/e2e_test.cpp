// The real program, started in a temporary program folder with a prepared settings file,
// driven from outside the way a user's keyboard and mouse would drive it.
#include "app/main_window.h"
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/file_picker.h"
#include "dialogs/rename_prompt.h"
#include "platform/cp932_codec.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

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
    // The first visible window of the program that holds a control with this id.
    HWND windowWith(int controlId, DWORD timeoutMs = 5000) const {
        HWND found = nullptr;
        test::waitFor(
            [&] {
                for (HWND h : test::topWindowsOf(process_->id())) {
                    if (GetDlgItem(h, controlId) != nullptr) {
                        found = h;
                        return true;
                    }
                }
                return false;
            },
            timeoutMs);
        return found;
    }
    // Right-clicks a slot button and picks an item of its menu with the keyboard.
    void chooseFromSlotMenu(int keyNumber, int item) {
        PostMessageW(slot(keyNumber), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
        std::vector<HWND> menus;
        ASSERT_TRUE(test::waitFor([&] {
            menus = test::topWindowsOf(process_->id(), L"#32768");
            return !menus.empty();
        }));
        for (int i = 0; i <= item; ++i) {
            PostMessageW(menus.front(), WM_KEYDOWN, VK_DOWN, 0);
        }
        PostMessageW(menus.front(), WM_KEYDOWN, VK_RETURN, 0);
    }
    // Whether the button shows a glyph, as the screen shows it: where the glyph would stand,
    // a caption without one paints only its text colour on the face, an icon other shades.
    bool showsGlyph(int keyNumber) const {
        RECT r{};
        GetWindowRect(slot(keyNumber), &r);
        const int w = 40, h = r.bottom - r.top;
        HDC screen = GetDC(nullptr);
        HDC memory = CreateCompatibleDC(screen);
        HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
        bool icon = false;
        for (int y = 0; y < h && !icon; ++y) {
            for (int x = 0; x < w && !icon; ++x) {
                const COLORREF c = GetPixel(memory, x, y);
                icon = c != GetSysColor(COLOR_BTNFACE) && c != GetSysColor(COLOR_BTNTEXT);
            }
        }
        SelectObject(memory, old);
        DeleteObject(bitmap);
        DeleteDC(memory);
        ReleaseDC(nullptr, screen);
        return icon;
    }
    bool closeAndWait() {
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return process_->waitForExit(10000);
    }
    test::ChildProcess& process() { return *process_; }
    DWORD id() const { return process_->id(); }

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

TEST(EndToEnd, AFileChosenInThePickerShowsOnItsButtonNowAndAfterARestart) {
    test::TempDir dir;
    const std::string tool = dir.file("zz tool.exe");
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(tool).c_str(), FALSE);
    const std::string ini = dir.file("tarvok.ini");
    {
        Launcher app(dir, "[PG_KIND]\r\n1F3=1\r\n[AP_NM]\r\n1F3=ini\r\n[LINK_PATH]\r\n1F3=" + ini +
                              "\r\n");
        ASSERT_NE(app.window(), nullptr);
        // The slot holding a file of the folder opens the picker there; cancelling keeps
        // the folder for the next opening.
        app.chooseFromSlotMenu(3, 1);
        HWND picker = app.windowWith(FilePicker::kFileListId);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(test::DialogView(picker).className(), "TF_EXESET");
        PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(test::waitFor([&] { return !IsWindow(picker); }));
        EXPECT_FALSE(app.showsGlyph(2));

        app.chooseFromSlotMenu(2, 1);
        picker = app.windowWith(FilePicker::kFileListId);
        ASSERT_NE(picker, nullptr);
        const test::DialogView d(picker);
        EXPECT_EQ(d.text(FilePicker::kNameId), "");
        // Typing a name's first letter in the list selects it.
        PostMessageW(d.item(FilePicker::kFileListId), WM_CHAR, 'z', 1);
        ASSERT_TRUE(test::waitFor([&] { return d.text(FilePicker::kNameId) == "zz tool"; }));
        d.click(FilePicker::kRegisterFileId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "zz tool"; }));
        EXPECT_TRUE(test::waitFor([&] { return app.showsGlyph(2); }));
        ASSERT_TRUE(app.closeAndWait());
    }
    EXPECT_NE(test::readFileBytes(ini).find("[LINK_PATH]\r\n1F3=" + ini + "\r\n1F2=" + tool),
              std::string::npos);
    Launcher again(dir, "");
    EXPECT_EQ(again.caption(2), "zz tool");
    EXPECT_TRUE(test::waitFor([&] { return again.showsGlyph(2); }));
    EXPECT_TRUE(again.closeAndWait());
}

TEST(EndToEnd, RenameClearAndTheQuestionBeforeReplacingAnAddress) {
    test::TempDir dir;
    Launcher app(dir, "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=" + sjis("メモ帳") +
                          "\r\n1F4=Home\r\n[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n"
                          "[URL_KIND]\r\n1F4=1\r\n[URL]\r\n1F4=http://example.jp/\r\n");
    ASSERT_NE(app.window(), nullptr);
    EXPECT_TRUE(test::waitFor([&] { return app.showsGlyph(2); }));
    const auto answer = [&](int button) {
        HWND box = nullptr;
        EXPECT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
        const std::string text = test::windowText(GetDlgItem(box, kBoxTextId));
        button == 0 ? PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0)
                    : PostMessageW(GetDlgItem(box, button), BM_CLICK, 0, 0);
        EXPECT_TRUE(test::waitFor([&] { return !IsWindow(box); }));
        return text;
    };

    // Rename: an empty name is refused and the prompt comes back with the present caption.
    app.chooseFromSlotMenu(2, 3);
    HWND prompt = app.windowWith(RenamePrompt::kNameId);
    ASSERT_NE(prompt, nullptr);
    test::DialogView(prompt).setText(RenamePrompt::kNameId, "");
    test::DialogView(prompt).click(IDOK);
    EXPECT_EQ(answer(IDOK), "ボタン名が未入力です");
    ASSERT_TRUE(test::waitFor([&] {
        prompt = app.windowWith(RenamePrompt::kNameId, 100);
        return prompt != nullptr &&
               test::DialogView(prompt).text(RenamePrompt::kNameId) == "メモ帳";
    }));
    test::DialogView(prompt).setText(RenamePrompt::kNameId, "エディタ");
    test::DialogView(prompt).click(IDOK);
    ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "エディタ"; }));

    // Clear: the close box and No keep the slot, Yes empties it.
    for (int button : {0, IDNO, IDYES}) {
        app.chooseFromSlotMenu(2, 4);
        answer(button);
    }
    ASSERT_TRUE(test::waitFor([&] { return app.caption(2).empty(); }));
    EXPECT_FALSE(app.showsGlyph(2));

    // An address slot asks before the picker; No shows no picker, Yes opens it unnamed.
    app.chooseFromSlotMenu(4, 1);
    EXPECT_EQ(answer(IDNO),
              replaceQuestion(text::kAskReplaceAddressHead, "Home", text::kPopOthersFile));
    EXPECT_EQ(app.windowWith(FilePicker::kFileListId, 300), nullptr);
    app.chooseFromSlotMenu(4, 1);
    answer(IDYES);
    HWND picker = app.windowWith(FilePicker::kFileListId);
    ASSERT_NE(picker, nullptr);
    const test::DialogView d(picker);
    EXPECT_EQ(d.text(FilePicker::kNameId), "");
    d.setText(FilePicker::kNameId, "desk");
    d.click(FilePicker::kRegisterFolderId);
    ASSERT_TRUE(test::waitFor([&] { return app.caption(4) == "desk"; }));
    ASSERT_TRUE(app.closeAndWait());
    const auto saved = test::readFileBytes(dir.file("tarvok.ini"));
    EXPECT_NE(saved.find("[AP_NM]\r\n1F2=\r\n1F4=desk\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[URL_KIND]\r\n1F4=0\r\n1F2=0\r\n"), std::string::npos) << saved;
}

} // namespace
