// The page-clear question checked once against the design, character for character, and
// which dropped paths count as shortcuts.
#include "app/drop_rules.h"
#include "app/page_commands_rules.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(PageCommandTexts, ClearPageQuestionHoldsThePageNumberAndName) {
    EXPECT_EQ(clearPageQuestion(3, "ﾂｰﾙ 表"),
              "表示している\r\n\r\nページ番号： 3\r\nページネーム：　ﾂｰﾙ 表\r\n\r\n"
              "の\"すべての情報\"を消去してもよろしいですか？");
    // A page without a name: the ideographic space is followed by the line breaks.
    EXPECT_EQ(clearPageQuestion(5, ""),
              "表示している\r\n\r\nページ番号： 5\r\nページネーム：　\r\n\r\n"
              "の\"すべての情報\"を消去してもよろしいですか？");
}

TEST(DropRules, OnlyAnExtensionOfLnkInAnyCaseIsAShortcut) {
    for (const char* path : {"C:\\a\\Editor.lnk", "C:\\a\\EDITOR.LNK", "b.LnK", ".lnk"}) {
        EXPECT_TRUE(isShortcutPath(path)) << path;
    }
    for (const char* path :
         {"C:\\a.lnk\\file", "C:\\a\\x.lnk.txt", "C:\\a\\lnk", "x.lnkk", "x.ln", "C:\\表.ｌｎｋ"}) {
        EXPECT_FALSE(isShortcutPath(path)) << path;
    }
}

} // namespace
} // namespace tarvok
