#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

// The settings file as sections of lines, kept as the file's own code page 932 bytes.
// A line the program never writes is saved back exactly as loaded (after the trimming that
// loading applies), even when it is not valid Shift_JIS.
class IniModel {
  public:
    struct Section {
        std::string name;
        // Entry lines: "key=value" (blanks around the first "=" removed), or a line
        // without "=" that is kept but never matches a key.
        std::vector<std::string> lines;
    };

    static IniModel parse(std::string_view bytes);
    // Headers, lines, one empty line after each section; CR LF after every line.
    std::string serialize() const;

    const std::vector<Section>& sections() const { return sections_; }
    bool empty() const { return sections_.empty(); }

    // Reads and writes use the first section of a name and the first key of a section:
    // a hand-edited duplicate stays in the file but is never read or changed.
    const Section* findSection(std::string_view name) const;
    std::optional<std::string_view> find(std::string_view section, std::string_view key) const;

    // Replaces the key's line in place or appends it to the section; a missing section is
    // appended to the model first. Key and value must not hold CR, LF or NUL, the key no "=",
    // and the section name must not end in half a double-byte character: such a line could
    // not be read back as written.
    void set(std::string_view section, std::string_view key, std::string_view value);

  private:
    std::vector<Section> sections_;
};

// Bytes of code 0x20 and below removed from both ends.
std::string_view trimControls(std::string_view text);

// Whether a (trimmed) line opens a section: "[" first and "]" last, where that "]" is a
// character of its own and not the second byte of one such as "ゾ" (83 5D) or "転" (93 5D).
bool isSectionHeader(std::string_view line);

// The key of an entry line: the text before its first "="; nullopt for a line without one.
std::optional<std::string_view> entryKey(std::string_view line);
// The value of an entry line: everything after its first "=".
std::string_view entryValue(std::string_view line);

// Compares two code page 932 texts ignoring the case of Latin letters. The second byte of a
// double-byte character is compared exactly: in "表" (95 5C) or "ソ" (83 5C) it can look like
// "\" or a Latin letter, and folding it would make two different characters equal.
bool cp932EqualsIgnoreCase(std::string_view a, std::string_view b);
// True for a byte that starts a double-byte character in code page 932.
constexpr bool isCp932LeadByte(unsigned char c) {
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

} // namespace tarvok
