#pragma once

// Texts of the settings store shown to the user. %s stands for the piece named beside it.
namespace tarvok::msg {

// %1 full path of the settings file, %2 the system's description of the cause.
inline constexpr char kFileCannotOpen[] = "ファイル \"%s\". %s は開けません";
inline constexpr char kFileCannotCreate[] = "ファイル \"%s\". %s を作成できません";

// A text the Shift_JIS settings file cannot hold is refused instead of being written mangled.
// %s is the text as entered. Both end in "。", so the box of unhandled errors adds no ".".
inline constexpr char kTextNotStorable[] =
    "「%s」には設定ファイルに保存できない文字が含まれています。";
// One settings line holds one value, so a value with a line break would split the record.
inline constexpr char kTextHasLineBreak[] = "「%s」には改行を含めることはできません。";

} // namespace tarvok::msg
