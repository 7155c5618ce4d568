#pragma once

#include "platform/files.h"
#include "platform/glyph.h"

#include <memory>
#include <string>
#include <vector>

namespace tarvok {

// Glyphs of the paths shown in this run. Asking the shell for an icon is the slow part of a
// page turn, so a path whose file is unchanged (same time stamp, size and attributes) keeps
// the glyph it had; a path that no longer exists is asked about again, as is a changed file.
class GlyphCache {
  public:
    std::shared_ptr<const Glyph> glyphFor(const std::string& path);

  private:
    struct Entry {
        std::string path;
        FileStamp stamp;
        std::shared_ptr<const Glyph> glyph;
    };
    std::vector<Entry> entries_;
};

} // namespace tarvok
