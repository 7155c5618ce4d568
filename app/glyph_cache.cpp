#include "app/glyph_cache.h"

#include "platform/files.h"
#include "platform/shell.h"

#include <algorithm>

namespace tarvok {

namespace {
constexpr std::size_t kMaxEntries = 64; // fifty slots and some room
}

std::shared_ptr<const Glyph> GlyphCache::glyphFor(const std::string& path) {
    const auto stamp = fileStamp(path);
    auto found = std::find_if(entries_.begin(), entries_.end(),
                              [&](const Entry& e) { return e.path == path; });
    if (stamp && found != entries_.end() && found->stamp == *stamp) {
        return found->glyph;
    }
    const UniqueIcon icon = shellLargeIcon(path);
    auto glyph = icon ? makeGlyph(icon.get(), GetSysColor(COLOR_BTNFACE)) : nullptr;
    if (found != entries_.end()) {
        entries_.erase(found);
    }
    if (stamp) {
        if (entries_.size() >= kMaxEntries) {
            entries_.erase(entries_.begin());
        }
        entries_.push_back(Entry{path, *stamp, glyph});
    }
    return glyph;
}

} // namespace tarvok
