#pragma once

#include "app/glyph_cache.h"
#include "platform/dde.h"
#include "platform/shell.h"
#include "platform/speed_button.h"
#include "platform/win_handles.h"
#include "settings/slot_keys.h"
#include "settings/slot_record.h"

#include <shellapi.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace tarvok {

// Command identifiers of the main window: menu items, keys and controls.
namespace cmd {
inline constexpr int kMnControl = 101;
inline constexpr int kMnMsdos = 102;
inline constexpr int kMnEnd = 103;
inline constexpr int kMnWin = 104;
inline constexpr int kMnPageNm = 111;
inline constexpr int kMnPageDel = 112;
inline constexpr int kMnImport = 113;
inline constexpr int kMnSendAdd = 114;
inline constexpr int kMnScutAdd = 115;
inline constexpr int kMnHelp = 121;
inline constexpr int kMnReadme = 122;
inline constexpr int kMnVer = 123;
inline constexpr int kPopTourokuHenkou = 201;
inline constexpr int kPopOthersFile = 202;
inline constexpr int kPopUrl = 203;
inline constexpr int kPopChgName = 204;
inline constexpr int kPopInfoDel = 205;
// Function keys F1 to F12: the virtual-key code plus this base, so the command itself
// says which key fired and nothing has to be read back from the message queue.
inline constexpr int kFunctionKeyBase = 400;
inline constexpr int kToolButtonBase = 500; // + page 1 to 5
inline constexpr int kSlotButtonBase = 600; // + key number 2 to 11
inline constexpr int kPageNameLabel = 700;
inline constexpr int kKeyLabelBase = 800; // + key number
inline constexpr int kToolBar = 720;
inline constexpr int kToolLabelPrevious = 721;
inline constexpr int kToolLabelNext = 722;
} // namespace cmd

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
};

// F_MAIN: the launcher window and the state the other screens share with it. The commands
// of the menus live in their own files (launch, slot menu, registrations, drop, page and
// system commands); this class creates the window, routes its messages and keeps the state.
class MainWindow {
  public:
    explicit MainWindow(MainWindowOptions options = {});
    ~MainWindow();
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    // Creates the window and runs the start-up (FormCreate); the window is not yet shown.
    HWND create();
    void show(int showCommand);
    HWND hwnd() const { return hwnd_; }
    // For the message loop: the keys (F1 to F12, Alt+F4, Ctrl+Q) and the keyboard moving
    // between the buttons. True when the message has been handled.
    bool preTranslateMessage(MSG& message) const;

    int currentPage() const { return currentPage_; }
    const std::string& programFolder() const { return programFolder_; }
    const std::string& settingsPath() const { return settingsPath_; }
    const PageNames& pageNames() const { return pageNames_; }
    bool sendAddress() const { return sendAddress_; }
    SpeedButton& slotButton(int keyNumber) {
        return slots_[static_cast<std::size_t>(keyNumber - kFirstKeyNumber)];
    }
    const std::string& pickerFolder() const { return pickerFolder_; }
    const std::string& programsFolder() const { return programsFolder_; }
    const std::string& editedSlotKey() const { return editedSlotKey_; }
    const std::string& chosenPath() const { return chosenPath_; }

    // Page commands: F1, F12 and a toolbar button.
    void previousPage();
    void nextPage();
    void selectPage(int page);
    // Reads the current page from the settings file into the label and the ten buttons.
    // AfterShow leaves the icons to a message handled once the window is on the screen.
    enum class GlyphTiming { Now, AfterShow };
    void refreshPage(GlyphTiming timing = GlyphTiming::Now);

    // SPD_BTNF2Click: opens what the slot holds (a program, document, shortcut or folder
    // through the shell; an address through the shell or a running browser); beeps for an
    // empty slot or an empty key.
    void launchSlot(const std::string& slotKey);
    // MN_SEND_ADD: inverts the check mark and stores it at once.
    void toggleSendAddress();

    // The slot menu, on the button it was last opened on (key number 2 to 11).
    void openSlotMenuOn(int keyNumber);
    int slotMenuKey() const { return slotMenuKey_; }
    void registerFromStartMenu(); // ﾌﾟﾛｸﾞﾗﾑの登録/変更
    void registerFileOrFolder();  // ファイルやフォルダの登録/変更
    void registerAddress(); // ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更
    void renameSlot();      // 名前の変更...
    void clearSlot();       // 設定の削除

    // A file dropped on the window: registered on the slot button under the drop point.
    void onDropFiles(HDROP drop);

    // Page commands of the 設定 menu.
    void editPageNames(); // ﾍﾟｰｼﾞﾈｰﾑの設定...
    void clearPage();     // ﾍﾟｰｼﾞ単位の消去

    // System and utility commands.
    void openControlPanel();
    void openCommandPrompt();
    void shutDownWindows();
    void addDesktopShortcut();
    void openHelp();
    void openReadMe();
    void showAbout();
    void migrateEarlierData();

    // Handles a message of this window; public for the window-procedure trampoline.
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void attach(HWND hwnd) { hwnd_ = hwnd; }

  private:
    void formCreate();
    // Registers the window as a target for files dropped from the shell.
    void acceptDrops();
    void createControls();
    void createMenus();
    void applyLayout(UINT dpi);
    void placeAt(WindowPosition position);
    void pressToolButton(int page);
    void turnPage(PageTurn turn);
    void showBlankPage();
    void fillPendingGlyphs();
    void showPageName();
    void sizePageLabel();
    void onCommand(int id, int notification, HWND control);
    void onFunctionKey(int virtualKey);
    void onSlotCommand(const std::string& slotKey);
    void showSlotMenu(HWND button, LPARAM at);
    void closeQuery();
    // The shell-run action FileRun1 on a file name, keeping its working folder.
    void runFile(const std::string& fileName);
    // Opens a file that lies beside the program, or warns that it is missing.
    void openBesideProgram(const std::string& fileName);
    void sendAddressToBrowser(const std::string& url);
    // The check mark of ｱﾄﾞﾚｽ送信 as the option stands.
    void showSendAddress();
    void pressFocusedButton() const;
    bool moveFocusByArrow(UINT key) const;
    WindowPosition currentPosition() const;
    LRESULT onDrawItem(const DRAWITEMSTRUCT& item);
    LRESULT onCtlColorStatic(HDC dc, HWND control);

    // Every operation reads the settings file through here. A start that could not read the
    // file left the defaults in memory; the first read that succeeds takes the page names and
    // the address-send option from the file, so a later save cannot blank them.
    Settings loadSettings();
    // The page names and the address-send option, as the file holds them.
    void takeNamesAndOption(const Settings& settings);

    // Slot-menu helpers shared by the registration commands.
    std::string slotMenuSlotKey() const;
    std::string slotMenuCaption() const;
    // The question before replacing the other kind of target; true to go on.
    bool confirmReplacing(const char* firstPiece, const char* menuCaption);
    // A program or file registration closed with OK: the caption and the glyph of the path.
    void showRegisteredTarget(const std::string& caption, const std::string& path);

    MainWindowOptions options_;
    HWND hwnd_ = nullptr;
    HWND toolBar_ = nullptr;
    HWND toolLabelPrevious_ = nullptr;
    HWND toolLabelNext_ = nullptr;
    std::array<HWND, 5> toolButtons_{};
    HWND pageLabel_ = nullptr;
    HWND pageTip_ = nullptr;
    std::array<SpeedButton, 10> slots_;
    std::array<HWND, 10> keyLabels_{};
    UniqueMenu popupMenu_;
    UniqueAccelerators accelerators_;
    UniqueFont fontWindow_, fontToolBar_, fontToolLabel_, fontPageName_, fontKeyLabel_;
    UINT dpi_ = 0; // the DPI the fonts and positions were made for
    GlyphCache glyphs_;
    std::vector<std::pair<int, std::string>> pendingGlyphs_; // key number, path
    static constexpr UINT kMsgFillGlyphs = WM_APP + 1;
    static constexpr UINT kMsgRefreshPage = WM_APP + 2;

    int currentPage_ = 1;
    std::string programFolder_;
    std::string settingsPath_;
    PageNames pageNames_{};
    bool sendAddress_ = false;
    bool settingsUnread_ = false; // the start-up could not read the file
    int slotMenuKey_ = kFirstKeyNumber;
    std::string programsFolder_;
    std::string editedSlotKey_;
    std::string pickerFolder_;
    std::string chosenPath_;
    ShellRunAction fileRun_; // FileRun1: keeps its file name and working folder
    BrowserDdeClient dde_;   // DdeClientConv1
};

} // namespace tarvok
