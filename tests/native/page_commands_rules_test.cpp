// The page-clear question checked once against the design, character for character.
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

} // namespace
} // namespace tarvok
