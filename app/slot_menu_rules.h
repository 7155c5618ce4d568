#pragma once

#include <string>
#include <string_view>

namespace tarvok {

// The question asked before a registration replaces a slot's other kind of target.
// `head` names what the slot holds now: text::kAskReplaceAddressHead or kAskReplaceProgramHead.
std::string replaceQuestion(std::string_view head, std::string_view caption,
                            std::string_view menuCaption);

// The confirmation before a slot is cleared.
std::string clearSlotQuestion(std::string_view caption);

} // namespace tarvok
