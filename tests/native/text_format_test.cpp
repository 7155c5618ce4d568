#include "settings/text_format.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

TEST(MessageAssembly, PiecesAreInsertedInOrderAndNeverExpandedAgain) {
    EXPECT_EQ(formatMessage("ファイル \"%s\". %s は開けません", {"C:\\a%s.ini", "アクセス拒否"}),
              "ファイル \"C:\\a%s.ini\". アクセス拒否 は開けません");
    EXPECT_EQ(formatMessage("%s and %s", {"one"}), "one and ");
    EXPECT_EQ(formatMessage("100%", {}), "100%");
}

TEST(MessageAssembly, FullStopFollowsOnlyCharactersThatSortAfterIt) {
    EXPECT_EQ(withClosingFullStop("Access denied"), "Access denied.");
    EXPECT_EQ(withClosingFullStop("ends."), "ends.");
    EXPECT_EQ(withClosingFullStop("(note)"), "(note)");                     // ")" sorts before "."
    EXPECT_EQ(withClosingFullStop("a-"), "a-");                             // "-" too
    EXPECT_EQ(withClosingFullStop("path/"), "path/.");                      // "/" sorts after "."
    EXPECT_EQ(withClosingFullStop("見つかりません。"), "見つかりません。"); // a full stop too
    EXPECT_EQ(withClosingFullStop("。です"), "。です.");
    EXPECT_EQ(withClosingFullStop("ｿ"), "ｿ.");
    EXPECT_EQ(withClosingFullStop(""), "");
}

} // namespace
