#pragma once

// Texts of the shared boxes, and the words several screens share: each such word lives here
// once and every screen uses it from here.
namespace tarvok::ui {

inline constexpr char kCaptionWarning[] = "警告";
inline constexpr char kCaptionInformation[] = "情報";
inline constexpr char kCaptionConfirmation[] = "確認";
// Buttons of the boxes and of the dialogs alike.
inline constexpr char kButtonOk[] = "OK";
inline constexpr char kButtonYes[] = "はい(&Y)";
inline constexpr char kButtonNo[] = "いいえ(&N)";
inline constexpr char kButtonCancel[] = "キャンセル";
// The button that takes a home page or a start-menu shortcut into the slot.
inline constexpr char kButtonRegister[] = "登録";

// A slot renamed or registered with an empty button name.
inline constexpr char kMsgButtonNameMissing[] = "ボタン名が未入力です";

// A home page or mail address longer than the shell takes, refused when it is registered and
// when a slot holding one is opened. %s is the longest length, in ASCII digits.
inline constexpr char kMsgAddressTooLong[] =
    "ホームページ／メールアドレスが長すぎます\r\n（%s 文字まで）";

// An input/output error of the file system once the file picker has been used.
inline constexpr char kMsgMediumNotReady[] = "CD-R/RW, ﾌﾛｯﾋﾟｰ等が正常にセットされていません";

// Errors the system has no text for. %s is the error's number.
inline constexpr char kErrorNumber[] = "エラー %s";
inline constexpr char kUnknownError[] = "不明なエラーが発生しました。";

} // namespace tarvok::ui
