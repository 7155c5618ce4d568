// The shell services the screens share, against the real Wine shell: shortcut files made
// and resolved through the shell link object, special folders.
#include "platform/com.h"
#include "platform/files.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "settings/errors.h"
#include "tests/windows/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

TEST(ShellItems, AShortcutMadeHereResolvesToItsTargetWhateverTheCaseOfItsExtension) {
    ComApartment com;
    test::TempDir dir;
    const std::string target = dir.file("ﾂｰﾙ 表.exe");
    test::writeFileBytes(target, "MZ");
    const std::string link = dir.file("Editor.LNK");
    EXPECT_EQ(createShortcut(link, target), std::nullopt);
    ASSERT_TRUE(test::fileExists(link));
    const auto resolved = resolveShortcut(link, nullptr);
    ASSERT_TRUE(resolved.has_value());
    EXPECT_EQ(CompareStringOrdinal(widen(*resolved).c_str(), -1, widen(target).c_str(), -1, TRUE),
              CSTR_EQUAL)
        << *resolved;
    EXPECT_EQ(shellDisplayName(link), "Editor");
}

TEST(ShellItems, BrokenShortcutsResolveToNothingAndFailedSavesSayWhy) {
    ComApartment com;
    test::TempDir dir;
    const std::string junk = dir.file("junk.lnk");
    test::writeFileBytes(junk, "not a shortcut");
    EXPECT_EQ(resolveShortcut(junk, nullptr), std::nullopt);
    EXPECT_EQ(resolveShortcut(dir.file("missing.lnk"), nullptr), std::nullopt);
    const auto why = createShortcut(dir.file("no such folder\\x.lnk"), "C:\\windows\\notepad.exe");
    ASSERT_TRUE(why.has_value());
    EXPECT_FALSE(why->empty());
}

TEST(ShellItems, SpecialFoldersAreFoldersAndUnknownNumbersAreErrors) {
    ComApartment com;
    for (int csidl :
         {folder::kDesktop, folder::kPrograms, folder::kMyDocuments, folder::kDesktopDirectory}) {
        EXPECT_TRUE(folderExists(specialFolderPath(csidl))) << csidl;
    }
    EXPECT_THROW(specialFolderPath(0x7E), AppError);
}

} // namespace
