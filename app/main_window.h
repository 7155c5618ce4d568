#pragma once

#include "app/commands.h"
#include "app/focus_memory.h"
#include "app/menus.h"
#include "app/page_bar.h"
#include "app/page_label.h"
#include "app/slot_column.h"
#include "app/slot_drops.h"
#include "app/slot_store.h"
#include "app/summon_key.h"
#include "platform/com.h"
#include "platform/win_handles.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>
#include <optional>
#include <string>

namespace tarvok {

inline constexpr wchar_t kMainWindowClass[] = L"TF_MAIN";

struct MainWindowOptions {
    // Where the settings file lives; empty means the folder of the program file.
    std::string programFolder;
    // The nothing-to-do beep; tests count it.
    std::function<void()> beep;
    // Whether destroying the window ends the message loop (the program's one window does).
    bool quitOnDestroy = true;
    // Where the desktop shortcut goes; empty means the shell's desktop folder.
    std::string desktopFolder;
    // Carries out the shell-run action (file name, working folder); empty means the shell.
    // Tests record the calls here.
    std::function<void(const std::string&, const std::string&)> shellRun;
    // Opens a slot's file or folder (verb: empty for its default action, or "runas"); empty
    // means the shell. Tests record the calls here.
    std::function<void(const std::string& verb, const std::string& path)> openItem;
};

// F_MAIN: the launcher window. It creates its parts (page bar, page label, slot column,
// menus), routes messages and keys to them and to the commands, and lays them out.
class MainWindow final : private LauncherScreen {
  public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and runs the start-up; the window is not yet shown.
    HWND create();
    void show(int showCommand);
    HWND hwnd() const { return hwnd_; }
    // For the message loop: the keys (F1 to F12, Alt+F4, Ctrl+Q) and the keyboard moving
    // between the buttons. True when the message has been handled.
    bool preTranslateMessage(MSG& message) const;

    int currentPage() const { return state_.page; }
    const SpeedButton& slotButton(int keyNumber) const { return slots_.button(keyNumber); }

    // For the window-procedure trampoline.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND hwnd) { hwnd_ = hwnd; }

  private:
    void onCreate();
    void afterFirstPaint();
    void layout(UINT dpi);
    void refreshPage(bool deferGlyphs = false);
    void takeNamesAndOption(const Settings& settings);
    void onCommand(int id, int notification, HWND control);
    // The summon key: registered at start; a problem is told once the window is on the
    // screen.
    void startSummonKey(const SummonKeySetting& setting);
    void storePosition();
    LRESULT onCtlColorStatic(HDC dc, HWND control) const;

    // What the commands see of the window.
    HWND window() const override { return hwnd_; }
    std::string caption(int keyNumber) const override { return slots_.caption(keyNumber); }
    void showSlot(int keyNumber, const std::string& caption, const std::string& glyphPath) override;
    void showCaption(int keyNumber, const std::string& caption) override;
    void showPage() override { refreshPage(); }
    void turnTo(int page) override;
    void showPageName() override;
    void showSendAddress() override;
    void close(const std::function<void()>& afterStoring) override;
    SummonKey& summonKey() override { return summonKey_; }

    MainWindowOptions options_;
    HWND hwnd_ = nullptr;
    std::string programFolder_;
    LauncherState state_;
    SlotStore store_;
    Commands commands_;
    PageBar pageBar_;
    PageLabel pageLabel_;
    SlotColumn slots_;
    FocusMemory focus_{slots_};
    SlotDrops drops_{slots_, [this](int keyNumber, const std::string& path) {
                         commands_.registerDrop(keyNumber, path);
                     }};
    SlotMenu slotMenu_;
    std::optional<OleApartment> ole_;
    UniqueAccelerators accelerators_;
    SummonKey summonKey_;
    UINT dpi_ = 0; // the DPI the fonts and positions were made for
    bool shown_ = false;
};

} // namespace tarvok
