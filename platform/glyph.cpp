#include "platform/glyph.h"

#include "platform/controls.h"

namespace tarvok {

UniqueBitmap makeDib(HDC reference, int width, int height) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
    bmi.bmiHeader.biWidth = width;
    bmi.bmiHeader.biHeight = -height;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return UniqueBitmap(CreateDIBSection(reference, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0));
}

std::optional<IconBitmaps> iconBitmaps(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return std::nullopt;
    }
    return IconBitmaps{UniqueBitmap(info.hbmColor), UniqueBitmap(info.hbmMask)};
}

std::shared_ptr<const Glyph> makeGlyph(HICON icon, COLORREF windowColour, SIZE size) {
    const auto bitmaps = iconBitmaps(icon);
    if (!bitmaps) {
        return nullptr;
    }
    BITMAP bm{};
    const bool colour = static_cast<bool>(bitmaps->color);
    GetObjectW(colour ? bitmaps->color.get() : bitmaps->mask.get(), sizeof bm, &bm);
    int width = bm.bmWidth;
    int height = colour ? bm.bmHeight : bm.bmHeight / 2;
    if (size.cx > 0 && size.cy > 0) {
        width = size.cx;
        height = size.cy;
    }
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    auto glyph = std::make_shared<Glyph>();
    glyph->bitmap = makeDib(nullptr, width, height);
    if (!glyph->bitmap) {
        return nullptr;
    }
    glyph->size = {width, height};
    DIBSECTION section{};
    GetObjectW(glyph->bitmap.get(), sizeof section, &section);
    glyph->bits = section.dsBm.bmBits;
    MemoryDc dc(nullptr);
    Selection bitmap(dc.get(), glyph->bitmap.get());
    RECT all{0, 0, width, height};
    const UniqueBrush brush(CreateSolidBrush(windowColour));
    FillRect(dc.get(), &all, brush.get());
    DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    SetPixel(dc.get(), 0, height - 1, windowColour);
    glyph->transparent = GetPixel(dc.get(), 0, height - 1);
    GdiFlush(); // the pixels are read directly from now on
    return glyph;
}

} // namespace tarvok
