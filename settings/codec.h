#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvok {

// Converts between the settings file's code page 932 bytes and the UTF-8 used everywhere
// inside the program. The model is handed one, so the same rules run on Linux (iconv) and
// on Windows (the system's own code page tables).
class Codec {
  public:
    virtual ~Codec() = default;
    // Never fails: bytes that are not valid code page 932 come out as a replacement mark,
    // because a caption that cannot be shown exactly must still be shown.
    virtual std::string decode(std::string_view cp932) const = 0;
    // nullopt when the text holds a character code page 932 has no code for: writing a
    // substitute would silently change the user's caption or path.
    virtual std::optional<std::string> encode(std::string_view utf8) const = 0;
};

} // namespace tarvok
