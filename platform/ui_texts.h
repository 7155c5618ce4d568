#pragma once

// Texts of the shared boxes.
namespace tarvok::ui {

inline constexpr char kCaptionWarning[] = "警告";
inline constexpr char kCaptionInformation[] = "情報";
inline constexpr char kCaptionConfirmation[] = "確認";
inline constexpr char kButtonOk[] = "OK";
inline constexpr char kButtonYes[] = "はい(&Y)";
inline constexpr char kButtonNo[] = "いいえ(&N)";

} // namespace tarvok::ui
