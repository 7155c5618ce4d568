// Writing one value must change that value and nothing else: load any bytes, set one key,
// save, load again. The value reads back, every other value reads as before, and every line
// the write did not replace comes back byte for byte (as loading trimmed it).
#include "settings/ini_model.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

using tarvok::IniModel;

namespace {

void check(bool holds) {
    if (!holds) {
        std::abort();
    }
}

// Only writes the program could make: line breaks and NUL are refused by set(), names and
// values come trimmed as loading trims them, and a key never starts like a comment or a
// header.
std::string legal(std::string text, bool isKey) {
    std::erase_if(
        text, [&](char c) { return c == '\r' || c == '\n' || c == '\0' || (isKey && c == '='); });
    auto t = tarvok::trimControls(text);
    while (isKey && !t.empty() && (t.front() == ';' || t.front() == '[')) {
        t = tarvok::trimControls(t.substr(1));
    }
    return std::string(t);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const auto sectionPick = in.ConsumeIntegral<std::uint16_t>();
    const auto keyPick = in.ConsumeIntegral<std::uint16_t>();
    std::string section = in.ConsumeRandomLengthString(32);
    std::string key = in.ConsumeRandomLengthString(32);
    std::string value = in.ConsumeRandomLengthString(128);
    const IniModel before = IniModel::parse(in.ConsumeRemainingBytesAsString());
    const auto& sections = before.sections();

    // Most writes go to a section and a key the file already has, in whatever case.
    if (!sections.empty() && sectionPick % 4 != 0) {
        const auto& s = sections[sectionPick / 4 % sections.size()];
        section = s.name;
        if (!s.lines.empty() && keyPick % 4 != 0) {
            key =
                std::string(tarvok::entryKey(s.lines[keyPick / 4 % s.lines.size()]).value_or(key));
        }
    }
    section = legal(section, false);
    key = legal(key, true);
    value = legal(value, false);

    IniModel written = before;
    try {
        written.set(section, key, value);
    } catch (const std::invalid_argument&) {
        return 0; // a name the file could not hold: refused before anything changed
    }
    const IniModel after = IniModel::parse(written.serialize());
    check(after.find(section, key) == std::optional<std::string_view>(value));

    const std::string line = key + "=" + value;
    const IniModel::Section* target = before.findSection(section);
    const std::size_t targetIndex = target ? target - sections.data() : sections.size();
    check(after.sections().size() == sections.size() + (target ? 0 : 1));
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const auto& was = sections[i].lines;
        const auto& now = after.sections()[i].lines;
        check(after.sections()[i].name == sections[i].name);
        if (i != targetIndex) {
            check(now == was);
            continue;
        }
        // The first line of the key is replaced in place, or the line follows the others.
        std::size_t replaced = 0;
        check(now.size() == was.size() || now.size() == was.size() + 1);
        for (std::size_t j = 0; j < was.size(); ++j) {
            if (now[j] != was[j]) {
                ++replaced;
                check(now[j] == line);
            }
        }
        check(now.size() == was.size() ? replaced <= 1 : replaced == 0 && now.back() == line);
    }
    if (target == nullptr) {
        check(after.sections().back().name == section &&
              after.sections().back().lines == std::vector<std::string>{line});
    }
    for (const auto& s : sections) {
        for (const auto& l : s.lines) {
            const auto k = tarvok::entryKey(l);
            if (k && !(tarvok::cp932EqualsIgnoreCase(s.name, section) &&
                       tarvok::cp932EqualsIgnoreCase(*k, key))) {
                check(after.find(s.name, *k) == before.find(s.name, *k));
            }
        }
    }
    return 0;
}
