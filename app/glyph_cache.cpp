#include "app/glyph_cache.h"

#include "platform/shell.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvok {

namespace {
constexpr std::size_t kMaxEntries = 64; // fifty slots and some room
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
