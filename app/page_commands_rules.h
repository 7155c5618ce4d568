#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// The confirmation before a whole page is cleared, naming the page by number and name.
std::string clearPageQuestion(int page, std::string_view pageName);

} // namespace tarvok
