// The rules of the main menu's system commands and of the migration screen: which program
// the command prompt runs, where the desktop shortcut goes, path parts, and the messages
// joined from pieces, checked once against the design character for character.
#include "app/system_commands_rules.h"
#include "migration/migration_rules.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(CommandPrompt, OnlyThe9xFamilyGetsCommandComInTheWindowsFolder) {
    const auto old = commandPromptFor(1, "C:\\WINDOWS");
    EXPECT_EQ(old.fileName, "command.com");
    EXPECT_EQ(old.workingFolder, "C:\\WINDOWS");
    for (const auto id : {std::optional<unsigned long>{2}, std::optional<unsigned long>{0},
                          std::optional<unsigned long>{3}, std::optional<unsigned long>{}}) {
        const auto prompt = commandPromptFor(id, "C:\\WINDOWS");
        EXPECT_EQ(prompt.fileName, "cmd.exe");
        EXPECT_FALSE(prompt.workingFolder) << "the action keeps the folder it has";
    }
}

TEST(DesktopShortcut, IsNamedAfterTheApplicationTitleInsideTheFolder) {
    EXPECT_EQ(desktopShortcutPath("C:\\Users\\妙子\\Desktop"),
              "C:\\Users\\妙子\\Desktop\\ダルメDのペルノ COM.lnk");
    EXPECT_EQ(desktopShortcutPath("D:\\"), "D:\\ダルメDのペルノ COM.lnk");
}

TEST(SystemCommandTexts, MissingFileAndFailedShortcutAreJoinedFromTheirPieces) {
    EXPECT_EQ(notBesideProgramWarning("tarvok_00.html"),
              "このソフトと同じフォルダに tarvok_00.html が見つかりません");
    EXPECT_EQ(shortcutNotSavedWarning("C:\\d\\x.lnk", "アクセスが拒否されました。"),
              "ショートカットを作成できませんでした\r\n\r\nC:\\d\\x.lnk\r\n\r\n"
              "アクセスが拒否されました。");
}

TEST(MigrationPaths, TheScreenOpensOnTheEarlierVersionsDefaultDataFile) {
    EXPECT_EQ(defaultEarlierDataPath(), "C:\\Program Files\\Velquor\\tarvok1c\\tarvok.in");
}

TEST(MigrationTexts, WarningsAndTheHeadingAreJoinedFromTheirPieces) {
    EXPECT_EQ(importHeading(), "Ver.1.02以前のデータファイル（tarvok.in）の指定");
    EXPECT_EQ(
        sameFolderWarning(),
        "移行\"元\"として、旧データ（tarvok.in）のある\r\n\r\n別のフォルダ　を選択して下さい！");
    EXPECT_EQ(missingFolderWarning("C:\\Program Files\\Velquor\\tarvok1c"),
              "指定した C:\\Program Files\\Velquor\\tarvok1c フォルダ \r\n\r\n が存在しません");
    EXPECT_EQ(missingDataFileWarning("D:\\old"),
              "指定した D:\\old フォルダには \r\n\r\ntarvok.in が存在しません");
    EXPECT_EQ(browsedFolderLacksDataFile("D:\\old\\"),
              "D:\\old\\ フォルダには \r\n\r\ntarvok.in が存在しません");
}

} // namespace
} // namespace tarvok
