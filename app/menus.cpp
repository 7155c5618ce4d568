#include "app/menus.h"

#include "app/texts.h"
#include "platform/text.h"

#include <windowsx.h>

#include <span>
#include <string>
#include <vector>

namespace tarvok {

namespace {

struct Shortcut {
    BYTE modifiers = 0; // FALT, FCONTROL, FSHIFT
    WORD key = 0;       // virtual key
    const char* text = nullptr;
};

// An id of 0 is a separator.
struct MenuItem {
    int id = 0;
    const char* text = nullptr;
    Shortcut shortcut{};
};

constexpr MenuItem kStandardMenu[] = {
    {cmd::kOpenControlPanel, text::kMenuControlPanel},
    {cmd::kOpenCommandPrompt, text::kMenuCommandPrompt},
    {},
    {cmd::kCloseLauncher, text::kMenuClose, {FALT, VK_F4, text::kMenuCloseShortcut}},
    {cmd::kShutDownWindows, text::kMenuShutDown, {FCONTROL, 'Q', text::kMenuShutDownShortcut}},
};
constexpr MenuItem kOptionsMenu[] = {
    {cmd::kEditPageNames, text::kMenuPageNames},
    {cmd::kClearPage, text::kMenuClearPage},
    {},
    {cmd::kMigrate, text::kMenuMigrate},
    {},
    {cmd::kToggleSendAddress, text::kMenuSendAddress},
    {cmd::kAddDesktopShortcut, text::kMenuDesktopShortcut},
    {},
    {cmd::kEditSummonKey, text::kMenuSummonKey},
};
constexpr MenuItem kHelpMenu[] = {
    {cmd::kOpenHelp, text::kMenuHelpPage},
    {cmd::kOpenReadMe, text::kMenuReadMe},
    {},
    {cmd::kShowAbout, text::kMenuAbout},
};
constexpr MenuItem kSlotMenu[] = {
    {cmd::kRegisterFromStartMenu, text::kMenuRegisterFromStartMenu},
    {cmd::kRegisterFileOrFolder, text::kMenuRegisterFileOrFolder},
    {cmd::kRegisterAddress, text::kMenuRegisterAddress},
    {},
    {cmd::kRenameSlot, text::kMenuRename},
    {cmd::kClearSlot, text::kMenuClearSlot},
};

struct MenuBarEntry {
    const char* text;
    std::span<const MenuItem> items;
};
constexpr MenuBarEntry kMenuBar[] = {
    {text::kMenuStandard, kStandardMenu},
    {text::kMenuOptions, kOptionsMenu},
    {text::kMenuHelp, kHelpMenu},
};

HMENU popupOf(std::span<const MenuItem> items) {
    HMENU menu = CreatePopupMenu();
    for (const auto& item : items) {
        if (item.id == 0) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
            continue;
        }
        std::string caption = item.text;
        if (item.shortcut.text != nullptr) {
            caption = caption + "\t" + item.shortcut.text;
        }
        AppendMenuW(menu, MF_STRING, static_cast<UINT_PTR>(item.id), widen(caption).c_str());
    }
    return menu;
}

} // namespace

HMENU makeMenuBar() {
    HMENU bar = CreateMenu();
    for (const auto& entry : kMenuBar) {
        AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popupOf(entry.items)),
                    widen(entry.text).c_str());
    }
    return bar;
}

UniqueMenu makeSlotMenu() {
    return UniqueMenu(popupOf(kSlotMenu));
}

void SlotMenu::open(HWND owner, HWND button, int keyNumber, LPARAM at) {
    POINT pt{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        RECT r{};
        GetWindowRect(button, &r);
        pt = {r.left, r.bottom};
    }
    keyNumber_ = keyNumber;
    if (!menu_) {
        menu_ = makeSlotMenu();
    }
    TrackPopupMenu(menu_.get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, pt.x, pt.y, 0, owner, nullptr);
}

UniqueAccelerators makeAccelerators() {
    std::vector<ACCEL> keys;
    for (WORD vk = VK_F1; vk <= VK_F12; ++vk) {
        keys.push_back(ACCEL{FVIRTKEY, vk, static_cast<WORD>(cmd::kFunctionKeyBase + vk)});
    }
    // As Ctrl+Shift+click on the taskbar: the slot opens as administrator.
    for (WORD vk = VK_F2; vk <= VK_F11; ++vk) {
        keys.push_back(ACCEL{FVIRTKEY | FCONTROL | FSHIFT, vk,
                             static_cast<WORD>(cmd::kAdministratorKeyBase + vk)});
    }
    for (const auto& entry : kMenuBar) {
        for (const auto& item : entry.items) {
            if (item.shortcut.key != 0) {
                keys.push_back(ACCEL{static_cast<BYTE>(FVIRTKEY | item.shortcut.modifiers),
                                     item.shortcut.key, static_cast<WORD>(item.id)});
            }
        }
    }
    return UniqueAccelerators(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

} // namespace tarvok
