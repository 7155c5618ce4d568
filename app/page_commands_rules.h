#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// The confirmation before a whole page is cleared: the page's number and name between the
// pieces of the question.
std::string clearPageQuestion(int page, std::string_view pageName);

} // namespace tarvok
