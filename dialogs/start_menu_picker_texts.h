#pragma once

// Texts of the start-menu shortcut picker.
namespace tarvok::text {

inline constexpr char kFirstListLabel[] = "画面１";
inline constexpr char kSecondListLabel[] = "画面２";
// The gap is an ideographic space.
inline constexpr char kNameColumn[] = "ファイル　フォルダ名";
inline constexpr char kTypeColumn[] = "ファイルの種類";
inline constexpr char kCurrentUserFolder[] = "現ﾕｰｻﾞのﾌｫﾙﾀﾞ";
inline constexpr char kAllUsersFolder[] = "全ﾕｰｻﾞのﾌｫﾙﾀﾞ";
inline constexpr char kButtonNameLabel[] = "ボタン名";

inline constexpr char kMsgNoShortcutSelected[] = "ショートカットが選択されていません";
inline constexpr char kMsgChooseShortcut[] = "ショートカットを選択して下さい";

} // namespace tarvok::text
