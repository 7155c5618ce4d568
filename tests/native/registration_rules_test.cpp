// The rules of the start-menu picker and the home-page dialog that need no window.
#include "dialogs/address_dialog_rules.h"
#include "dialogs/start_menu_picker_rules.h"

#include <gtest/gtest.h>

#include <cctype>

namespace tarvok {
namespace {

TEST(StartMenuRules, ProposedNameDropsOnlyTheLastExtension) {
    EXPECT_EQ(proposedButtonName("Notepad.lnk"), "Notepad");
    EXPECT_EQ(proposedButtonName("表 計算.v2.LNK"), "表 計算.v2");
    EXPECT_EQ(proposedButtonName("Accessories"), "Accessories");
    EXPECT_EQ(proposedButtonName(".hidden"), "");
}

TEST(StartMenuRules, OnlyShortcutExtensionsInAnyCaseAreShortcuts) {
    EXPECT_TRUE(hasShortcutExtension("C:\\Programs\\Editor.LNK"));
    EXPECT_TRUE(hasShortcutExtension("C:\\Programs\\ﾂｰﾙ\\a.Lnk"));
    EXPECT_FALSE(hasShortcutExtension("C:\\Programs\\desktop.ini"));
    EXPECT_FALSE(hasShortcutExtension("C:\\Programs\\Site.url"));
    EXPECT_FALSE(hasShortcutExtension("C:\\Programs\\old.lnk.bak"));
    EXPECT_FALSE(hasShortcutExtension("C:\\a.lnk\\Readme"));
    EXPECT_FALSE(hasShortcutExtension("C:\\Programs\\lnk"));
}

TEST(StartMenuRules, PathsJoinWithOneBackslash) {
    EXPECT_EQ(joinPath("C:\\Programs", "Accessories\\Notepad.lnk"),
              "C:\\Programs\\Accessories\\Notepad.lnk");
    EXPECT_EQ(joinPath("C:\\", "a.lnk"), "C:\\a.lnk");
}

TEST(StartMenuRules, EntriesFollowTheComparisonFoldersAndFilesMixedTiesInListedOrder) {
    const std::vector<std::string> captions{"b.lnk", "Tools", "a.lnk", "B.LNK", "c"};
    // Case-blind, as a locale comparison may be: "b.lnk" and "B.LNK" tie.
    const auto caseBlind = [](std::string x, std::string y) {
        for (auto* s : {&x, &y}) {
            for (auto& c : *s) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
        }
        return x.compare(y);
    };
    std::vector<std::string> shown;
    for (auto i : captionOrder(captions, caseBlind)) {
        shown.push_back(captions[i]);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"a.lnk", "b.lnk", "B.LNK", "c", "Tools"}));
}

TEST(BrowserReply, FieldsAreQuotedTextsAndCommasInsideThemBelongToThem) {
    const auto two = parseWindowInfoReply(R"("http://a.jp/x?p=1,2","Top, news")");
    EXPECT_EQ(two.address, "http://a.jp/x?p=1,2");
    EXPECT_EQ(two.title, "Top, news");
    const auto three = parseWindowInfoReply(R"("ab","cd","Netscape")");
    EXPECT_EQ(three.address, "ab");
    EXPECT_EQ(three.title, "cd");
    const auto one = parseWindowInfoReply("\"mailto:a@b.jp\"\r\n");
    EXPECT_EQ(one.address, "mailto:a@b.jp");
    EXPECT_EQ(one.title, "");
    const auto quoteInTitle = parseWindowInfoReply(R"("u","say "hi" now")");
    EXPECT_EQ(quoteInTitle.title, R"(say "hi" now)");
    const std::string longAddress = "http://example.jp/" + std::string(600, 'x');
    EXPECT_EQ(parseWindowInfoReply("\"" + longAddress + "\",\"t\"").address, longAddress);
}

TEST(BrowserReply, RepliesThatAreNotQuotedFieldsGiveNothing) {
    for (const char* reply : {"", "http://a.jp/,title", "1", "\"unclosed,", "\"\",\"\""}) {
        const auto info = parseWindowInfoReply(reply);
        EXPECT_EQ(info.address, "") << reply;
        EXPECT_EQ(info.title, "") << reply;
    }
    EXPECT_EQ(parseWindowInfoReply(R"("a",broken)").title, "");
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
