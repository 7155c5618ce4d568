#pragma once

// Texts of the home-page and mail address dialog.
namespace tarvok::text {

inline constexpr char kGetAddressLabel[] = "URLの取得";
inline constexpr char kInternetExplorerButton[] = "MS InternetExplorer(R)";
inline constexpr char kNetscape6Button[] = "Netscape(R)";
inline constexpr char kNetscape4Button[] = "Netscape(R)Navigator 4.X";
inline constexpr char kTitleLabel[] = "ホームページ／メールタイトル（ボタン名）";
inline constexpr char kKeepTitle[] = "タイトルを残す";
// The radio group has no caption of its own: its first line is empty. Each item holds an
// ideographic space.
inline constexpr char kAddressKinds[] = "\nﾎｰﾑﾍﾟｰｼﾞ　http://\nﾒｰﾙｱﾄﾞﾚｽ　mailto:";
inline constexpr char kAddressLabel[] = "ホームページ／メールアドレス";

// What the address field starts with for each kind; a new address starts as a home page.
inline constexpr char kHomePagePrefix[] = "http://";
inline constexpr char kMailPrefix[] = "mailto:";

inline constexpr char kMsgTitleMissing[] = "タイトル(ボタン名)が未入力です";
inline constexpr char kMsgNoInternetExplorer[] = "インターネットエクスプローラが起動されていません";
inline constexpr char kMsgNoNetscape6[] = "ネットスケープ v.6～ が起動されていません";
inline constexpr char kMsgNoNetscape4[] = "ネットスケープ v.4.X が起動されていません";

} // namespace tarvok::text
