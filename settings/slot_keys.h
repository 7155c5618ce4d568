#pragma once

#include <string>
#include <string_view>

namespace tarvok {

inline constexpr int kFirstPage = 1;
inline constexpr int kLastPage = 5;
inline constexpr int kFirstKeyNumber = 2;
inline constexpr int kLastKeyNumber = 11;
inline constexpr int kSlotsPerPage = kLastKeyNumber - kFirstKeyNumber + 1;

// The slot key of a page and a function-key number: "2" "F" "5" gives "2F5".
std::string slotKey(int page, int keyNumber);

// The slot key of a slot button: the page digit, "F" and the button name from its ninth
// character on ("SPD_BTNF10" on page 4 gives "4F10").
std::string slotKeyFromButtonName(int page, std::string_view buttonName);

// "F2" to "F11" for the virtual-key codes 113 to 122; the empty text for any other key.
std::string keyNameFromVirtualKey(int virtualKey);
// The slot key of a function key on a page; empty when the key is not F2 to F11, so every
// read of it gives its default and the launch ends in the empty-slot beep.
std::string slotKeyFromVirtualKey(int page, int virtualKey);

// The outcome of F1 or F12: the page to show and whether the end was reached (beep, no
// change). There is no wrapping between the first and the last page.
struct PageTurn {
    int page;
    bool beep;
};
PageTurn previousPage(int current);
PageTurn nextPage(int current);

} // namespace tarvok
