#pragma once

#include "app/main_window.h"
#include "platform/message_box.h"
#include "platform/text.h"
#include "tests/windows/support/drops.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace tarvok::test {

// The real program started in a program folder, driven from outside the way a user's
// keyboard and mouse would drive it.
class Launcher {
  public:
    // Copies the built program into `dir` (with a settings file unless it is empty) and
    // starts it there.
    Launcher(const TempDir& dir, const std::string& settings) {
        CopyFileW(widen(binFolder() + "\\tarvok.exe").c_str(),
                  widen(dir.file("tarvok.exe")).c_str(), FALSE);
        if (!settings.empty()) {
            writeFileBytes(dir.file("tarvok.ini"), settings);
        }
        start(dir.path());
    }
    // Starts the program that lies in `folder`.
    explicit Launcher(const std::string& folder) { start(folder); }

    HWND window() const { return window_; }
    HWND slot(int n) const { return GetDlgItem(window_, cmd::kSlotButtonBase + n); }
    std::string caption(int n) const { return windowText(slot(n)); }
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
        system ? postSystemKey(window_, vk) : postKey(window_, vk);
    }
    bool turnTo(UINT vk, int expectedPage) {
        key(vk);
        return waitFor([&] { return pageDown() == expectedPage; });
    }
    // One of the program's message boxes, when one is open.
    HWND box() const {
        for (HWND h : topWindowsOf(process_->id())) {
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
    ChildProcess& process() { return *process_; }
    DWORD id() const { return process_->id(); }
    // The first visible window of the program that holds a control with this id.
    HWND windowWith(int controlId, DWORD timeoutMs = 5000) const {
        HWND found = nullptr;
        waitFor(
            [&] {
                for (HWND h : topWindowsOf(process_->id())) {
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
        ASSERT_TRUE(waitFor([&] {
            menus = topWindowsOf(process_->id(), L"#32768");
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
    std::string pageLabel() const { return windowText(GetDlgItem(window_, cmd::kPageNameLabel)); }
    // A file dropped from another process onto a slot button, as Explorer would drop it.
    bool dropOn(int n, const std::string& path) {
        RECT r{};
        GetWindowRect(slot(n), &r);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&r), 2);
        const POINT at{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
        return postDropInto(process_->handle(), window_, at, {path});
    }

  private:
    void start(const std::string& folder) {
        process_ = std::make_unique<ChildProcess>("\"" + folder + "\\tarvok.exe\"", folder);
        waitFor([&] {
            const auto found = topWindowsOf(process_->id(), kMainWindowClass);
            window_ = found.empty() ? nullptr : found.front();
            // Shown means created: start-up has filled the buttons and labels by then.
            return window_ != nullptr && GetDlgItem(window_, cmd::kKeyLabelBase + 11) != nullptr;
        });
    }

    std::unique_ptr<ChildProcess> process_;
    HWND window_ = nullptr;
};

} // namespace tarvok::test
