#pragma once

#include "app/glyph_cache.h"
#include "platform/win_handles.h"

#include <memory>

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
    // "SPD_BTNF" followed by the key number.
    const std::string& name() const { return name_; }

    // Caption and glyph (none when null) in one change, painted once.
    void show(const std::string& caption, std::shared_ptr<const Glyph> glyph);
    void setGlyph(std::shared_ptr<const Glyph> glyph);
    bool hasGlyph() const { return static_cast<bool>(glyph_); }

    // WM_DRAWITEM of the parent for this button.
    void draw(const DRAWITEMSTRUCT& item, UINT dpi) const;

  private:
    static LRESULT CALLBACK subclassProc(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);

    HWND hwnd_ = nullptr;
    std::string name_;
    std::shared_ptr<const Glyph> glyph_;
    bool hot_ = false;
};

} // namespace tarvok
