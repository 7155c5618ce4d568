#pragma once

#include "platform/win_handles.h"

#include <windows.h>

#include <string>

namespace tarvok {

// The page's name above the buttons: grey, bold, centred on its design box and aligned to its
// bottom. A longer name widens the label to the right; one too long for the window starts at
// the left and ends in "…", with the whole name in a tooltip.
class PageLabel {
  public:
    void create(HWND parent, UINT dpi);
    // The window moved to a monitor of another DPI.
    void layout(UINT dpi);
    HWND hwnd() const { return label_; }
    void show(const std::string& name);
    // The parent's WM_DRAWITEM; false when the item is not this label.
    bool draw(const DRAWITEMSTRUCT& item) const;

  private:
    void fit();

    HWND parent_ = nullptr;
    HWND label_ = nullptr;
    HWND tip_ = nullptr;
    UniqueFont font_;
    UINT dpi_ = 96;
};

} // namespace tarvok
