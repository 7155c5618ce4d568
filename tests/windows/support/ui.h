#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvok {
class MainWindow;
}

namespace tarvok::test {

// Runs this thread's messages for `ms`, passing them through the window's accelerators the
// way the program's own loop does.
void pump(const MainWindow* window, int ms);
// Pumps until the predicate holds or the time runs out; returns the predicate's last value.
bool pumpUntil(const MainWindow* window, const std::function<bool()>& done, int timeoutMs = 5000);

// Posts a key press and release to a window as the keyboard would deliver it.
void postKey(HWND window, UINT virtualKey);
void postSystemKey(HWND window, UINT virtualKey);

std::string windowText(HWND window);

// What a message box showed, read while it was open.
struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    int focusedId = 0;
    int defaultId = 0;
};

// Watches this thread for our message boxes (dialogs with a text control) and answers each
// with the given key (VK_ESCAPE, VK_RETURN) or by pressing the button with the given id.
class BoxAnswerer {
  public:
    enum class How { Escape, Enter, Button };
    explicit BoxAnswerer(How how = How::Escape, int buttonId = 0);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;
    const std::vector<SeenBox>& seen() const { return seen_; }

  private:
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void check();

    How how_;
    int buttonId_;
    UINT_PTR timer_;
    std::vector<SeenBox> seen_;
    HWND lastBox_ = nullptr;
};

} // namespace tarvok::test
