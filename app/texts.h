#pragma once

// Every text the main window shows, by role.
namespace tarvok::text {

inline constexpr char kAppTitle[] = "ダルメDのペルノ COM";

inline constexpr char kToolLabelPrevious[] = "←F1 ";
inline constexpr char kToolLabelNext[] = "→F12";
inline constexpr char kPageNameDesign[] = "ダミー";
// The key labels read "Ｆ" (full-width) followed by the key number in ASCII digits.
inline constexpr char kKeyLabelPrefix[] = "Ｆ";

// Launching. The path stands between the two pieces; each piece has an ideographic space
// on the side of the path.
inline constexpr char kMsgFileMissingHead[] = "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　";
inline constexpr char kMsgFileMissingTail[] = "　がありません";
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

// The question before a registration replaces the other kind of target, in nine pieces:
// first piece, the button's caption, two line breaks, the middle, two line breaks, an
// ideographic space, the menu item's caption, two line breaks, the end.
inline constexpr char kAskReplaceAddressHead[] = "既にﾎｰﾑﾍﾟｰｼﾞ/ﾒｰﾙｱﾄﾞﾚｽとして\r\n\r\n　";
inline constexpr char kAskReplaceProgramHead[] =
    "既にプログラム(ファイル／フォルダ)として\r\n\r\n　";
inline constexpr char kAskReplaceMiddle[] = "が設定されていますが、";
inline constexpr char kAskReplaceIndent[] = "　";
inline constexpr char kAskReplaceTail[] = "をされますか？";

// Clearing a slot: the head, the caption, two line breaks, the tail.
inline constexpr char kAskClearSlotHead[] = "このボタンに設定している　\r\n\r\n　　";
inline constexpr char kAskClearSlotTail[] = "の情報を消去してもよろしいですか？";

// Clearing the page shown: the head, the page number, one line break, the name head, the
// page's name, two line breaks, the tail. The double quotes belong to the text.
inline constexpr char kAskClearPageHead[] = "表示している\r\n\r\nページ番号： ";
inline constexpr char kAskClearPageNameHead[] = "ページネーム：　";
inline constexpr char kAskClearPageTail[] = "の\"すべての情報\"を消去してもよろしいですか？";

// Naming a slot.
inline constexpr char kMsgNameMissing[] = "ボタン名が未入力です";

// System and utility commands.
inline constexpr char kControlPanelFile[] = "CONTROL.EXE";
inline constexpr char kHelpFile[] = "tarvok_00.html";
inline constexpr char kReadMeFile[] = "お読み下さい.txt";
// A help or read-me file missing: the file name stands between the pieces, each of which has
// an ASCII space on the side of the name.
inline constexpr char kMsgNotBesideProgramHead[] = "このソフトと同じフォルダに ";
inline constexpr char kMsgNotBesideProgramTail[] = " が見つかりません";
inline constexpr char kMsgShortcutExists[] = "ショートカットはすでにあります";
inline constexpr char kAskCreateShortcut[] = "デスクトップにショートカット\r\nを作成しますか？";
inline constexpr char kMsgShortcutCreated[] = "ショートカットは作成されました";
// Saving the shortcut failed: this head, the shortcut's path, two line breaks, the system's
// reason.
inline constexpr char kMsgShortcutNotSaved[] = "ショートカットを作成できませんでした\r\n\r\n";

} // namespace tarvok::text
