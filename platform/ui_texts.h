#pragma once

// Texts of the shared boxes.
namespace tarvok::ui {

inline constexpr char kCaptionWarning[] = "警告";
inline constexpr char kCaptionInformation[] = "情報";
inline constexpr char kCaptionConfirmation[] = "確認";
inline constexpr char kButtonOk[] = "OK";
inline constexpr char kButtonYes[] = "はい(&Y)";
inline constexpr char kButtonNo[] = "いいえ(&N)";

// An input/output error of the file system once the file picker has been used.
inline constexpr char kMsgMediumNotReady[] = "CD-R/RW, ﾌﾛｯﾋﾟｰ等が正常にセットされていません";

// Errors the system has no text for. %s is the error's number.
inline constexpr char kErrorNumber[] = "エラー %s";
inline constexpr char kUnknownError[] = "不明なエラーが発生しました。";

} // namespace tarvok::ui
