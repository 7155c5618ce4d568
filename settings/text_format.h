#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace tarvok {

// Replaces each "%s" of a message template with the next argument, in order. Arguments are
// inserted as they are: a "%s" inside an argument is never expanded again.
std::string formatMessage(std::string_view pattern, std::initializer_list<std::string_view> args);

} // namespace tarvok
