// Texts the screens join from pieces: checked once here against the design, character for
// character (ideographic spaces, line breaks).
#include "app/slot_menu_rules.h"
#include "app/texts.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

TEST(SlotMenuTexts, ReplaceQuestionIsJoinedFromItsNinePieces) {
    EXPECT_EQ(replaceQuestion(text::kAskReplaceAddressHead, "ホーム", "ﾌﾟﾛｸﾞﾗﾑの登録/変更"),
              "既にﾎｰﾑﾍﾟｰｼﾞ/ﾒｰﾙｱﾄﾞﾚｽとして\r\n\r\n　ホーム\r\n\r\nが設定されていますが、\r\n\r\n"
              "　ﾌﾟﾛｸﾞﾗﾑの登録/変更\r\n\r\nをされますか？");
    EXPECT_EQ(replaceQuestion(text::kAskReplaceProgramHead, "", "x"),
              "既にプログラム(ファイル／フォルダ)として\r\n\r\n　\r\n\r\nが設定されていますが、"
              "\r\n\r\n　x\r\n\r\nをされますか？");
}

TEST(SlotMenuTexts, ClearQuestionHoldsTheCaptionBetweenItsPieces) {
    EXPECT_EQ(clearSlotQuestion("メモ帳"), "このボタンに設定している　\r\n\r\n　　メモ帳\r\n\r\n"
                                           "の情報を消去してもよろしいですか？");
}

} // namespace
} // namespace tarvok
