#pragma once

// Every text the main window shows, by role.
namespace tarvok::text {

inline constexpr char kAppTitle[] = "ダルメDのペルノ COM";

inline constexpr char kToolLabelPrevious[] = "←F1 ";
inline constexpr char kToolLabelNext[] = "→F12";
inline constexpr char kPageNameDesign[] = "ダミー";
// The key labels read "Ｆ" (full-width) followed by the key number in ASCII digits.
inline constexpr char kKeyLabelPrefix[] = "Ｆ";
// What a screen reader says for a slot button: the key that opens it (%1 is the key number),
// then its caption (%2), or that nothing is registered there.
inline constexpr char kSlotSpoken[] = "F%s %s";
inline constexpr char kEmptySlotSpoken[] = "F%s (未登録)";

// Launching. %s is the slot's path; an ideographic space stands on each side of it.
inline constexpr char kMsgFileMissing[] = "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　%s　がありません";
inline constexpr char kMsgNoBrowser[] =
    "ブラウザが起動されていません。あるいは\r\nこのソフトでは未対応のブラウザです";

// Main menu.
inline constexpr char kMenuStandard[] = "標準(&F)";
inline constexpr char kMenuControlPanel[] = "ｺﾝﾄﾛｰﾙﾊﾟﾈﾙ";
inline constexpr char kMenuCommandPrompt[] = "MS-DOS(R)ﾌﾟﾛﾝﾌﾟﾄ";
inline constexpr char kMenuClose[] = "終了";
inline constexpr char kMenuCloseShortcut[] = "Alt+F4";
inline constexpr char kMenuShutDown[] = "MS-Windows(R)終了・再起動";
inline constexpr char kMenuShutDownShortcut[] = "Ctrl+Q";
inline constexpr char kMenuOptions[] = "設定";
inline constexpr char kMenuPageNames[] = "ﾍﾟｰｼﾞﾈｰﾑの設定...";
inline constexpr char kMenuClearPage[] = "ﾍﾟｰｼﾞ単位の消去";
inline constexpr char kMenuMigrate[] = "ﾃﾞｰﾀの移行...";
inline constexpr char kMenuSendAddress[] = "ｱﾄﾞﾚｽ送信(MS-Windows(R)95の一部)";
inline constexpr char kMenuDesktopShortcut[] = "ﾃﾞｽｸﾄｯﾌﾟにｼｮｰﾄｶｯﾄ追加";
inline constexpr char kMenuSummonKey[] = "呼び出しキーの設定...";
inline constexpr char kMenuHelp[] = "ﾍﾙﾌﾟ";
inline constexpr char kMenuHelpPage[] = "HTMLヘルプ";
inline constexpr char kMenuReadMe[] = "お読み下さい";
inline constexpr char kMenuAbout[] = "バージョン情報...";

// Slot pop-up menu.
inline constexpr char kMenuRegisterFromStartMenu[] = "ﾌﾟﾛｸﾞﾗﾑの登録/変更";
inline constexpr char kMenuRegisterFileOrFolder[] = "ファイルやフォルダの登録/変更";
inline constexpr char kMenuRegisterAddress[] = "ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更";
inline constexpr char kMenuRename[] = "名前の変更...";
inline constexpr char kMenuClearSlot[] = "設定の削除";

// The question before a registration replaces the other kind of target. %1 is what the slot
// holds now (one of the two heads below), %2 the button's caption, %3 the caption of the menu
// item chosen. The indents are ideographic spaces.
inline constexpr char kAskReplace[] =
    "既に%sとして\r\n\r\n　%s\r\n\r\nが設定されていますが、\r\n\r\n"
    "　%s\r\n\r\nをされますか？";
inline constexpr char kAskReplaceAddressHead[] = "ﾎｰﾑﾍﾟｰｼﾞ/ﾒｰﾙｱﾄﾞﾚｽ";
inline constexpr char kAskReplaceProgramHead[] = "プログラム(ファイル／フォルダ)";

// Clearing a slot. %s is the button's caption, after two ideographic spaces.
inline constexpr char kAskClearSlot[] =
    "このボタンに設定している　\r\n\r\n　　%s\r\n\r\nの情報を消去してもよろしいですか？";

// Clearing the page shown. %1 is the page number in decimal digits, %2 the page's name. The
// number follows an ASCII space, the name an ideographic space; the double quotes belong to
// the text.
inline constexpr char kAskClearPage[] =
    "表示している\r\n\r\nページ番号： %s\r\nページネーム：　%s\r\n\r\n"
    "の\"すべての情報\"を消去してもよろしいですか？";

// System and utility commands.
inline constexpr char kControlPanelFile[] = "CONTROL.EXE";
inline constexpr char kHelpFile[] = "tarvok_00.html";
inline constexpr char kReadMeFile[] = "お読み下さい.txt";
// A help or read-me file missing. %s is the file's name, with an ASCII space on each side.
inline constexpr char kMsgNotBesideProgram[] = "このソフトと同じフォルダに %s が見つかりません";
inline constexpr char kMsgShortcutExists[] = "ショートカットはすでにあります";
inline constexpr char kAskCreateShortcut[] = "デスクトップにショートカット\r\nを作成しますか？";
inline constexpr char kMsgShortcutCreated[] = "ショートカットは作成されました";
// Saving the shortcut failed. %1 is the shortcut's path, %2 the system's reason.
inline constexpr char kMsgShortcutNotSaved[] =
    "ショートカットを作成できませんでした\r\n\r\n%s\r\n\r\n%s";

// The summon key. %s is the key as the settings file writes it ("Ctrl+Alt+J").
// Told once at start, in an information box, when another program holds the key.
inline constexpr char kMsgSummonKeyTaken[] =
    "呼び出しキー %s は、ほかのソフトが使っているため使えません\r\n"
    "（「設定」→「呼び出しキーの設定...」で別のキーを選べます）";
// Told the same way when the settings file names no key it can read. %1 is the stored text,
// %2 the key used instead.
inline constexpr char kMsgSummonKeyUnreadable[] =
    "設定ファイルの呼び出しキー「%s」は読み取れないため、%s を使います";
// The key chosen in the dialog is held by another program: the dialog stays open.
inline constexpr char kMsgSummonKeyRefused[] =
    "%s は、ほかのソフトが使っているため呼び出しキーにできません。別のキーを選んで下さい。";

} // namespace tarvok::text
