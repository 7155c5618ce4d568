#include "settings/settings.h"

#include "settings/errors.h"
#include "settings/messages.h"
#include "settings/text_format.h"

#include <cstdint>

namespace tarvok {

namespace {

bool isAscii(std::string_view text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            return false;
        }
    }
    return true;
}

std::optional<std::uint64_t> parseDigits(std::string_view digits, int base) {
    if (digits.empty()) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (const char c : digits) {
        int d;
        if (c >= '0' && c <= '9') {
            d = c - '0';
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            d = c - 'a' + 10;
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            d = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = value * static_cast<unsigned>(base) + static_cast<unsigned>(d);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    return value;
}

} // namespace

std::optional<int> parseSettingsInteger(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    std::optional<std::uint64_t> magnitude;
    bool hex = false;
    if (!text.empty() && text.front() == '$') {
        hex = true;
        magnitude = parseDigits(text.substr(1), 16);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        magnitude = parseDigits(text.substr(2), 16);
    } else {
        magnitude = parseDigits(text, 10);
    }
    if (!magnitude) {
        return std::nullopt;
    }
    std::int64_t value;
    if (hex) {
        value = static_cast<std::int32_t>(static_cast<std::uint32_t>(*magnitude));
    } else {
        value = static_cast<std::int64_t>(*magnitude);
        if (value > (negative ? 2147483648LL : 2147483647LL)) {
            return std::nullopt;
        }
    }
    return static_cast<int>(negative ? -value : value);
}

std::optional<std::string> Settings::encodeName(std::string_view name) const {
    if (isAscii(name)) {
        return std::string(name);
    }
    return codec_->encode(name);
}

std::string encodeStorable(const Codec& codec, std::string_view value) {
    if (value.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
        throw AppError(formatMessage(msg::kTextHasLineBreak, {value}));
    }
    if (isAscii(value)) {
        return std::string(value);
    }
    auto bytes = codec.encode(value);
    if (!bytes) {
        throw AppError(formatMessage(msg::kTextNotStorable, {value}));
    }
    return std::move(*bytes);
}

std::optional<std::string_view> Settings::rawValue(std::string_view section,
                                                   std::string_view key) const {
    const auto s = encodeName(section);
    const auto k = encodeName(key);
    if (!s || !k) {
        return std::nullopt;
    }
    return model_.find(*s, *k);
}

std::string Settings::readText(std::string_view section, std::string_view key,
                               std::string_view fallback) const {
    const auto raw = rawValue(section, key);
    if (!raw) {
        return std::string(fallback);
    }
    return isAscii(*raw) ? std::string(*raw) : codec_->decode(*raw);
}

int Settings::readInteger(std::string_view section, std::string_view key, int fallback) const {
    const auto raw = rawValue(section, key);
    if (!raw) {
        return fallback;
    }
    return parseSettingsInteger(*raw).value_or(fallback);
}

bool Settings::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return readInteger(section, key, fallback ? 1 : 0) != 0;
}

std::vector<std::string> Settings::readSection(std::string_view section) const {
    std::vector<std::string> lines;
    const auto name = encodeName(section);
    const IniModel::Section* s = name ? model_.findSection(*name) : nullptr;
    if (s != nullptr) {
        lines.reserve(s->lines.size());
        for (const auto& line : s->lines) {
            lines.push_back(isAscii(line) ? line : codec_->decode(line));
        }
    }
    return lines;
}

void Settings::writeRaw(std::string_view section, std::string_view key, std::string_view bytes) {
    const auto s = encodeName(section);
    const auto k = encodeName(key);
    if (!s || !k) {
        throw AppError(formatMessage(msg::kTextNotStorable, {s ? key : section}));
    }
    model_.set(*s, *k, bytes);
    changed_ = true;
}

void Settings::writeText(std::string_view section, std::string_view key, std::string_view value) {
    writeRaw(section, key, encodeValue(value));
}

void Settings::writeInteger(std::string_view section, std::string_view key, int value) {
    writeRaw(section, key, std::to_string(value));
}

void Settings::writeBool(std::string_view section, std::string_view key, bool value) {
    writeRaw(section, key, value ? "1" : "0");
}

std::string findInSection(const std::vector<std::string>& lines, std::string_view key,
                          const Codec& codec) {
    // The lines are decoded; compare in code page 932 so case folding follows the file's rules.
    const auto encodedKey = isAscii(key) ? std::optional<std::string>(key) : codec.encode(key);
    if (!encodedKey) {
        return {};
    }
    for (const auto& line : lines) {
        const auto k = entryKey(line);
        if (!k) {
            continue;
        }
        const auto encoded = isAscii(*k) ? std::optional<std::string>(*k) : codec.encode(*k);
        if (encoded && cp932EqualsIgnoreCase(*encoded, *encodedKey)) {
            return std::string(entryValue(line));
        }
    }
    return {};
}

} // namespace tarvok
