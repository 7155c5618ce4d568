// The slot menu in this process: its items, which slot each command works on, rename and
// clear, and what the settings file holds afterwards.
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/rename_prompt.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using test::UiDriver;
using SlotMenuTest = test::MainWindowTest;

namespace {

using test::sjis;

constexpr int kRename = 3;
constexpr int kClear = 4;

// A program slot on 2F4 and an address slot on 5F11, as the launcher saves them, so a file
// that only had values replaced compares whole.
const std::string kFile =
    "[PG_KIND]\r\n2F4=1\r\n5F11=0\r\n\r\n[AP_NM]\r\n2F4=" + sjis("メモ帳") +
    "\r\n5F11=Home\r\n\r\n[LINK_PATH]\r\n2F4=C:\\windows\\notepad.exe\r\n\r\n"
    "[URL_KIND]\r\n2F4=0\r\n5F11=1\r\n\r\n[URL]\r\n5F11=http://example.jp/\r\n\r\n";

TEST_F(SlotMenuTest, OpensOnARightClickWithItsItems) {
    auto& w = open();
    HWND button = slot(5);
    std::vector<std::string> items;
    static std::vector<std::string>* s_items;
    s_items = &items;
    // The menu runs its own loop: read it and close it from a timer.
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu == nullptr) {
            return;
        }
        HMENU handle = reinterpret_cast<HMENU>(SendMessageW(menu, 0x01E1 /*MN_GETHMENU*/, 0, 0));
        for (int i = 0; i < GetMenuItemCount(handle); ++i) {
            wchar_t buffer[128] = {};
            GetMenuStringW(handle, static_cast<UINT>(i), buffer, 128, MF_BYPOSITION);
            s_items->push_back(narrow(buffer));
        }
        KillTimer(nullptr, id);
        PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    RECT r{};
    GetWindowRect(button, &r);
    SendMessageW(w.hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(button),
                 MAKELPARAM(r.left + 5, r.top + 5));
    KillTimer(nullptr, timer);
    EXPECT_EQ(items, (std::vector<std::string>{
                         "ﾌﾟﾛｸﾞﾗﾑの登録/変更", "ファイルやフォルダの登録/変更",
                         "ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更", "", "名前の変更...", "設定の削除"}));
}

TEST_F(SlotMenuTest, RenameLoopsOnAnEmptyNameAndWritesOnlyTheCaption) {
    writeSettings(kFile);
    auto& w = open();
    pressKey(VK_F12);
    SetFocus(slot(4));
    UiDriver ui;
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    chooseFromSlotMenu(4, kRename);
    EXPECT_EQ(settingsBytes(), kFile) << "Esc writes nothing";
    EXPECT_TRUE(focusReturnsTo(slot(4))) << "the focus is back on the slot, not on the window";

    std::string shownFirst, shownAgain;
    int focused = 0;
    ui.dialog([&](const DialogView& d) {
          shownFirst = d.text(RenamePrompt::kNameId);
          focused = d.focusedId();
          EXPECT_EQ(d.caption(), "名前の変更");
          EXPECT_EQ(d.text(RenamePrompt::kPromptId), "ボタン名を入力して下さい");
          EXPECT_EQ(SendMessageW(d.item(RenamePrompt::kNameId), EM_GETLIMITTEXT, 0, 0), 255);
          d.setText(RenamePrompt::kNameId, "");
          d.key(VK_RETURN);
      })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            shownAgain = d.text(RenamePrompt::kNameId);
            d.setText(RenamePrompt::kNameId, "  表 & ｿﾌﾄ ");
            d.click(IDOK);
        });
    chooseFromSlotMenu(4, kRename, true); // the menu key, on the slot the focus came back to
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    EXPECT_EQ(shownFirst, "メモ帳");
    EXPECT_EQ(focused, RenamePrompt::kNameId);
    EXPECT_EQ(shownAgain, "メモ帳") << "the prompt starts again from the present caption";
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, "ボタン名が未入力です");
    EXPECT_EQ(caption(4), "  表 & ｿﾌﾄ ");
    EXPECT_TRUE(focusReturnsTo(slot(4))) << "also after a box between two prompts";
    EXPECT_TRUE(w.slotButton(4).hasGlyph());
    std::string expected = kFile;
    expected.replace(expected.find("2F4=" + sjis("メモ帳")), 4 + sjis("メモ帳").size(),
                     "2F4=" + sjis("  表 & ｿﾌﾄ "));
    EXPECT_EQ(settingsBytes(), expected);
}

TEST_F(SlotMenuTest, ClearAsksWithNoFocusedAndOnlyYesClearsTheSlotOfThatPage) {
    writeSettings(kFile);
    auto& w = open();
    for (int i = 0; i < 4; ++i) {
        pressKey(VK_F12);
    }
    UiDriver ui;
    ui.box(BoxReply::closeBox()).box(BoxReply::button(IDNO)).box(BoxReply::button(IDYES));
    chooseFromSlotMenu(11, kClear);
    EXPECT_EQ(settingsBytes(), kFile) << "closing the box is No";
    chooseFromSlotMenu(11, kClear);
    EXPECT_EQ(settingsBytes(), kFile);
    chooseFromSlotMenu(11, kClear);
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].caption, "確認");
    EXPECT_EQ(ui.boxes()[0].text, clearSlotQuestion("Home"));
    EXPECT_EQ(ui.boxes()[0].focusedId, IDNO);
    EXPECT_EQ(caption(11), "");
    EXPECT_FALSE(w.slotButton(11).hasGlyph());
    EXPECT_EQ(settingsBytes(),
              "[PG_KIND]\r\n2F4=1\r\n5F11=0\r\n\r\n[AP_NM]\r\n2F4=" + sjis("メモ帳") +
                  "\r\n5F11=\r\n\r\n[LINK_PATH]\r\n2F4=C:\\windows\\notepad.exe\r\n"
                  "5F11=\r\n\r\n[URL_KIND]\r\n2F4=0\r\n5F11=0\r\n\r\n[URL]\r\n5F11="
                  "\r\n\r\n");
}

TEST_F(SlotMenuTest, ANameShiftJisCannotHoldIsRefusedOfferedAgainAndNothingIsWritten) {
    writeSettings(kFile);
    open();
    pressKey(VK_F12);
    std::string offeredAgain;
    UiDriver ui;
    ui.dialog([](const DialogView& d) {
          d.setText(RenamePrompt::kNameId, "表😀");
          d.click(IDOK);
      })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            offeredAgain = d.text(RenamePrompt::kNameId);
            d.key(VK_ESCAPE);
        });
    chooseFromSlotMenu(4, kRename);
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "「表😀」には設定ファイルに保存できない文字が含まれています。");
    EXPECT_EQ(offeredAgain, "表😀");
    EXPECT_EQ(settingsBytes(), kFile);
    EXPECT_EQ(caption(4), "メモ帳");
}

} // namespace
