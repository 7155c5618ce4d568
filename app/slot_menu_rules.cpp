#include "app/slot_menu_rules.h"

#include "app/texts.h"

namespace tarvok {

namespace {
constexpr std::string_view kTwoBreaks = "\r\n\r\n";
}

std::string replaceQuestion(std::string_view head, std::string_view caption,
                            std::string_view menuCaption) {
    std::string text(head);
    text.append(caption);
    text.append(kTwoBreaks);
    text.append(text::kAskReplaceMiddle);
    text.append(kTwoBreaks);
    text.append(text::kAskReplaceIndent);
    text.append(menuCaption);
    text.append(kTwoBreaks);
    text.append(text::kAskReplaceTail);
    return text;
}

std::string clearSlotQuestion(std::string_view caption) {
    std::string text(text::kAskClearSlotHead);
    text.append(caption);
    text.append(kTwoBreaks);
    text.append(text::kAskClearSlotTail);
    return text;
}

} // namespace tarvok
