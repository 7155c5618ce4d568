// Where the window starts and what closing it keeps, also when the settings file cannot be
// read or written.
#include "app/texts.h"
#include "platform/unhandled.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace tarvok;
using test::BoxAnswerer;
using test::BoxReply;

namespace {

class StartAndCloseTest : public test::MainWindowTest {};

TEST_F(StartAndCloseTest, ClosingByEveryRouteStoresTheCurrentPosition) {
    const std::vector<std::function<void(HWND)>> routes = {
        [](HWND h) { SendMessageW(h, WM_COMMAND, cmd::kCloseLauncher, 0); }, // "終了"
        [](HWND h) { SendMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0); }, // close box, system menu
        [](HWND h) {                                                 // Alt+F4
            BYTE keys[256];
            GetKeyboardState(keys);
            keys[VK_MENU] = 0x80;
            SetKeyboardState(keys);
            test::postSystemKey(h, VK_F4);
        },
    };
    int left = 200;
    for (const auto& route : routes) {
        auto& w = open();
        SetWindowPos(w.hwnd(), nullptr, left, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        route(w.hwnd());
        test::pumpUntil(
            &w, [&] { return w.hwnd() == nullptr; }, 2000);
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_MENU] = 0;
        SetKeyboardState(keys);
        ASSERT_EQ(w.hwnd(), nullptr) << "route " << left;
        EXPECT_NE(settingsBytes().find("LEFT=" + std::to_string(left) + "\r\nTOP=150\r\n"),
                  std::string::npos)
            << settingsBytes();
        left += 10;
    }
}

TEST_F(StartAndCloseTest, MinimisedWindowStoresWhereItComesBack) {
    writeSettings("[Form]\r\nLEFT=300\r\nTOP=200\r\n");
    auto& w = open();
    ShowWindow(w.hwnd(), SW_MINIMIZE);
    EXPECT_TRUE(test::settle(&w));
    close();
    EXPECT_EQ(settingsBytes(), "[Form]\r\nLEFT=300\r\nTOP=200\r\n\r\n");
}

TEST_F(StartAndCloseTest, PositionOffEveryMonitorComesBackOnScreen) {
    writeSettings("[Form]\r\nLEFT=-2000\r\nTOP=-3000\r\n");
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_TRUE(MonitorFromRect(&r, MONITOR_DEFAULTTONULL) != nullptr);
    EXPECT_GE(r.left, 0);
    EXPECT_GE(r.top, 0);
}

TEST_F(StartAndCloseTest, PartlyVisiblePositionIsUsedUnchanged) {
    writeSettings("[Form]\r\nLEFT=-60\r\nTOP=$10\r\n");
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_EQ(r.left, -60);
    EXPECT_EQ(r.top, 16);
}

TEST_F(StartAndCloseTest, AWindowWhoseTitleBarIsOffTheScreenMovesJustEnoughToReachIt) {
    writeSettings("[Form]\r\nLEFT=-60\r\nTOP=-440\r\n");
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    GetMonitorInfoW(MonitorFromWindow(w.hwnd(), MONITOR_DEFAULTTONEAREST), &mi);
    EXPECT_EQ(r.top, mi.rcWork.top);
    EXPECT_EQ(r.left, -60) << "only as far as needed";
}

TEST_F(StartAndCloseTest, AWindowOffTheLeftEdgeKeepsMoreThanItsCaptionButtonsInView) {
    writeSettings("[Form]\r\nLEFT=-163\r\nTOP=40\r\n");
    auto& w = open();
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_GE(r.right, 3 * GetSystemMetrics(SM_CXSIZE) + 48) << r.left;
    EXPECT_EQ(r.top, 40);
}

TEST_F(StartAndCloseTest, UnreadableFileAtStartShowsTheErrorAndStillGivesAWorkingWindow) {
    setUnhandledErrorTitle(text::kAppTitle);
    CreateDirectoryA(settingsPath().c_str(), nullptr);
    BoxAnswerer answer(BoxReply::escape());
    auto& w = open();
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "ダルメDのペルノ COM");
    EXPECT_EQ(answer.seen()[0].text.rfind("ファイル \"" + settingsPath() + "\". ", 0), 0u)
        << answer.seen()[0].text;
    EXPECT_NE(answer.seen()[0].text.find(" は開けません"), std::string::npos);
    RECT r{};
    GetWindowRect(w.hwnd(), &r);
    EXPECT_EQ(r.left, 24);
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "");
    EXPECT_EQ(test::windowText(control(cmd::kKeyLabelBase + 11)), "Ｆ11");
    EXPECT_EQ(caption(2), "");
    // Closing cannot store the position either: the error is shown and the window closes.
    close();
    EXPECT_EQ(w.hwnd(), nullptr);
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_NE(answer.seen()[1].text.find(" は開けません"), std::string::npos);
}

TEST_F(StartAndCloseTest, AfterAnUnreadableStartTheFirstGoodReadTakesNamesAndOption) {
    setUnhandledErrorTitle(text::kAppTitle);
    CreateDirectoryA(settingsPath().c_str(), nullptr);
    BoxAnswerer answer(BoxReply::escape());
    auto& w = open();
    ASSERT_EQ(answer.seen().size(), 1u);
    RemoveDirectoryA(settingsPath().c_str());
    writeSettings("[PAGE_NM]\r\n1=one\r\n2=two\r\n[SEND_ADD]\r\n0=1\r\n[PG_KIND]\r\n1F3=1\r\n"
                  "[AP_NM]\r\n1F3=three\r\n[LINK_PATH]\r\n1F3=C:\\windows\r\n");
    pressKey(VK_F2); // an empty slot: only a read of the file
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "one");
    EXPECT_EQ(caption(3), "three") << "the page shown is filled too";
    EXPECT_TRUE(sendAddressTicked());
    pressKey(VK_F12);
    EXPECT_EQ(test::windowText(control(cmd::kPageNameLabel)), "two");
    // Toggling now inverts what the file holds.
    SendMessageW(w.hwnd(), WM_COMMAND, cmd::kToggleSendAddress, 0);
    EXPECT_NE(settingsBytes().find("[SEND_ADD]\r\n0=0\r\n"), std::string::npos);
}

TEST_F(StartAndCloseTest, ReadOnlyFileAtCloseShowsTheCreateErrorAndClosesAnyway) {
    setUnhandledErrorTitle(text::kAppTitle);
    const std::string original = "[Form]\r\nLEFT=40\r\nTOP=50\r\n";
    writeSettings(original);
    SetFileAttributesA(settingsPath().c_str(), FILE_ATTRIBUTE_READONLY);
    BoxAnswerer answer(BoxReply::escape());
    auto& w = open();
    SetWindowPos(w.hwnd(), nullptr, 300, 300, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    close();
    EXPECT_EQ(w.hwnd(), nullptr);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_NE(answer.seen()[0].text.find(" を作成できません"), std::string::npos);
    EXPECT_EQ(settingsBytes(), original);
}

} // namespace
