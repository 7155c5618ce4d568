#pragma once

#include "app/glyph_cache.h"
#include "platform/speed_button.h"
#include "platform/win_handles.h"
#include "settings/settings.h"
#include "settings/slot_keys.h"

#include <windows.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace tarvok {

// The ten slot buttons F2 to F11 and their key labels Ｆ2 to Ｆ11: what a page shows.
class SlotColumn {
  public:
    // The buttons are made showing the page's captions (blank without `settings`); their glyphs
    // wait for fillGlyphs(): the shell's first icon costs more than the rest of the start-up.
    void create(HWND parent, UINT dpi, const Settings* settings, int page);
    // The window moved to a monitor of another DPI.
    void layout(UINT dpi);

    SpeedButton& button(int keyNumber) {
        return buttons_[static_cast<std::size_t>(keyNumber - kFirstKeyNumber)];
    }
    const SpeedButton& button(int keyNumber) const {
        return buttons_[static_cast<std::size_t>(keyNumber - kFirstKeyNumber)];
    }
    // The key number of a slot button; 0 for any other window.
    int keyNumberOf(HWND control) const;
    std::string caption(int keyNumber) const;

    // One slot: its caption and the glyph of `glyphPath` (none for an empty path), from the
    // same cache a page uses, so it looks the same after the page is turned away and back.
    void show(int keyNumber, const std::string& caption, const std::string& glyphPath);
    // Every slot of a page as the settings file holds it. With `deferGlyphs` the captions
    // show at once and the glyphs wait for fillGlyphs(): the shell's first icon costs more
    // than the rest of the start-up. True when glyphs wait.
    bool fill(const Settings& settings, int page, bool deferGlyphs);
    void clear();
    void fillGlyphs();

    // The arrow keys walk the column. False when the focus is not on a slot button.
    bool walk(HWND focus, int step) const;
    bool isKeyLabel(HWND control) const;
    bool draw(const DRAWITEMSTRUCT& item) const;

  private:
    void makeFonts(UINT dpi);
    RECT keyLabelBounds(HDC dc, int keyNumber) const;

    std::array<SpeedButton, 10> buttons_;
    std::array<HWND, 10> keyLabels_{};
    UniqueFont buttonFont_, keyLabelFont_;
    UINT dpi_ = 96;
    GlyphCache glyphs_;
    std::vector<std::pair<int, std::string>> pendingGlyphs_; // key number, path
};

} // namespace tarvok
