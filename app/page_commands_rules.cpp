#include "app/page_commands_rules.h"

#include "app/texts.h"
#include "settings/text_format.h"

namespace tarvok {

std::string clearPageQuestion(int page, std::string_view pageName) {
    return formatMessage(text::kAskClearPage, {std::to_string(page), pageName});
}

} // namespace tarvok
