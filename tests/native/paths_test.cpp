// The rules for paths and file names: what the user sees proposed and joined, and the path
// parts the screens work with.
#include "settings/paths.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(FileNames, AFileProposesItsNameWithoutTheLastExtension) {
    EXPECT_EQ(proposedName("C:\\windows\\notepad.exe"), "notepad");
    EXPECT_EQ(proposedName("D:\\src\\a.tar.gz"), "a.tar");
    EXPECT_EQ(proposedName("C:\\home\\.profile"), "");
    EXPECT_EQ(proposedName("C:\\v1.2\\README"), "README") << "a dot in a folder is no extension";
    EXPECT_EQ(proposedName("C:\\表計算　ｿﾌﾄ.EXE"), "表計算　ｿﾌﾄ");
    EXPECT_EQ(proposedName("表 計算.v2.LNK"), "表 計算.v2");
    EXPECT_EQ(proposedName("Accessories"), "Accessories");
}

TEST(FileNames, AnItemTheShellCannotNameShowsItsLastComponentAndAShortcutNoLnk) {
    EXPECT_EQ(plainDisplayName("C:\\deep\\ﾒﾓ 表.txt"), "ﾒﾓ 表.txt");
    EXPECT_EQ(plainDisplayName("C:\\deep\\Editor.LNK"), "Editor");
    EXPECT_EQ(plainDisplayName("C:\\deep\\tools"), "tools");
    EXPECT_EQ(plainDisplayName("D:\\"), "D:\\");
}

TEST(FileNames, ShortcutAndProgramExtensionsIgnoreCase) {
    EXPECT_TRUE(isShortcutPath("C:\\x\\Editor.LNK"));
    EXPECT_FALSE(isShortcutPath("C:\\x.lnk\\a.txt"));
    EXPECT_TRUE(isShortcutPath("C:\\Programs\\ﾂｰﾙ\\a.Lnk"));
    for (const char* path : {"C:\\Programs\\desktop.ini", "C:\\Programs\\Site.url",
                             "C:\\Programs\\old.lnk.bak", "C:\\Programs\\lnk"}) {
        EXPECT_FALSE(isShortcutPath(path)) << path;
    }
    for (const char* name : {"a.exe", "B.COM", "c.Bat", "d.pif"}) {
        EXPECT_TRUE(isProgramName(name)) << name;
    }
    for (const char* name : {"a.txt", "exe", "a.exe.txt"}) {
        EXPECT_FALSE(isProgramName(name)) << name;
    }
}

TEST(PathParts, JoiningNeverDoublesTheBackslashOfARootAndKeepsLongPathsWhole) {
    EXPECT_EQ(joinPath("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(joinPath("C:\\dir", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(parentFolderOf("C:\\a.txt"), "C:\\");
    EXPECT_EQ(parentFolderOf("\\\\srv\\share\\a.txt"), "\\\\srv\\share\\");
    EXPECT_EQ(normalFolder("c:"), "c:\\");
    EXPECT_EQ(driveLetterOf("D:\\x"), 'd');
    std::string folder = "C:";
    for (int i = 0; i < 60; ++i) {
        folder += "\\folder" + std::to_string(i);
    }
    const std::string file = joinPath(folder, "name.exe");
    ASSERT_GT(file.size(), 512u);
    EXPECT_EQ(parentFolderOf(file), folder);
}

TEST(PathParts, FolderPartDropsTheLastComponentAndTrailingBackslashes) {
    EXPECT_EQ(folderPartOf("C:\\Program Files\\Velquor\\tarvok1c\\tarvok.in"),
              "C:\\Program Files\\Velquor\\tarvok1c");
    EXPECT_EQ(folderPartOf("C:\\tarvok.in"), "C:");
    EXPECT_EQ(folderPartOf("C:\\old\\\\tarvok.in"), "C:\\old");
    EXPECT_EQ(folderPartOf("C:\\old\\"), "C:\\old");
    EXPECT_EQ(folderPartOf("tarvok.in"), "");
    EXPECT_EQ(withOneBackslash("C:\\"), "C:\\");
    EXPECT_EQ(withOneBackslash("C:\\表\\old"), "C:\\表\\old\\");
}

TEST(ProgramFolder, HasExactlyOneTrailingBackslash) {
    EXPECT_EQ(programFolderOf("C:\\Tools\\tarvok.exe"), "C:\\Tools\\");
    EXPECT_EQ(programFolderOf("C:\\tarvok.exe"), "C:\\");
    EXPECT_EQ(programFolderOf("C:\\Tools\\\\tarvok.exe"), "C:\\Tools\\");
    EXPECT_EQ(programFolderOf("\\\\server\\share\\表\\tarvok.exe"), "\\\\server\\share\\表\\");
    EXPECT_EQ(settingsPathIn("C:\\"), "C:\\tarvok.ini");
}

} // namespace
} // namespace tarvok
