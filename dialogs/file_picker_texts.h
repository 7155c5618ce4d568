#pragma once

// Texts of the file and folder picker.
namespace tarvok::text {

// The caption the design gives the dialog; the slot menu always replaces it.
inline constexpr char kPickerDesignCaption[] = "F_EXESET";

inline constexpr char kPickerDriveLabel[] = "ドライブ名";
inline constexpr char kPickerFolderLabel[] = "フォルダ名：[ﾌｫﾙﾀﾞ登録]ボタンで登録";
inline constexpr char kPickerMyDocuments[] = "ﾏｲﾄﾞｷｭﾒﾝﾄ";
inline constexpr char kPickerDesktop[] = "ﾃﾞｽｸﾄｯﾌﾟ";
inline constexpr char kPickerFileLabel[] = "ファイル名：[ﾌｧｲﾙ登録]ﾎﾞﾀﾝで登録";
// The filter's caption and its three items, one per line.
inline constexpr char kPickerFilter[] = "ﾌｧｲﾙの種類\nすべて\nｱﾌﾟﾘｹｰｼｮﾝ\nｼｮｰﾄｶｯﾄ";
inline constexpr char kPickerNameLabel[] = "ボタン名(ﾌｫﾙﾀﾞ選択時の初期表示はﾊﾟｽ)";
inline constexpr char kPickerRegisterFile[] = "ﾌｧｲﾙ登録";
inline constexpr char kPickerCancel[] = "キャンセル";
inline constexpr char kPickerRegisterFolder[] = "ﾌｫﾙﾀﾞ登録";

// Drive box entries: the letter, then for fixed, CD-ROM and RAM drives the volume label in
// brackets, for network drives the remote name.
inline constexpr char kDriveWithDetail[] = "%s: %s";
inline constexpr char kVolumeLabel[] = "[%s]";

inline constexpr char kMsgPickerNameMissing[] = "ボタン名が未入力です";
inline constexpr char kMsgNoFileSelected[] = "ファイルが選択されていません";

} // namespace tarvok::text
