#pragma once

// Texts of the dialog that sets the summon key.
namespace tarvok::text {

inline constexpr char kSummonCaption[] = "呼び出しキーの設定";
inline constexpr char kSummonExplanation[] = "ほかのソフトを使っているときにこのキーを押すと、\r\n"
                                             "ランチャーが前面に出ます。\r\n"
                                             "もう一度押すと、元のウィンドウに戻ります。";
inline constexpr char kSummonCurrentLabel[] = "現在のキー";
inline constexpr char kSummonNewLabel[] = "新しいキー";
// The key shown when there is none, and the box that turns the key off.
inline constexpr char kSummonNone[] = "なし";
// Beside the present key: whether it works.
inline constexpr char kSummonActive[] = "有効";
inline constexpr char kSummonInactive[] = "無効（ほかのソフトが使用中）";
inline constexpr char kMsgSummonKeyMissing[] = "呼び出しキーが未入力です";
// A key the settings file has no name for (the input method's keys, for instance).
inline constexpr char kMsgSummonKeyUnusable[] = "このキーは呼び出しキーに使えません";

} // namespace tarvok::text
