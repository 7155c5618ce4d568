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
inline constexpr char kPickerRegisterFolder[] = "ﾌｫﾙﾀﾞ登録";

// Drive box entries. %1 is the drive letter; for fixed, CD-ROM and RAM drives %2 is the
// volume label in brackets (kVolumeLabel, whose %s is the label), for network drives the
// remote name; other drives show the letter alone.
inline constexpr char kDriveWithDetail[] = "%s: %s";
inline constexpr char kVolumeLabel[] = "[%s]";
inline constexpr char kDriveAlone[] = "%s:";

inline constexpr char kMsgNoFileSelected[] = "ファイルが選択されていません";

} // namespace tarvok::text
