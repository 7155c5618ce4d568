#include "settings/summon_key.h"

#include <stdexcept>
#include <vector>

namespace tarvok {

namespace {

constexpr char kSection[] = "Summon";
constexpr char kKey[] = "KEY";

struct Name {
    const char* text;
    unsigned code;
};

// The modifiers in the order they are written.
constexpr Name kModifiers[] = {
    {"Ctrl", kModCtrl},
    {"Alt", kModAlt},
    {"Shift", kModShift},
    {"Win", kModWin},
};
constexpr Name kModifierAliases[] = {{"Control", kModCtrl}};

// Keys other than letters, digits and F1 to F24, by the name written for them. The keys whose
// character depends on the keyboard layout are named by their virtual key ("Oem1"), as the
// settings file cannot know the layout.
constexpr Name kKeys[] = {
    {"Space", 0x20},       {"Enter", 0x0D},       {"Tab", 0x09},       {"Esc", 0x1B},
    {"Backspace", 0x08},   {"Insert", 0x2D},      {"Delete", 0x2E},    {"Home", 0x24},
    {"End", 0x23},         {"PageUp", 0x21},      {"PageDown", 0x22},  {"Left", 0x25},
    {"Up", 0x26},          {"Right", 0x27},       {"Down", 0x28},      {"Pause", 0x13},
    {"PrintScreen", 0x2C}, {"NumMultiply", 0x6A}, {"NumAdd", 0x6B},    {"NumSubtract", 0x6D},
    {"NumDecimal", 0x6E},  {"NumDivide", 0x6F},   {"Oem1", 0xBA},      {"OemPlus", 0xBB},
    {"OemComma", 0xBC},    {"OemMinus", 0xBD},    {"OemPeriod", 0xBE}, {"Oem2", 0xBF},
    {"Oem3", 0xC0},        {"Oem4", 0xDB},        {"Oem5", 0xDC},      {"Oem6", 0xDD},
    {"Oem7", 0xDE},        {"Oem8", 0xDF},        {"Oem102", 0xE2},
};
// Other spellings a hand-written value may use; never written.
constexpr Name kKeyAliases[] = {
    {"Escape", 0x1B}, {"Return", 0x0D}, {"Del", 0x2E},   {"Ins", 0x2D},
    {"PgUp", 0x21},   {"PgDn", 0x22},   {"Break", 0x13},
};

constexpr unsigned kF1 = 0x70;
constexpr int kLastFunctionKey = 24;
constexpr unsigned kNum0 = 0x60;

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (upper(a[i]) != upper(b[i])) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

template <std::size_t N>
std::optional<unsigned> lookUp(const Name (&names)[N], std::string_view text) {
    for (const auto& name : names) {
        if (sameName(name.text, text)) {
            return name.code;
        }
    }
    return std::nullopt;
}

// "F1" to "F24", "Num0" to "Num9": a prefix and a decimal number in a range.
std::optional<unsigned> numbered(std::string_view text, std::string_view prefix, int first,
                                 int last) {
    if (text.size() <= prefix.size() || !sameName(text.substr(0, prefix.size()), prefix)) {
        return std::nullopt;
    }
    const std::string_view digits = text.substr(prefix.size());
    if (digits.size() > 2 || (digits.size() == 2 && digits[0] == '0')) {
        return std::nullopt;
    }
    int n = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        n = n * 10 + (c - '0');
    }
    if (n < first || n > last) {
        return std::nullopt;
    }
    return static_cast<unsigned>(n - first);
}

std::optional<unsigned> keyCode(std::string_view text) {
    if (text.size() == 1) {
        const char c = upper(text[0]);
        if ((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
            return static_cast<unsigned>(c);
        }
        return std::nullopt;
    }
    if (const auto f = numbered(text, "F", 1, kLastFunctionKey)) {
        return kF1 + *f;
    }
    if (const auto n = numbered(text, "Num", 0, 9)) {
        return kNum0 + *n;
    }
    if (const auto named = lookUp(kKeys, text)) {
        return named;
    }
    return lookUp(kKeyAliases, text);
}

std::optional<std::string> keyName(unsigned code) {
    if ((code >= 'A' && code <= 'Z') || (code >= '0' && code <= '9')) {
        return std::string(1, static_cast<char>(code));
    }
    if (code >= kF1 && code < kF1 + kLastFunctionKey) {
        return "F" + std::to_string(code - kF1 + 1);
    }
    if (code >= kNum0 && code <= kNum0 + 9) {
        return "Num" + std::to_string(code - kNum0);
    }
    for (const auto& name : kKeys) {
        if (name.code == code) {
            return std::string(name.text);
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> formatHotKey(const HotKey& key) {
    auto name = keyName(key.key);
    if (!name) {
        return std::nullopt;
    }
    std::string text;
    for (const auto& modifier : kModifiers) {
        if (key.modifiers & modifier.code) {
            text += modifier.text;
            text += '+';
        }
    }
    return text + *name;
}

std::optional<HotKey> parseHotKey(std::string_view text) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const auto plus = text.find('+', start);
        parts.push_back(trimmed(text.substr(start, plus - start)));
        if (plus == std::string_view::npos) {
            break;
        }
        start = plus + 1;
    }
    HotKey key;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        auto modifier = lookUp(kModifiers, parts[i]);
        if (!modifier) {
            modifier = lookUp(kModifierAliases, parts[i]);
        }
        if (!modifier) {
            return std::nullopt;
        }
        key.modifiers |= *modifier;
    }
    const auto code = keyCode(parts.back());
    if (!code || !(key.modifiers & (kModCtrl | kModAlt | kModWin))) {
        return std::nullopt;
    }
    key.key = *code;
    return key;
}

SummonKeySetting readSummonKey(const Settings& settings) {
    if (!settings.rawValue(kSection, kKey)) {
        return {kDefaultSummonKey, {}};
    }
    const std::string text = settings.readText(kSection, kKey);
    if (trimmed(text).empty()) {
        return {std::nullopt, {}};
    }
    if (const auto key = parseHotKey(text)) {
        return {key, {}};
    }
    return {kDefaultSummonKey, text};
}

void writeSummonKey(Settings& settings, std::optional<HotKey> key) {
    std::string text;
    if (key) {
        const auto formatted = formatHotKey(*key);
        if (!formatted) {
            throw std::logic_error("a summon key without a name cannot be stored");
        }
        text = *formatted;
    }
    settings.writeText(kSection, kKey, text);
}

} // namespace tarvok
