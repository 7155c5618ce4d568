#pragma once

#include "app/slot_store.h"
#include "app/summon_key.h"
#include "platform/dde.h"
#include "platform/shell.h"
#include "settings/slot_keys.h"
#include "settings/slot_record.h"

#include <windows.h>

#include <functional>
#include <string>

namespace tarvok {

// What the window shows that the commands read and change: the page shown, the page names
// and the address-send option.
struct LauncherState {
    int page = 1;
    PageNames pageNames{};
    bool sendAddress = false;
};

// The screen the commands act on; the main window provides it.
class LauncherScreen {
  public:
    virtual HWND window() const = 0;
    virtual std::string caption(int keyNumber) const = 0;
    // One slot's caption and the glyph of `glyphPath` (none for an empty path).
    virtual void showSlot(int keyNumber, const std::string& caption,
                          const std::string& glyphPath) = 0;
    // A new caption; the glyph stays.
    virtual void showCaption(int keyNumber, const std::string& caption) = 0;
    // The page shown, all ten slots, as the settings file holds it now.
    virtual void showPage() = 0;
    // Another page: its button pressed, its slots shown.
    virtual void turnTo(int page) = 0;
    virtual void showPageName() = 0;
    virtual void showSendAddress() = 0;
    // Closes the window the way a user does: its position is stored, then `afterStoring` runs
    // (if any) while the window still exists, then the window goes.
    virtual void close(const std::function<void()>& afterStoring) = 0;
    // The key that brings the window to the front from any program.
    virtual SummonKey& summonKey() = 0;

  protected:
    ~LauncherScreen() = default;
};

struct CommandOptions {
    // The nothing-to-do beep; tests count it.
    std::function<void()> beep;
    // Where the desktop shortcut goes; empty means the shell's desktop folder.
    std::string desktopFolder;
    // Carries out the shell-run action (file name, working folder); empty means the shell.
    std::function<void(const std::string&, const std::string&)> shellRun;
    // Opens a slot's file or folder (verb: empty for its default action, or "runas"); empty
    // means the shell.
    std::function<void(const std::string& verb, const std::string& path)> openItem;
};

// What the keys, the buttons and the menus do. Every command reads and writes the settings
// file through the slot store; the dialogs only say what the user chose.
class Commands {
  public:
    Commands(LauncherScreen& screen, SlotStore& store, LauncherState& state,
             std::string programFolder, CommandOptions options);

    // A command of the menus or the keys; the slot menu's act on the button `slotMenuKey`.
    void run(int commandId, int slotMenuKey);

    // F2 to F11 and the slot buttons: opens what the slot holds (a program, document,
    // shortcut or folder through the shell; an address through the shell or a running
    // browser); beeps for an empty slot.
    void launch(int keyNumber);
    // Ctrl+Shift with F2 to F11 or a click, as on the taskbar: a program, document or shortcut
    // opens as administrator (Windows asks first). A folder has nothing to run with rights and
    // opens as always; so does an address.
    void launchAsAdministrator(int keyNumber);
    // Where there is nothing to do: an empty slot, F1 on the first page, F12 on the last.
    void beep() const { options_.beep(); }
    // A file dropped on a slot button: registered there at once, without a question.
    void registerDrop(int keyNumber, const std::string& dropped);

    // The slot menu, on the button it was opened on.
    void registerFromStartMenu(int keyNumber);
    void registerFileOrFolder(int keyNumber);
    void registerAddress(int keyNumber);
    void renameSlot(int keyNumber);
    void clearSlot(int keyNumber);

    // The 設定 menu.
    void editPageNames();
    void clearPage();
    void toggleSendAddress();
    void migrateEarlierData();
    void addDesktopShortcut();
    void editSummonKey();

    // The 標準 and ﾍﾙﾌﾟ menus.
    void openControlPanel();
    void openCommandPrompt();
    // Stores the position, then asks the shell for its shut-down dialog.
    void shutDownWindows();
    void openHelp();
    void openReadMe();
    void showAbout();

    // On every way of closing: the window's position, kept for the next start.
    void storePosition(POINT position);

  private:
    std::string slotKeyOf(int keyNumber) const;
    // The question before replacing the other kind of target (`heldKind` names what the slot
    // holds); true to go on.
    bool confirmReplacing(const char* heldKind, int keyNumber, const char* menuCaption);
    // Reads the file once when the start could not, so what a command shows or stores of the
    // names and options is the file's.
    void catchUpOnUnreadStart();
    // F1 and F12; beeps on the first and the last page.
    void turnPage(const PageTurn& turn);
    void open(int keyNumber, bool asAdministrator);
    void openItem(const std::string& verb, const std::string& path);
    void sendAddressToBrowser(const std::string& url);
    // The shell-run action FileRun1 on a file name, keeping its working folder.
    void runFile(const std::string& fileName);
    // Opens a file that lies beside the program, or warns that it is missing (in a box of
    // `owner`, the window the user is in).
    void openBesideProgram(const std::string& fileName, HWND owner);

    LauncherScreen& screen_;
    SlotStore& store_;
    LauncherState& state_;
    std::string programFolder_;
    CommandOptions options_;
    // Kept from one opening to the next in a run.
    std::string pickerFolder_;
    ShellRunAction fileRun_; // FileRun1: keeps its file name and working folder
    BrowserDdeClient dde_;   // DdeClientConv1
};

} // namespace tarvok
