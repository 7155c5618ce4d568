#include "settings/text_format.h"

namespace tarvok {

std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args) {
    std::string out;
    out.reserve(pattern.size() + 64);
    auto next = args.begin();
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] == 's') {
            if (next != args.end()) {
                out.append(*next++);
            }
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

std::string withClosingFullStop(std::string_view utf8) {
    std::string out(utf8);
    // The system's Japanese texts end in "。", which already closes the sentence.
    if (out.empty() || out.ends_with("。")) {
        return out;
    }
    // Compare the last character, not its last byte: step back over UTF-8 continuation bytes.
    std::size_t start = out.size() - 1;
    while (start > 0 && (static_cast<unsigned char>(out[start]) & 0xC0) == 0x80) {
        --start;
    }
    const auto lead = static_cast<unsigned char>(out[start]);
    if (lead >= 0x80 || lead > '.') {
        out.push_back('.');
    }
    return out;
}

} // namespace tarvok
