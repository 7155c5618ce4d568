// The picker's rules: what the user sees proposed, listed and joined.
#include "dialogs/file_picker_rules.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(PickerNames, AFileProposesItsNameWithoutTheLastExtension) {
    EXPECT_EQ(proposedName("C:\\windows\\notepad.exe"), "notepad");
    EXPECT_EQ(proposedName("D:\\src\\a.tar.gz"), "a.tar");
    EXPECT_EQ(proposedName("C:\\home\\.profile"), "");
    EXPECT_EQ(proposedName("C:\\Word.lnk"), "Word");
    EXPECT_EQ(proposedName("C:\\bin\\README"), "README");
    // A dot in a folder name is not an extension of the file.
    EXPECT_EQ(proposedName("C:\\v1.2\\tool"), "tool");
    EXPECT_EQ(proposedName("C:\\表計算　ｿﾌﾄ.EXE"), "表計算　ｿﾌﾄ");
}

TEST(PickerNames, ShortcutAndProgramExtensionsIgnoreCase) {
    EXPECT_TRUE(isShortcutPath("C:\\x\\Editor.LNK"));
    EXPECT_TRUE(isShortcutPath("C:\\x\\a.lnk"));
    EXPECT_FALSE(isShortcutPath("C:\\x.lnk\\a.txt"));
    EXPECT_FALSE(isShortcutPath("C:\\x\\lnk"));
    for (const char* name : {"a.exe", "B.COM", "c.Bat", "d.pif"}) {
        EXPECT_TRUE(isProgramName(name)) << name;
    }
    for (const char* name : {"a.txt", "exe", "a.exe.txt", "a.lnk"}) {
        EXPECT_FALSE(isProgramName(name)) << name;
    }
}

TEST(PickerPaths, JoiningNeverDoublesTheBackslashOfARoot) {
    EXPECT_EQ(joinPath("C:\\", "a.txt"), "C:\\a.txt");
    EXPECT_EQ(joinPath("C:\\dir", "a.txt"), "C:\\dir\\a.txt");
    EXPECT_EQ(joinPath("\\\\srv\\share\\", "b"), "\\\\srv\\share\\b");
    EXPECT_EQ(parentFolderOf("C:\\dir\\a.txt"), "C:\\dir");
    EXPECT_EQ(parentFolderOf("C:\\a.txt"), "C:\\");
    EXPECT_EQ(parentFolderOf("\\\\srv\\share\\a.txt"), "\\\\srv\\share\\");
    EXPECT_EQ(normalFolder("C:\\dir\\"), "C:\\dir");
    EXPECT_EQ(normalFolder("c:"), "c:\\");
    EXPECT_EQ(driveLetterOf("D:\\x"), 'd');
    EXPECT_EQ(driveLetterOf("\\\\srv\\share"), 0);
}

TEST(PickerPaths, LongPathsStayWhole) {
    std::string folder = "C:";
    for (int i = 0; i < 60; ++i) {
        folder += "\\folder" + std::to_string(i);
    }
    const std::string file = joinPath(folder, "name.exe");
    ASSERT_GT(file.size(), 512u);
    EXPECT_EQ(parentFolderOf(file), folder);
    EXPECT_EQ(folderRows(folder, {}).size(), 61u);
}

TEST(PickerFolderRows, ADeepPathListsRootAncestorsCurrentThenSortedSubfolders) {
    const auto rows = folderRows("C:\\Program Files\\ツール\\", {"zeta", "Alpha", "beta"});
    ASSERT_EQ(rows.size(), 6u);
    const std::vector<std::string> texts = {"C:\\",  "Program Files", "ツール",
                                            "Alpha", "beta",          "zeta"};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, texts[i]);
        EXPECT_EQ(rows[i].open, i < 3) << i;
        EXPECT_EQ(rows[i].level, i < 3 ? static_cast<int>(i) : 3) << i;
    }
    EXPECT_EQ(rows[0].path, "C:\\");
    EXPECT_EQ(rows[1].path, "C:\\Program Files");
    EXPECT_EQ(rows[2].path, "C:\\Program Files\\ツール");
    EXPECT_EQ(rows[3].path, "C:\\Program Files\\ツール\\Alpha");
    EXPECT_EQ(currentFolderRow(rows), 2u);
}

TEST(PickerFolderRows, ARootShowsItselfOpenAndItsSubfoldersOneLevelDown) {
    const auto rows = folderRows("Z:\\", {"usr", "etc"});
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].text, "Z:\\");
    EXPECT_EQ(rows[1].path, "Z:\\etc");
    EXPECT_EQ(rows[2].level, 1);
    EXPECT_EQ(currentFolderRow(rows), 0u);
    const auto share = folderRows("\\\\srv\\share\\docs", {});
    ASSERT_EQ(share.size(), 2u);
    EXPECT_EQ(share[0].text, "\\\\srv\\share\\");
    EXPECT_EQ(share[1].path, "\\\\srv\\share\\docs");
}

TEST(PickerMasks, FilterMasksMatchAsTheSystemsDoIgnoringCase) {
    const auto all = kPickerMasks[0], programs = kPickerMasks[1], shortcuts = kPickerMasks[2];
    for (const char* name : {"a.txt", "README", ".profile", "表.doc"}) {
        EXPECT_TRUE(matchesMask(name, all)) << name;
    }
    EXPECT_TRUE(matchesMask("NOTEPAD.EXE", programs));
    EXPECT_FALSE(matchesMask("notepad.exe.txt", programs));
    EXPECT_FALSE(matchesMask("exe", programs));
    EXPECT_TRUE(matchesMask("Editor.LNK", shortcuts));
    EXPECT_FALSE(matchesMask("a.lnk2", shortcuts));
    EXPECT_TRUE(matchesMask("ab表c.txt", "a?表?.t*"));
    EXPECT_FALSE(matchesMask("abc", "a?"));
}

TEST(PickerOrder, NamesSortWithoutRegardToCase) {
    std::vector<std::string> names = {"b.txt", "A.txt", "a.txt", "Ab", "表", "_x"};
    sortNames(names);
    EXPECT_EQ(names, (std::vector<std::string>{"_x", "A.txt", "a.txt", "Ab", "b.txt", "表"}));
}

TEST(PickerDrives, EntriesFollowTheDriveKind) {
    EXPECT_EQ(driveEntry('C', DriveKind::Fixed, "system", ""), "c: [system]");
    EXPECT_EQ(driveEntry('d', DriveKind::CdRom, "", ""), "d: []");
    EXPECT_EQ(driveEntry('r', DriveKind::RamDisk, "ram", ""), "r: [ram]");
    EXPECT_EQ(driveEntry('Z', DriveKind::Network, "ignored", "\\\\srv\\share"),
              "z: \\\\srv\\share");
    EXPECT_EQ(driveEntry('a', DriveKind::Removable, "floppy", ""), "a:");
}

} // namespace
} // namespace tarvok
