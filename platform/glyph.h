#pragma once

#include "platform/win_handles.h"

#include <memory>
#include <optional>

namespace tarvok {

// A button's glyph: an icon drawn into a bitmap of the icon's size over the window colour,
// with the colour of its lower-left pixel as the transparent colour.
struct Glyph {
    UniqueBitmap bitmap;        // a 32-bit top-down DIB
    const void* bits = nullptr; // its pixels, for drawing without a device context
    SIZE size{0, 0};
    COLORREF transparent = 0;
};

// A 32-bit top-down device-independent bitmap: drawn into inside the process, with no round
// trip to the display for each operation.
UniqueBitmap makeDib(HDC reference, int width, int height);

// The two bitmaps GetIconInfo hands out with an icon's description, which are the caller's
// to delete; nothing for no icon.
struct IconBitmaps {
    UniqueBitmap color; // none for a monochrome icon: its mask holds both halves
    UniqueBitmap mask;
};
std::optional<IconBitmaps> iconBitmaps(HICON icon);

// The icon glyph rule: fill with the window colour, draw the icon at (0, 0), set the
// lower-left pixel to the window colour. The icon is only read. `size` 0 keeps the icon's
// own size.
std::shared_ptr<const Glyph> makeGlyph(HICON icon, COLORREF windowColour, SIZE size = {0, 0});

} // namespace tarvok
