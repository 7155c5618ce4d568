#pragma once

#include "platform/win_handles.h"

#include <string>

namespace tarvok {

// One flat slot button: a real BUTTON child (owner-drawn) whose window text is its caption,
// so screen readers and automation read it. The border shows only while the mouse is over
// it; the glyph sits at the left margin and the caption follows it.
class SlotButton {
  public:
    SlotButton() = default;
    SlotButton(const SlotButton&) = delete;
    SlotButton& operator=(const SlotButton&) = delete;

    void create(HWND parent, int id, int keyNumber);
    HWND hwnd() const { return hwnd_; }
    int keyNumber() const { return keyNumber_; }
    // "SPD_BTNF" followed by the key number.
    const std::string& name() const { return name_; }

    void setCaption(const std::string& caption);
    // The icon glyph rule: a bitmap as large as the icon, filled with the window colour, the
    // icon drawn at (0, 0), the lower-left pixel set to the window colour; drawn later with
    // that pixel's colour as the transparent colour. The icon is only read.
    void setGlyphFromIcon(HICON icon);
    void clearGlyph();
    bool hasGlyph() const { return static_cast<bool>(glyph_); }

    // WM_DRAWITEM of the parent for this button.
    void draw(const DRAWITEMSTRUCT& item, UINT dpi) const;

  private:
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND hwnd_ = nullptr;
    int keyNumber_ = 0;
    std::string name_;
    UniqueBitmap glyph_;
    SIZE glyphSize_{0, 0};
    bool hot_ = false;
};

} // namespace tarvok
