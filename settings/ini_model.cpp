#include "settings/ini_model.h"

#include <stdexcept>

namespace tarvok {

std::string_view trimControls(std::string_view text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= 0x20) {
        ++begin;
    }
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= 0x20) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::optional<std::string_view> entryKey(std::string_view line) {
    const auto eq = line.find('=');
    if (eq == std::string_view::npos) {
        return std::nullopt;
    }
    return line.substr(0, eq);
}

std::string_view entryValue(std::string_view line) {
    const auto eq = line.find('=');
    return eq == std::string_view::npos ? std::string_view{} : line.substr(eq + 1);
}

bool cp932EqualsIgnoreCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto ca = static_cast<unsigned char>(a[i]);
        auto cb = static_cast<unsigned char>(b[i]);
        if (isCp932LeadByte(ca) && i + 1 < a.size()) {
            // Both halves of a double-byte character must match exactly.
            if (ca != cb || a[i + 1] != b[i + 1]) {
                return false;
            }
            ++i;
            continue;
        }
        if (ca >= 'a' && ca <= 'z') {
            ca = static_cast<unsigned char>(ca - 'a' + 'A');
        }
        if (cb >= 'a' && cb <= 'z') {
            cb = static_cast<unsigned char>(cb - 'a' + 'A');
        }
        if (ca != cb) {
            return false;
        }
    }
    return true;
}

namespace {

// Whether the text's last byte is the first half of a double-byte character: walked from the
// start, because a second byte can look like anything, "]" included.
bool endsInLeadByte(std::string_view text) {
    std::size_t i = 0;
    while (i + 1 < text.size()) {
        i += isCp932LeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
    }
    return i + 1 == text.size() && isCp932LeadByte(static_cast<unsigned char>(text[i]));
}

} // namespace

bool isSectionHeader(std::string_view line) {
    return line.size() >= 2 && line.front() == '[' && line.back() == ']' &&
           !endsInLeadByte(line.substr(0, line.size() - 1));
}

IniModel IniModel::parse(std::string_view bytes) {
    IniModel model;
    // Editors that save "UTF-8 with signature" put a byte-order mark before the first header.
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
    }
    // The text ends at the first NUL byte.
    if (const auto nul = bytes.find('\0'); nul != std::string_view::npos) {
        bytes = bytes.substr(0, nul);
    }
    Section* current = nullptr;
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", pos);
        std::string_view raw;
        if (end == std::string_view::npos) {
            raw = bytes.substr(pos);
            pos = bytes.size();
        } else {
            raw = bytes.substr(pos, end - pos);
            // CR LF is one break; a lone CR or a lone LF is one break too.
            pos =
                end +
                ((bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n') ? 2 : 1);
        }
        const std::string_view line = trimControls(raw);
        if (line.empty() || line.front() == ';') {
            continue;
        }
        if (isSectionHeader(line)) {
            std::string_view name = trimControls(line.substr(1, line.size() - 2));
            if (endsInLeadByte(name)) {
                // Trimming took the second half of a character (a control byte can be one):
                // without it the saved header would end in a different character, not "]".
                name = std::string_view(name.data(), name.size() + 1);
            }
            // A repeated name starts a second section of that name; lookups find the first.
            model.sections_.push_back(Section{std::string(name), {}});
            current = &model.sections_.back();
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        if (const auto eq = line.find('='); eq != std::string_view::npos) {
            std::string entry(trimControls(line.substr(0, eq)));
            entry.push_back('=');
            entry.append(trimControls(line.substr(eq + 1)));
            current->lines.push_back(std::move(entry));
        } else {
            current->lines.emplace_back(line);
        }
    }
    return model;
}

std::string IniModel::serialize() const {
    std::size_t size = 0;
    for (const auto& section : sections_) {
        size += section.name.size() + 6;
        for (const auto& line : section.lines) {
            size += line.size() + 2;
        }
    }
    std::string out;
    out.reserve(size);
    for (const auto& section : sections_) {
        out.push_back('[');
        out.append(section.name);
        out.append("]\r\n");
        for (const auto& line : section.lines) {
            out.append(line);
            out.append("\r\n");
        }
        out.append("\r\n");
    }
    return out;
}

const IniModel::Section* IniModel::findSection(std::string_view name) const {
    for (const auto& section : sections_) {
        if (cp932EqualsIgnoreCase(section.name, name)) {
            return &section;
        }
    }
    return nullptr;
}

std::optional<std::string_view> IniModel::find(std::string_view section,
                                               std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) {
        return std::nullopt;
    }
    for (const auto& line : s->lines) {
        const auto k = entryKey(line);
        if (k && cp932EqualsIgnoreCase(*k, key)) {
            return entryValue(line);
        }
    }
    return std::nullopt;
}

void IniModel::set(std::string_view section, std::string_view key, std::string_view value) {
    const auto breaksLine = [](std::string_view t) {
        return t.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos;
    };
    if (breaksLine(key) || breaksLine(value) || breaksLine(section) ||
        key.find('=') != std::string_view::npos || endsInLeadByte(section)) {
        throw std::invalid_argument("settings entry would not survive a reload");
    }
    std::string entry(key);
    entry.push_back('=');
    entry.append(value);

    auto* s = const_cast<Section*>(findSection(section));
    if (s == nullptr) {
        sections_.push_back(Section{std::string(section), {}});
        s = &sections_.back();
    }
    for (auto& line : s->lines) {
        const auto k = entryKey(line);
        if (k && cp932EqualsIgnoreCase(*k, key)) {
            line = std::move(entry);
            return;
        }
    }
    s->lines.push_back(std::move(entry));
}

} // namespace tarvok
