#pragma once

// Every text of the migration screen, by role.
namespace tarvok::text {

inline constexpr char kImportCaption[] = "旧ペルノからのデータの移行";
// The earlier version's data file: nine characters, one fewer than the settings file's name.
inline constexpr char kEarlierDataFile[] = "tarvok.in";
// Where the earlier version installed itself.
inline constexpr char kEarlierDefaultFolder[] = "C:\\Program Files\\Velquor\\tarvok1c\\";

// The two lines painted on the face. %s in the first is the data file's name.
inline constexpr char kImportHeading[] = "Ver.1.02以前のデータファイル（%s）の指定";
inline constexpr char kImportHint[] = "※ｾｯﾄｱｯﾌﾟ先が異なる場合は変更ﾎﾞﾀﾝで変更して下さい";
inline constexpr char kImportExLabel[] =
    "*EX版の方は変更ﾎﾞﾀﾝでﾌｫﾙﾀﾞを \\tarvok1e に変更して下さい(任意)";
inline constexpr char kImportChange[] = "変更...";
inline constexpr char kImportRun[] = "実行";

inline constexpr char kBrowseTitle[] = "以前のペルノのあるフォルダ　を選択して下さい";

// The data file lies in the program's own folder. %s is the data file's name; 元 is quoted
// with ASCII double quotes.
inline constexpr char kMsgSameFolder[] =
    "移行\"元\"として、旧データ（%s）のある\r\n\r\n別のフォルダ　を選択して下さい！";

// 実行 on a path whose folder is missing. %s is the folder, without a trailing backslash.
inline constexpr char kMsgMissingFolder[] = "指定した %s フォルダ \r\n\r\n が存在しません";
// 実行 on a path whose folder lacks the data file. %1 is the folder, without a trailing
// backslash, %2 the data file's name.
inline constexpr char kMsgMissingDataFile[] = "指定した %s フォルダには \r\n\r\n%s が存在しません";
// A browsed folder that lacks the data file. %1 is the folder as browsed, with its trailing
// backslash, %2 the data file's name.
inline constexpr char kMsgBrowsedFolderLacksDataFile[] =
    "%s フォルダには \r\n\r\n%s が存在しません";

inline constexpr char kAskMigrate[] =
    "指定したペルノのデータを新しいペルノに移行しますか？\r\n\r\n一度実行すると、実行前の状態に"
    "戻せません。\r\n\r\nデータの移行　を実行してもよろしいですか？";
inline constexpr char kMigrationDone[] =
    "お疲れ様でした。データの移行が完了しました。\r\n\r\n移行したデータを有効にする為、終了します。"
    "\r\n\r\n\r\nソフトを再起動して下さい。";

} // namespace tarvok::text
