// The summon key of the real program, pressed on the keyboard while another window is in front,
// and held by another program when the launcher starts.
#include "app/texts.h"
#include "settings/summon_key.h"
#include "settings/text_format.h"
#include "tests/windows/support/input.h"
#include "tests/windows/support/launcher.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

using test::Launcher;

void pressSummonKey() {
    test::pressKeys({VK_CONTROL, VK_MENU, 'J'});
}

GUITHREADINFO threadOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    return info;
}

// Whether the keyboard comes to `button` of the launcher (just after the window comes to the
// front).
bool keysOn(const Launcher& app, int button) {
    return test::waitFor([&] { return threadOf(app.window()).hwndFocus == app.slot(button); });
}

bool inFront(HWND window) {
    return test::pumpUntil(nullptr, [&] { return GetForegroundWindow() == window; });
}

TEST(SummonKey, BringsTheLauncherFromBehindAnotherWindowOntoItsLastButtonAndBackAgain) {
    test::TempDir dir;
    Launcher app(dir, "");
    ASSERT_NE(app.window(), nullptr);
    // Another program's window in front of the launcher: one of this test's own.
    HWND other = CreateWindowExW(0, L"STATIC", L"in front", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                 400, 300, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(other);
    ASSERT_TRUE(inFront(other));

    pressSummonKey();
    ASSERT_TRUE(inFront(app.window()));
    EXPECT_TRUE(keysOn(app, 2)) << "the first button when none had the keys";
    EXPECT_EQ(threadOf(app.window()).flags & GUI_INMENUMODE, 0u)
        << "releasing Alt opened the menu bar";
    test::pressKeys({VK_DOWN});
    test::pressKeys({VK_DOWN});
    ASSERT_TRUE(keysOn(app, 4));

    pressSummonKey();
    EXPECT_TRUE(inFront(other)) << "pressed again, the key goes back to where the user was";
    ShowWindow(app.window(), SW_MINIMIZE);
    pressSummonKey();
    ASSERT_TRUE(inFront(app.window()));
    EXPECT_FALSE(IsIconic(app.window())) << "restored";
    EXPECT_TRUE(keysOn(app, 4)) << "the button the keys were on";

    DestroyWindow(other);
    pressSummonKey();
    EXPECT_TRUE(inFront(app.window())) << "with the other window gone the launcher stays";
    EXPECT_EQ(app.box(), nullptr);
    EXPECT_TRUE(app.closeAndWait());
}

TEST(SummonKey, AKeyHeldByAnotherProgramIsToldOnceAndTheLauncherWorksWithoutIt) {
    constexpr int kHeld = 0x7E17;
    ASSERT_TRUE(RegisterHotKey(nullptr, kHeld, kDefaultSummonKey.modifiers, kDefaultSummonKey.key));
    test::TempDir dir;
    Launcher app(dir, "");
    ASSERT_NE(app.window(), nullptr);
    HWND box = nullptr;
    ASSERT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
    EXPECT_EQ(test::windowText(box), "情報");
    EXPECT_EQ(test::windowText(GetDlgItem(box, kBoxTextId)),
              formatMessage(text::kMsgSummonKeyTaken, {*formatHotKey(kDefaultSummonKey)}));
    EXPECT_EQ(test::windowText(GetDlgItem(box, IDOK)), "OK");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::waitFor([&] { return app.box() == nullptr; }));
    EXPECT_TRUE(app.turnTo(VK_F12, 2));
    EXPECT_EQ(app.box(), nullptr) << "told once";
    UnregisterHotKey(nullptr, kHeld);
    EXPECT_TRUE(app.closeAndWait());
}

} // namespace
