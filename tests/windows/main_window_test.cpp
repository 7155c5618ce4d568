#include "app/texts.h"
#include "platform/controls.h"
#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace tarvok;
using test::BoxAnswerer;
using test::BoxReply;
using test::MainWindowTest;

namespace {

// Slot records over paths every Wine prefix has.
const std::string kFullFile =
    "[PG_KIND]\r\n1F2=1\r\n1F3=1\r\n1F4=0\r\n1F5=2\r\n1F6=1\r\n2F2=1\r\n"
    "[AP_NM]\r\n1F2=\x83\x81\x83\x82\x92\xA0\r\n1F3=Windows\r\n1F4=Home\r\n1F5=kind two\r\n"
    "1F6=gone\r\n1F7=renamed empty\r\n2F2=page two\r\n"
    "[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n1F3=C:\\windows\r\n1F5=C:\\windows\\regedit."
    "exe\r\n"
    "1F6=C:\\no such folder\\x.exe\r\n2F2=C:\\windows\\notepad.exe\r\n"
    "[URL_KIND]\r\n1F4=1\r\n1F6=1\r\n"
    "[URL]\r\n1F4=http://example.jp/\r\n"
    "[PAGE_NM]\r\n1=\x8E\x64\x8E\x96\r\n2=\xBA\xDD\r\n"
    "[SEND_ADD]\r\n0=1\r\n"
    "[Form]\r\nLEFT=100\r\nTOP=60\r\n";

int checkedToolButton(HWND toolBar) {
    int checked = 0;
    for (int page = 1; page <= 5; ++page) {
        if (SendMessageW(GetDlgItem(toolBar, cmd::kToolButtonBase + page), BM_GETCHECK, 0, 0) ==
            BST_CHECKED) {
            checked = checked == 0 ? page : -1; // -1: more than one is down
        }
    }
    return checked;
}

TEST_F(MainWindowTest, FirstStartWithoutSettingsFile) {
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_EQ(r.left, 24);
    EXPECT_EQ(r.top, 24);
    EXPECT_EQ(test::windowText(w.hwnd()), "ダルメDのペルノ COM");
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "");
    for (int n = 2; n <= 11; ++n) {
        EXPECT_EQ(caption(n), "") << n;
        EXPECT_FALSE(w.slotButton(n).hasGlyph()) << n;
    }
    EXPECT_FALSE(sendAddressTicked());
    EXPECT_EQ(checkedToolButton(control(cmd::kToolBar)), 1);
    EXPECT_FALSE(test::fileExists(settingsPath())) << "start-up must not write";
    close();
    EXPECT_EQ(settingsBytes(), "[Form]\r\nLEFT=24\r\nTOP=24\r\n\r\n");
}

TEST_F(MainWindowTest, StartFromAFullFileShowsCaptionsGlyphsNameAndOption) {
    writeSettings(kFullFile);
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_EQ(r.left, 100);
    EXPECT_EQ(r.top, 60);
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "仕事");
    EXPECT_TRUE(sendAddressTicked());
    EXPECT_EQ(caption(2), "メモ帳");
    EXPECT_TRUE(w.slotButton(2).hasGlyph());
    EXPECT_EQ(caption(3), "Windows");
    EXPECT_TRUE(w.slotButton(3).hasGlyph()) << "a folder shows its icon";
    EXPECT_EQ(caption(4), "Home");
    EXPECT_FALSE(w.slotButton(4).hasGlyph()) << "address slots never show an icon";
    EXPECT_EQ(caption(5), "kind two");
    EXPECT_TRUE(w.slotButton(5).hasGlyph()) << "PG_KIND 2 is a program slot";
    EXPECT_EQ(caption(6), "gone");
    EXPECT_FALSE(w.slotButton(6).hasGlyph()) << "a missing path keeps its caption, loses its icon";
    EXPECT_EQ(caption(7), "") << "a renamed empty slot stays blank";
}

TEST_F(MainWindowTest, TurningToAnAddressPageRemovesEveryGlyph) {
    writeSettings(kFullFile + "[PG_KIND]\r\n");
    auto& w = open();
    ASSERT_TRUE(w.slotButton(2).hasGlyph());
    pressKey(VK_F12);
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "ｺﾝ");
    EXPECT_EQ(caption(2), "page two");
    EXPECT_EQ(caption(3), "");
    EXPECT_FALSE(w.slotButton(3).hasGlyph());
    EXPECT_FALSE(w.slotButton(5).hasGlyph());
}

TEST_F(MainWindowTest, F12FiveTimesWalksToPageFiveThenBeeps) {
    auto& w = open();
    HWND toolBar = control(cmd::kToolBar);
    for (int expected = 2; expected <= 5; ++expected) {
        pressKey(VK_F12);
        EXPECT_EQ(w.currentPage(), expected);
        EXPECT_EQ(checkedToolButton(toolBar), expected);
    }
    EXPECT_EQ(beeps, 0);
    pressKey(VK_F12);
    EXPECT_EQ(w.currentPage(), 5);
    EXPECT_EQ(checkedToolButton(toolBar), 5);
    EXPECT_EQ(beeps, 1);
}

TEST_F(MainWindowTest, F1OnPageOneOnlyBeeps) {
    auto& w = open();
    pressKey(VK_F1);
    EXPECT_EQ(w.currentPage(), 1);
    EXPECT_EQ(beeps, 1);
    EXPECT_EQ(checkedToolButton(control(cmd::kToolBar)), 1);
}

TEST_F(MainWindowTest, ToolButtonThreeThenF1ShowsPageTwo) {
    writeSettings(kFullFile);
    auto& w = open();
    HWND toolBar = control(cmd::kToolBar);
    SendMessageW(GetDlgItem(toolBar, cmd::kToolButtonBase + 3), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::settle(&w));
    EXPECT_EQ(w.currentPage(), 3);
    EXPECT_EQ(checkedToolButton(toolBar), 3);
    EXPECT_EQ(caption(2), "");
    pressKey(VK_F1);
    EXPECT_EQ(w.currentPage(), 2);
    EXPECT_EQ(checkedToolButton(toolBar), 2);
    EXPECT_EQ(caption(2), "page two");
    // Clicking the button that is down shows the same page again, read afresh.
    std::string changed = kFullFile;
    changed.replace(changed.find("page two"), 8, "changed");
    writeSettings(changed);
    SendMessageW(GetDlgItem(toolBar, cmd::kToolButtonBase + 2), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::settle(&w));
    EXPECT_EQ(caption(2), "changed");
    EXPECT_EQ(beeps, 0);
}

TEST_F(MainWindowTest, F10LaunchesLikeTheOtherKeysAndLeavesTheMenuBarAlone) {
    auto& w = open();
    SetForegroundWindow(w.hwnd());
    test::postSystemKey(w.hwnd(), VK_F10);
    EXPECT_TRUE(test::settle(&w));
    EXPECT_EQ(beeps, 1) << "F10 on an empty slot beeps like F2 to F11";
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetCurrentThreadId(), &info);
    EXPECT_EQ(info.flags & GUI_INMENUMODE, 0u) << "F10 opened the menu bar";
    pressKey(VK_F12);
    EXPECT_EQ(w.currentPage(), 2) << "keys still reach the window after F10";
    for (UINT vk = VK_F2; vk <= VK_F11; ++vk) {
        pressKey(vk);
    }
    EXPECT_EQ(beeps, 11);
}

TEST_F(MainWindowTest, LayoutMatchesTheDesignAt96Dpi) {
    auto& w = open();
    RECT client{};
    GetClientRect(w.hwnd(), &client);
    EXPECT_EQ(client.right, 158);
    EXPECT_EQ(client.bottom, 418);
    for (int n = 2; n <= 11; ++n) {
        const RECT b = clientRectOf(slot(n));
        EXPECT_EQ(b.left, 39);
        EXPECT_EQ(b.top, 65 + 35 * (n - 2));
        EXPECT_EQ(b.right - b.left, 115);
        EXPECT_EQ(b.bottom - b.top, 35);
    }
    const RECT label = clientRectOf(control(cmd::kPageNameLabel));
    EXPECT_EQ(label.left, 7);
    EXPECT_EQ(label.bottom, 36 + 19);
    EXPECT_EQ(label.right - label.left, 52);
    EXPECT_GE(label.bottom - label.top, 19) << "at least the design, and the font's whole cell";
    const RECT bar = clientRectOf(control(cmd::kToolBar));
    EXPECT_EQ(bar.right - bar.left, 158);
    EXPECT_EQ(bar.bottom - bar.top, 27);
    const int lefts[] = {26, 45, 64, 83, 102};
    for (int page = 1; page <= 5; ++page) {
        HWND button = GetDlgItem(control(cmd::kToolBar), cmd::kToolButtonBase + page);
        EXPECT_EQ(test::windowText(button), std::to_string(page));
        EXPECT_EQ(clientRectOf(button).left, lefts[page - 1]);
    }
    EXPECT_EQ(test::windowText(control(cmd::kToolLabelPrevious)), "←F1 ");
    EXPECT_EQ(test::windowText(control(cmd::kToolLabelNext)), "→F12");
    EXPECT_EQ(test::textsThatDoNotFit(w.hwnd()), std::vector<std::string>{});
}

TEST_F(MainWindowTest, AScreenReaderHearsTheKeyAndTheCaptionOfEverySlot) {
    writeSettings(kFullFile);
    open();
    EXPECT_EQ(test::spoken(slot(2)).name, "F2 メモ帳");
    EXPECT_EQ(caption(2), "メモ帳") << "the window text stays the caption";
    EXPECT_EQ(test::spoken(slot(11)).name, "F11 (未登録)");
    pressKey(VK_F12);
    EXPECT_EQ(test::spoken(slot(2)).name, "F2 page two") << "the name follows the page shown";
    EXPECT_EQ(test::spoken(slot(3)).name, "F3 (未登録)");
}

std::string tipText(HWND tip, HWND window, HWND tool) {
    wchar_t buffer[512] = {};
    TTTOOLINFOW info{};
    info.cbSize = sizeof info;
    info.hwnd = window;
    info.uId = reinterpret_cast<UINT_PTR>(tool);
    info.lpszText = buffer;
    SendMessageW(tip, TTM_GETTEXTW, 512, reinterpret_cast<LPARAM>(&info));
    return narrow(buffer);
}

HWND tooltipOf(HWND window) {
    HWND found = nullptr;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM out) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(h, cls, 64);
            if (lstrcmpW(cls, TOOLTIPS_CLASSW) == 0) {
                *reinterpret_cast<HWND*>(out) = h;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return GetWindow(found, GW_OWNER) == window ? found : nullptr;
}

TEST_F(MainWindowTest, LongPageNamesWidenTheLabelAndTooLongOnesShowWholeInATip) {
    // "よく使う" widens the label; a name longer than the window is cut, whole in the tip.
    const std::string longName = systemCodec().encode("よく使うソフトウェアとツール").value();
    writeSettings("[PAGE_NM]\r\n1=\x82\xE6\x82\xAD\x8E\x67\x82\xA4\r\n2=" + longName + "\r\n");
    auto& w = open();
    HWND label = control(cmd::kPageNameLabel);
    RECT r = clientRectOf(label);
    EXPECT_EQ(r.left, 7);
    EXPECT_GT(r.right - r.left, 52);
    EXPECT_EQ(tipText(tooltipOf(w.hwnd()), w.hwnd(), label), "") << "a name that fits needs no tip";
    pressKey(VK_F12);
    r = clientRectOf(label);
    EXPECT_EQ(r.left, 7);
    EXPECT_EQ(r.right, 158 - 7);
    EXPECT_EQ(test::windowText(label), "よく使うソフトウェアとツール");
    EXPECT_EQ(tipText(tooltipOf(w.hwnd()), w.hwnd(), label), "よく使うソフトウェアとツール");
    pressKey(VK_F12);
    const RECT blank = clientRectOf(label);
    EXPECT_EQ(blank.right - blank.left, 52) << "an empty name keeps the design box";
}

TEST_F(MainWindowTest, AnAmpersandInACaptionIsNoAccessKey) {
    writeSettings(
        "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=Q&A\r\n[LINK_PATH]\r\n1F2=C:\\gone.exe\r\n");
    BoxAnswerer answer;
    open();
    pressKey('A');
    pressKey(VK_TAB); // with focus cues shown too
    pressKey('A');
    EXPECT_TRUE(answer.seen().empty()) << "typing a letter launched a slot";
}

TEST_F(MainWindowTest, FocusFramesWaitForTheKeyboardAndFollowThePage) {
    auto& w = open();
    // A click focuses the button but shows no frame: the button stays flat.
    PostMessageW(slot(3), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    PostMessageW(slot(3), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(test::settle(&w));
    EXPECT_EQ(GetFocus(), slot(3));
    EXPECT_TRUE(focusCuesHidden(slot(3)));
    // Tab moves on and from now on the frame shows.
    pressKey(VK_TAB);
    EXPECT_EQ(GetFocus(), slot(4));
    EXPECT_FALSE(focusCuesHidden(slot(4)));
    pressKey(VK_DOWN);
    EXPECT_EQ(GetFocus(), slot(5)) << "the arrow keys walk the column";
    pressKey(VK_UP);
    pressKey(VK_UP);
    EXPECT_EQ(GetFocus(), slot(3));
    // A page button that had the focus hands it to the page F12 turns to.
    HWND toolBar = control(cmd::kToolBar);
    SendMessageW(GetDlgItem(toolBar, cmd::kToolButtonBase + 1), BM_CLICK, 0, 0);
    SetFocus(GetDlgItem(toolBar, cmd::kToolButtonBase + 1));
    pressKey(VK_F12);
    pressKey(VK_F12);
    pressKey(VK_F12);
    EXPECT_EQ(w.currentPage(), 4);
    EXPECT_EQ(GetFocus(), GetDlgItem(toolBar, cmd::kToolButtonBase + 4));
    pressKey(VK_SPACE);
    EXPECT_EQ(w.currentPage(), 4) << "Space on the focused page button keeps the page";
    pressKey(VK_RIGHT);
    EXPECT_EQ(w.currentPage(), 5) << "the arrow keys choose the next page";
    EXPECT_EQ(GetFocus(), GetDlgItem(toolBar, cmd::kToolButtonBase + 5));
}

TEST_F(MainWindowTest, At144DpiEverythingIsOneAndAHalfTimesLarger) {
    writeSettings("[PAGE_NM]\r\n1=ab\r\n");
    auto& w = open();
    RECT suggested{};
    GetWindowRect(w.hwnd(), &suggested);
    SendMessageW(w.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    RECT client{};
    GetClientRect(w.hwnd(), &client);
    EXPECT_EQ(client.right, 237);
    EXPECT_EQ(client.bottom, 627);
    const RECT b = clientRectOf(slot(11));
    EXPECT_EQ(b.left, 59); // 39 * 1.5 rounded
    EXPECT_EQ(b.top, 570); // (65 + 35 * 9) * 1.5
    EXPECT_EQ(b.right - b.left, 173);
    EXPECT_LE(b.bottom, client.bottom);
    for (int n = 2; n <= 11; ++n) {
        const RECT l = clientRectOf(control(cmd::kKeyLabelBase + n));
        EXPECT_EQ(l.right, 53) << n; // 35 * 1.5 rounded up
        EXPECT_GE(l.left, 0) << n;
    }
    const RECT last = clientRectOf(GetDlgItem(control(cmd::kToolBar), cmd::kToolLabelNext));
    EXPECT_LE(last.right, client.right);
    EXPECT_EQ(test::textsThatDoNotFit(w.hwnd()), std::vector<std::string>{})
        << "\"→F12\" once read \"→F1\" here";
}

TEST_F(MainWindowTest, KeyLabelsStandLeftOfTheirButtons) {
    open();
    for (int n = 2; n <= 11; ++n) {
        HWND label = control(cmd::kKeyLabelBase + n);
        ASSERT_NE(label, nullptr) << n;
        EXPECT_EQ(test::windowText(label), "Ｆ" + std::to_string(n));
        const RECT l = clientRectOf(label);
        const RECT b = clientRectOf(slot(n));
        EXPECT_EQ(l.right, 35);
        EXPECT_EQ(l.top, b.top + 10);
        EXPECT_LT(l.left, l.right);
        EXPECT_GT(l.left, 0);
    }
}

TEST_F(MainWindowTest, MenusHoldEveryItemInOrder) {
    auto& w = open();
    HMENU bar = GetMenu(w.hwnd());
    ASSERT_EQ(GetMenuItemCount(bar), 3);
    auto itemText = [](HMENU menu, int index) {
        wchar_t buffer[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(index), buffer, 256, MF_BYPOSITION);
        return narrow(buffer);
    };
    EXPECT_EQ(itemText(bar, 0), "標準(&F)");
    EXPECT_EQ(itemText(bar, 1), "設定");
    EXPECT_EQ(itemText(bar, 2), "ﾍﾙﾌﾟ");
    const std::vector<std::string> standard = {"ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ", "MS-DOS(R)ﾌﾟﾛﾝﾌﾟﾄ", "", "終了\tAlt+F4",
                                               "MS-Windows(R)終了・再起動\tCtrl+Q"};
    const std::vector<std::string> option = {"ﾍﾟｰｼﾞﾈｰﾑの設定...",
                                             "ﾍﾟｰｼﾞ単位の消去",
                                             "",
                                             "ﾃﾞｰﾀの移行...",
                                             "",
                                             "ｱﾄﾞﾚｽ送信(MS-Windows(R)95の一部)",
                                             "ﾃﾞｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ追加",
                                             "",
                                             "呼び出しキーの設定..."};
    const std::vector<std::string> help = {"HTMLヘルプ", "お読み下さい", "", "バージョン情報..."};
    int index = 0;
    for (const auto* expected : {&standard, &option, &help}) {
        HMENU sub = GetSubMenu(bar, index++);
        ASSERT_EQ(GetMenuItemCount(sub), static_cast<int>(expected->size()));
        for (std::size_t i = 0; i < expected->size(); ++i) {
            EXPECT_EQ(itemText(sub, static_cast<int>(i)), (*expected)[i]);
        }
    }
}

} // namespace
