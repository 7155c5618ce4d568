#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// UTF-8 inside, UTF-16 only at the W API boundary.
std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

} // namespace tarvok
