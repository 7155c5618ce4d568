#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvok {

// What a browser's WWW_GetWindowInfo reply says: a list of fields, each in double quotes,
// separated by commas; the page address first, the page title second.
struct WindowInfo {
    std::string address;
    std::string title;
};

// Takes the fields as fields: a comma inside the quotes belongs to the field, and the title is
// the second field whether or not more follow. A reply that is not quoted fields (empty, or
// without quotes) gives an empty address and title. Replies of any length are taken whole.
WindowInfo parseWindowInfoReply(std::string_view reply);

// The page title in an Internet Explorer frame's caption: the part before the first
// " - Microsoft Internet"; empty when the caption does not hold it.
std::string internetExplorerTitle(std::string_view caption);

// The page title in a Netscape window's caption: the part before the first " - Netscape";
// nullopt when the caption does not hold it (the window is not a Netscape window).
std::optional<std::string> netscapeTitle(std::string_view caption);

} // namespace tarvok
