#include "dialogs/address_dialog_rules.h"

namespace tarvok {

namespace {

constexpr std::string_view kInternetExplorerMarker = " - Microsoft Internet";
constexpr std::string_view kNetscapeMarker = " - Netscape";

// Reads one quoted field starting at `at` (which must be on its opening quote). The field
// ends at the first quote that is followed by a comma or by the end of the reply, so a
// quote or a comma inside a page title stays part of it. Returns the position after the
// closing quote, or npos when there is no field there.
std::size_t readField(std::string_view reply, std::size_t at, std::string& field) {
    if (at >= reply.size() || reply[at] != '"') {
        return std::string_view::npos;
    }
    for (std::size_t close = reply.find('"', at + 1); close != std::string_view::npos;
         close = reply.find('"', close + 1)) {
        if (close + 1 == reply.size() || reply[close + 1] == ',') {
            field.assign(reply.substr(at + 1, close - at - 1));
            return close + 1;
        }
    }
    return std::string_view::npos;
}

std::optional<std::string> textBefore(std::string_view caption, std::string_view marker) {
    const auto at = caption.find(marker);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(caption.substr(0, at));
}

} // namespace

WindowInfo parseWindowInfoReply(std::string_view reply) {
    // Some browsers end the text with a line break.
    while (!reply.empty() && (reply.back() == '\r' || reply.back() == '\n')) {
        reply.remove_suffix(1);
    }
    WindowInfo info;
    std::size_t next = readField(reply, 0, info.address);
    if (next != std::string_view::npos && next < reply.size()) {
        (void)readField(reply, next + 1, info.title);
    }
    return info;
}

std::string internetExplorerTitle(std::string_view caption) {
    return textBefore(caption, kInternetExplorerMarker).value_or("");
}

std::optional<std::string> netscapeTitle(std::string_view caption) {
    return textBefore(caption, kNetscapeMarker);
}

} // namespace tarvok
