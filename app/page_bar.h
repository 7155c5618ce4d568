#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <array>

namespace tarvok {

// The toolbar: "←F1 ", the page buttons 1 to 5 (exactly one down, the page shown) and "→F12".
// Its buttons report their clicks to the main window as commands kToolButtonBase + page.
class PageBar {
  public:
    void create(HWND parent, UINT dpi);
    // The window moved to a monitor of another DPI.
    void layout(UINT dpi);
    HWND hwnd() const { return bar_; }
    bool contains(HWND control) const { return control != nullptr && GetParent(control) == bar_; }

    // Shows `page` as the one button down. A page button that had the focus hands it to the
    // new page's button, as a group of option buttons does.
    void press(int page);
    // The arrow keys on a page button: the focus and the page move together, as option
    // buttons do. False when the focus is not on a page button.
    bool walk(HWND focus, int step) const;

  private:
    HWND bar_ = nullptr;
    HWND previousLabel_ = nullptr;
    HWND nextLabel_ = nullptr;
    std::array<HWND, 5> buttons_{};
    int pressed_ = 0; // the page whose button is down
    UniqueFont buttonFont_, labelFont_;
};

} // namespace tarvok
