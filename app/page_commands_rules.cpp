#include "app/page_commands_rules.h"

#include "app/texts.h"

namespace tarvok {

std::string clearPageQuestion(int page, std::string_view pageName) {
    std::string text(text::kAskClearPageHead);
    text.append(std::to_string(page));
    text.append("\r\n");
    text.append(text::kAskClearPageNameHead);
    text.append(pageName);
    text.append("\r\n\r\n");
    text.append(text::kAskClearPageTail);
    return text;
}

} // namespace tarvok
