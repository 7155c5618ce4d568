// The picker's rules: what the user sees listed, filtered and sorted.
#include "dialogs/file_picker_rules.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(PickerFolderRows, RootAncestorsAndCurrentOpenThenSortedSubfoldersClosed) {
    const auto rows = folderRows("C:\\Program Files\\ツール\\", {"zeta", "Alpha", "beta"});
    const std::vector<std::string> texts = {"C:\\",  "Program Files", "ツール",
                                            "Alpha", "beta",          "zeta"};
    ASSERT_EQ(rows.size(), texts.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].text, texts[i]);
        EXPECT_EQ(rows[i].open, i < 3) << i;
        EXPECT_EQ(rows[i].level, std::min<int>(static_cast<int>(i), 3)) << i;
    }
    EXPECT_EQ(rows[2].path, "C:\\Program Files\\ツール");
    EXPECT_EQ(rows[3].path, "C:\\Program Files\\ツール\\Alpha");
    EXPECT_EQ(currentFolderRow(rows), 2u);

    const auto root = folderRows("Z:\\", {"usr"});
    ASSERT_EQ(root.size(), 2u);
    EXPECT_EQ(root[1].path, "Z:\\usr");
    EXPECT_EQ(currentFolderRow(root), 0u);
    EXPECT_EQ(folderRows("\\\\srv\\share\\docs", {}).front().text, "\\\\srv\\share\\");
}

TEST(PickerMasks, FilterMasksMatchAsTheSystemsDoIgnoringCase) {
    for (const char* name : {"a.txt", "README", ".profile", "表.doc"}) {
        EXPECT_TRUE(matchesMask(name, kPickerMasks[0])) << name;
    }
    EXPECT_TRUE(matchesMask("NOTEPAD.EXE", kPickerMasks[1]));
    EXPECT_FALSE(matchesMask("notepad.exe.txt", kPickerMasks[1]));
    EXPECT_TRUE(matchesMask("Editor.LNK", kPickerMasks[2]));
    EXPECT_FALSE(matchesMask("a.lnk2", kPickerMasks[2]));
    EXPECT_TRUE(matchesMask("ab表c.txt", "a?表?.t*"));
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
    EXPECT_EQ(driveEntry('z', DriveKind::Network, "x", "\\\\srv\\share"), "z: \\\\srv\\share");
    EXPECT_EQ(driveEntry('a', DriveKind::Removable, "floppy", ""), "a:");
}

} // namespace
} // namespace tarvok
