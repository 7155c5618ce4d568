#include "app/slot_menu_rules.h"

#include "app/texts.h"
#include "settings/text_format.h"

namespace tarvok {

std::string replaceQuestion(std::string_view head, std::string_view caption,
                            std::string_view menuCaption) {
    return formatMessage(text::kAskReplace, {head, caption, menuCaption});
}

std::string clearSlotQuestion(std::string_view caption) {
    return formatMessage(text::kAskClearSlot, {caption});
}

} // namespace tarvok
