#pragma once

#include "platform/win_handles.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvok {

// A slot button's glyph: the icon drawn by the icon glyph rule into a bitmap of the icon's
// size, with the colour of its lower-left pixel as the transparent colour.
struct Glyph {
    UniqueBitmap bitmap;
    SIZE size{0, 0};
    COLORREF transparent = 0;
};

// A 32-bit top-down device-independent bitmap: drawn into inside the process, with no round
// trip to the display for each operation.
UniqueBitmap makeDib(HDC reference, int width, int height);

// The icon glyph rule: fill with the window colour, draw the icon at (0, 0), set the
// lower-left pixel to the window colour. The icon is only read.
std::shared_ptr<const Glyph> makeGlyph(HICON icon, COLORREF windowColour);

// Glyphs of the paths shown in this run. Asking the shell for an icon is the slow part of a
// page turn, so a path whose file is unchanged (same time stamp, size and attributes) keeps
// the glyph it had; a path that no longer exists is asked about again, as is a changed file.
class GlyphCache {
  public:
    std::shared_ptr<const Glyph> glyphFor(const std::string& path);
    std::size_t size() const { return entries_.size(); }

  private:
    struct Entry {
        std::string path;
        FILETIME written{};
        unsigned long long bytes = 0;
        DWORD attributes = 0;
        std::shared_ptr<const Glyph> glyph;
    };
    std::vector<Entry> entries_;
};

} // namespace tarvok
