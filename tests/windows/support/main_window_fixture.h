#pragma once

#include "app/main_window.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

#include <memory>

namespace tarvok::test {

// A main window in this process over a settings file in a temporary program folder.
class MainWindowTest : public ::testing::Test {
  protected:
    void writeSettings(const std::string& bytes) { writeFileBytes(settingsPath(), bytes); }
    std::string settingsPath() const { return dir.file("tarvok.ini"); }
    std::string settingsBytes() const { return readFileBytes(settingsPath()); }

    // The program folder, beep and loop options are the fixture's; the rest come from the
    // caller.
    MainWindow& open(MainWindowOptions options = {}) {
        options.programFolder = dir.path();
        options.beep = [this] { ++beeps; };
        options.quitOnDestroy = false;
        window = std::make_unique<MainWindow>(options);
        EXPECT_NE(window->create(), nullptr);
        window->show(SW_SHOWNOACTIVATE);
        // What start-up posted to itself (the icons that follow the captions) has run.
        EXPECT_TRUE(settle(window.get()));
        return *window;
    }
    void close() {
        if (window && window->hwnd() != nullptr) {
            SendMessageW(window->hwnd(), WM_CLOSE, 0, 0);
        }
        EXPECT_TRUE(settle(window.get()));
    }
    // Presses a key and lets the window handle it and what it leads to.
    void pressKey(UINT vk) {
        postKey(window->hwnd(), vk);
        EXPECT_TRUE(settle(window.get()));
    }
    HWND slot(int keyNumber) const { return window->slotButton(keyNumber).hwnd(); }
    // Right-clicks a slot button (or, `byMenuKey`, presses the menu key on it, which must have
    // the focus) and picks an item of its menu with the keyboard (0: the first item; separators
    // do not count), then lets the command run to its end.
    void chooseFromSlotMenu(int keyNumber, int item, bool byMenuKey = false);
    std::string caption(int keyNumber) const { return windowText(slot(keyNumber)); }
    HWND control(int id) const;
    // Whether 設定 → ｱﾄﾞﾚｽ送信 shows its tick.
    bool sendAddressTicked() const {
        return (GetMenuState(GetMenu(window->hwnd()), cmd::kToggleSendAddress, MF_BYCOMMAND) &
                MF_CHECKED) != 0;
    }
    // Whether the keyboard is on `control` with the window active. Xvfb has no window
    // manager: when a dialog goes, the X server may give its focus to the root window, and
    // Wine then makes the desktop the foreground. The test activates the window again as a
    // window manager would; where the keyboard lands is the window's own doing.
    bool focusReturnsTo(HWND control) const {
        return pumpUntil(window.get(), [&] {
            if (GetForegroundWindow() != window->hwnd()) {
                SetForegroundWindow(window->hwnd());
            }
            return GetFocus() == control;
        });
    }
    RECT clientRectOf(HWND child) const;

    void TearDown() override {
        close();
        window.reset();
    }

    TempDir dir;
    std::unique_ptr<MainWindow> window;
    int beeps = 0;
};

inline HWND MainWindowTest::control(int id) const {
    HWND found = GetDlgItem(window->hwnd(), id);
    if (found == nullptr) {
        found = GetDlgItem(GetDlgItem(window->hwnd(), cmd::kToolBar), id);
    }
    return found;
}

inline void MainWindowTest::chooseFromSlotMenu(int keyNumber, int item, bool byMenuKey) {
    static int s_downs;
    static bool s_chosen;
    s_downs = item + 1;
    s_chosen = false;
    // The menu runs its own loop: it is driven from a timer, as the keyboard would.
    const UINT_PTR timer = SetTimer(nullptr, 0, 30, [](HWND, UINT, UINT_PTR id, DWORD) {
        HWND menu = FindWindowW(L"#32768", nullptr);
        if (menu == nullptr || !IsWindowVisible(menu)) {
            return;
        }
        KillTimer(nullptr, id);
        for (int i = 0; i < s_downs; ++i) {
            PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 0);
        }
        PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 0);
        s_chosen = true;
    });
    // A right button release makes the window send WM_CONTEXTMENU, as a real click does. The
    // menu's loop runs inside its handling, and the command the menu posts runs before the
    // queue is empty.
    if (byMenuKey) {
        postKey(slot(keyNumber), VK_APPS);
    } else {
        PostMessageW(slot(keyNumber), WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    EXPECT_TRUE(settle(window.get()));
    KillTimer(nullptr, timer);
    EXPECT_TRUE(s_chosen) << "no slot menu opened";
}

inline RECT MainWindowTest::clientRectOf(HWND child) const {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

} // namespace tarvok::test
