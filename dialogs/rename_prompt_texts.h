#pragma once

// Texts of the prompt for a button's new name.
namespace tarvok::text {

inline constexpr char kRenameCaption[] = "名前の変更";
inline constexpr char kRenamePrompt[] = "ボタン名を入力して下さい";

} // namespace tarvok::text
