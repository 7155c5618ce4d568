// The rules of the home-page dialog that need no window.
#include "dialogs/address_dialog_rules.h"

#include <gtest/gtest.h>

namespace tarvok {
namespace {

using Fields = std::pair<std::string, std::string>; // address, title

Fields fields(std::string_view reply) {
    const auto info = parseWindowInfoReply(reply);
    return {info.address, info.title};
}

TEST(BrowserReply, FieldsAreQuotedTextsAndCommasInsideThemBelongToThem) {
    EXPECT_EQ(fields(R"("http://a.jp/x?p=1,2","Top, news")"),
              Fields("http://a.jp/x?p=1,2", "Top, news"));
    EXPECT_EQ(fields(R"("ab","cd","Netscape")"), Fields("ab", "cd"));
    EXPECT_EQ(fields("\"mailto:a@b.jp\"\r\n"), Fields("mailto:a@b.jp", ""));
    EXPECT_EQ(fields(R"("u","say "hi" now")"), Fields("u", R"(say "hi" now)"));
    const std::string longAddress = "http://example.jp/" + std::string(600, 'x');
    EXPECT_EQ(fields("\"" + longAddress + "\",\"t\"").first, longAddress);
}

TEST(BrowserReply, RepliesThatAreNotQuotedFieldsGiveNothing) {
    for (const char* reply : {"", "http://a.jp/,title", "1", "\"unclosed,", "\"\",\"\""}) {
        EXPECT_EQ(fields(reply), Fields()) << reply;
    }
    EXPECT_EQ(fields(R"("a",broken)"), Fields("a", ""));
}

TEST(BrowserCaptions, TitlesAreTheTextBeforeEachBrowsersMarker) {
    EXPECT_EQ(internetExplorerTitle("Start - Microsoft Internet Explorer - more"), "Start");
    EXPECT_EQ(internetExplorerTitle(" - Microsoft Internet"), "");
    EXPECT_EQ(internetExplorerTitle("Start - Internet Explorer"), "");
    EXPECT_EQ(netscapeTitle("Start - Netscape 6"), "Start");
    EXPECT_EQ(netscapeTitle("a - Netscape - b - Netscape"), "a");
    EXPECT_EQ(netscapeTitle(" - Netscape"), "");
    EXPECT_EQ(netscapeTitle("Start - Mozilla"), std::nullopt);
}

} // namespace
} // namespace tarvok
