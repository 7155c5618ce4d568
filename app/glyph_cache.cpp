#include "app/glyph_cache.h"

#include "platform/shell.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvok {

namespace {
constexpr std::size_t kMaxEntries = 64; // fifty slots and some room
}

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

std::shared_ptr<const Glyph> makeGlyph(HICON icon, COLORREF windowColour) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return nullptr;
    }
    BITMAP bm{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bm, &bm);
    const int width = bm.bmWidth;
    const int height = info.hbmColor != nullptr ? bm.bmHeight : bm.bmHeight / 2;
    if (info.hbmColor != nullptr) {
        DeleteObject(info.hbmColor);
    }
    if (info.hbmMask != nullptr) {
        DeleteObject(info.hbmMask);
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
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, glyph->bitmap.get());
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(windowColour);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    DrawIconEx(dc, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
    SetPixel(dc, 0, height - 1, windowColour);
    glyph->transparent = GetPixel(dc, 0, height - 1);
    SelectObject(dc, old);
    DeleteDC(dc);
    return glyph;
}

std::shared_ptr<const Glyph> GlyphCache::glyphFor(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    const bool exists =
        !path.empty() && GetFileAttributesExW(widen(path).c_str(), GetFileExInfoStandard, &data);
    const unsigned long long bytes =
        (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.path == path; });
    if (exists && found != entries_.end() &&
        CompareFileTime(&found->written, &data.ftLastWriteTime) == 0 && found->bytes == bytes &&
        found->attributes == data.dwFileAttributes) {
        return found->glyph;
    }
    const UniqueIcon icon = shellLargeIcon(path);
    auto glyph = icon ? makeGlyph(icon.get(), GetSysColor(COLOR_BTNFACE)) : nullptr;
    if (found != entries_.end()) {
        entries_.erase(found);
    }
    if (exists) {
        if (entries_.size() >= kMaxEntries) {
            entries_.erase(entries_.begin());
        }
        entries_.push_back(Entry{path, data.ftLastWriteTime, bytes, data.dwFileAttributes, glyph});
    }
    return glyph;
}

} // namespace tarvok
