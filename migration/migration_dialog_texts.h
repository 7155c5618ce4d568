#pragma once

// Every text of the migration screen, by role.
namespace tarvok::text {

inline constexpr char kImportCaption[] = "旧ペルノからのデータの移行";
// The earlier version's data file: nine characters, one fewer than the settings file's name.
inline constexpr char kEarlierDataFile[] = "tarvok.in";
// Where the earlier version installed itself.
inline constexpr char kEarlierDefaultFolder[] = "C:\\Program Files\\Velquor\\tarvok1c\\";

// The two lines painted on the face: the first names the data file between its pieces.
inline constexpr char kImportHeadingHead[] = "Ver.1.02以前のデータファイル（";
inline constexpr char kImportHeadingTail[] = "）の指定";
inline constexpr char kImportHint[] = "※ｾｯﾄｱｯﾌﾟ先が異なる場合は変更ﾎﾞﾀﾝで変更して下さい";
inline constexpr char kImportExLabel[] =
    "*EX版の方は変更ﾎﾞﾀﾝでﾌｫﾙﾀﾞを \\tarvok1e に変更して下さい(任意)";
inline constexpr char kImportChange[] = "変更...";
inline constexpr char kImportRun[] = "実行";
inline constexpr char kImportCancel[] = "キャンセル";

inline constexpr char kBrowseTitle[] = "以前のペルノのあるフォルダ　を選択して下さい";

// The data file lies in the program's own folder: head, file name, middle, two line breaks,
// tail. The head quotes 元 with ASCII double quotes.
inline constexpr char kSameFolderHead[] = "移行\"元\"として、旧データ（";
inline constexpr char kSameFolderMiddle[] = "）のある";
inline constexpr char kSameFolderTail[] = "別のフォルダ　を選択して下さい！";

// A folder without the data file, or a path whose folder is missing: the folder stands
// between the pieces, the line breaks after the second piece.
inline constexpr char kNamedHead[] = "指定した ";
inline constexpr char kFolderWord[] = " フォルダ ";
inline constexpr char kFolderHasNo[] = " フォルダには ";
inline constexpr char kDoesNotExist[] = " が存在しません";

inline constexpr char kAskMigrate[] =
    "指定したペルノのデータを新しいペルノに移行しますか？\r\n\r\n一度実行すると、実行前の状態に"
    "戻せません。\r\n\r\nデータの移行　を実行してもよろしいですか？";
inline constexpr char kMigrationDone[] =
    "お疲れ様でした。データの移行が完了しました。\r\n\r\n移行したデータを有効にする為、終了します。"
    "\r\n\r\n\r\nソフトを再起動して下さい。";

} // namespace tarvok::text
