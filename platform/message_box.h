#pragma once

#include <windows.h>

#include <string>

namespace tarvok {

enum class BoxIcon { Warning, Information, Question, Stop };
enum class BoxButtons { Ok, YesNo };
enum class BoxAnswer { Ok, Yes, No };

struct MessageBoxContent {
    std::string caption;
    std::string text; // shown exactly, line breaks included
    BoxIcon icon = BoxIcon::Information;
    BoxButtons buttons = BoxButtons::Ok;
    bool noIsDefault = false;
};

// Control identifiers of the box, so tests and automation can find its parts.
inline constexpr int kBoxTextId = 0x0FFF;
inline constexpr int kBoxIconId = 0x0FFE;

// Our own modal message box: exact caption, text, icon and button texts ("OK", "はい(&Y)",
// "いいえ(&N)"), the default button focused, Esc and the close box answering No (or OK in a
// box that has only OK). The text sits in a static control whose window text is the message,
// so screen readers and automation read it. The owner is disabled while the box is open.
BoxAnswer showMessageBox(HWND owner, const MessageBoxContent& content);

// The boxes of the user interface, by role.
void warningBox(HWND owner, const std::string& text);
void informationBox(HWND owner, const std::string& text);
bool askInformationYesNo(HWND owner, const std::string& text);
bool confirmYesNo(HWND owner, const std::string& text, bool noIsDefault = false);
void stopBox(HWND owner, const std::string& caption, const std::string& text);

} // namespace tarvok
