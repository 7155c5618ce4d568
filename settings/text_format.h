#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvok {

// Replaces each "%s" of a message template with the next argument, in order. Arguments are
// inserted as they are: a "%s" inside an argument is never expanded again.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

// The text of an unhandled error as the stop box shows it: a full stop is appended when the
// last character sorts after "." (so a text ending in "." or ")" gets none, Japanese does),
// except after the Japanese full stop "。".
std::string withClosingFullStop(std::string_view utf8);

} // namespace tarvok
