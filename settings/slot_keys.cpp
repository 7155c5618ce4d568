#include "settings/slot_keys.h"

namespace tarvok {

namespace {

// Built by appending: GCC 12 flags "a" + "b" chains of std::string with a false -Wrestrict.
std::string joinKey(int page, std::string_view middle, std::string_view tail) {
    std::string key = std::to_string(page);
    key.append(middle);
    key.append(tail);
    return key;
}

} // namespace

std::string slotKey(int page, int keyNumber) {
    return joinKey(page, "F", std::to_string(keyNumber));
}

std::string slotKeyFromButtonName(int page, std::string_view buttonName) {
    constexpr std::size_t kNumberStart = 8; // after "SPD_BTNF"
    const auto number =
        buttonName.size() > kNumberStart ? buttonName.substr(kNumberStart) : std::string_view{};
    return joinKey(page, "F", number);
}

std::string keyNameFromVirtualKey(int virtualKey) {
    constexpr int kVkF2 = 113;
    constexpr int kVkF11 = 122;
    if (virtualKey < kVkF2 || virtualKey > kVkF11) {
        return {};
    }
    std::string name = "F";
    name.append(std::to_string(virtualKey - kVkF2 + kFirstKeyNumber));
    return name;
}

std::string slotKeyFromVirtualKey(int page, int virtualKey) {
    const auto name = keyNameFromVirtualKey(virtualKey);
    return name.empty() ? std::string{} : joinKey(page, name, {});
}

PageTurn previousPage(int current) {
    if (current - 1 < kFirstPage) {
        return {kFirstPage, true};
    }
    return {current - 1, false};
}

PageTurn nextPage(int current) {
    if (current + 1 > kLastPage) {
        return {kLastPage, true};
    }
    return {current + 1, false};
}

} // namespace tarvok
