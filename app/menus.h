#pragma once

#include "platform/win_handles.h"
#include "settings/slot_keys.h"

#include <windows.h>

namespace tarvok {

// Command identifiers of the main window: menu items, keys and controls.
namespace cmd {
inline constexpr int kOpenControlPanel = 101;
inline constexpr int kOpenCommandPrompt = 102;
inline constexpr int kCloseLauncher = 103;
inline constexpr int kShutDownWindows = 104;
inline constexpr int kEditPageNames = 111;
inline constexpr int kClearPage = 112;
inline constexpr int kMigrate = 113;
inline constexpr int kToggleSendAddress = 114;
inline constexpr int kAddDesktopShortcut = 115;
inline constexpr int kEditSummonKey = 116;
inline constexpr int kOpenHelp = 121;
inline constexpr int kOpenReadMe = 122;
inline constexpr int kShowAbout = 123;
inline constexpr int kRegisterFromStartMenu = 201;
inline constexpr int kRegisterFileOrFolder = 202;
inline constexpr int kRegisterAddress = 203;
inline constexpr int kRenameSlot = 204;
inline constexpr int kClearSlot = 205;
// Function keys F1 to F12: the virtual-key code plus this base, so the command itself
// says which key fired and nothing has to be read back from the message queue.
inline constexpr int kFunctionKeyBase = 400;
// Ctrl+Shift with F2 to F11: the virtual-key code plus this base.
inline constexpr int kAdministratorKeyBase = 900;
inline constexpr int kToolButtonBase = 500; // + page 1 to 5
inline constexpr int kSlotButtonBase = 600; // + key number 2 to 11
inline constexpr int kPageNameLabel = 700;
inline constexpr int kKeyLabelBase = 800; // + key number
inline constexpr int kToolBar = 720;
inline constexpr int kToolLabelPrevious = 721;
inline constexpr int kToolLabelNext = 722;
} // namespace cmd

// The menus and keys of the main window, all made from one table of items with their
// captions and shortcuts, so a shortcut shown in a menu is always the key that works.
HMENU makeMenuBar();
UniqueMenu makeSlotMenu();
UniqueAccelerators makeAccelerators();

// The pop-up menu of a slot button. Its commands act on the button it was opened on, whichever
// page is shown by then.
class SlotMenu {
  public:
    // At `at` (screen coordinates), or below the button's left edge for -1: the menu key or
    // Shift+F10. Commands go to `owner`.
    void open(HWND owner, HWND button, int keyNumber, LPARAM at);
    int keyNumber() const { return keyNumber_; }

  private:
    UniqueMenu menu_; // made when first needed: nothing of it shows at start
    int keyNumber_ = kFirstKeyNumber;
};

} // namespace tarvok
