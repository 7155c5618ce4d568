// The browser conversation module against our stand-in, in both connect modes.
#include "platform/dde.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

TEST(BrowserDde, AutomaticModeConnectsOnSetLinkAndReadsTheReplyAsShiftJis) {
    test::TempDir dir;
    test::FakeBrowser browser(dir.file("b.log"), {"netscape"},
                              "--reply \"\\\"http://example.jp/\\\",\\\"日本のページ\\\"\"");
    BrowserDdeClient client(BrowserDdeClient::Mode::Automatic);
    ASSERT_TRUE(client.setLink("netscape", "WWW_GetWindowInfo"));
    EXPECT_TRUE(client.isOpen());
    EXPECT_EQ(client.request("0xFFFFFFFF"), "\"http://example.jp/\",\"日本のページ\"");
    client.closeLink();
    EXPECT_FALSE(client.isOpen());
    ASSERT_TRUE(test::waitFor([&] { return browser.log().size() >= 3; }));
    EXPECT_EQ(browser.log(),
              (std::vector<std::string>{"connect|netscape|WWW_GetWindowInfo",
                                        "request|netscape|WWW_GetWindowInfo|0xFFFFFFFF|1",
                                        "disconnect|netscape"}));
}

TEST(BrowserDde, SettingANewLinkInAutomaticModeClosesTheOldConversation) {
    test::TempDir dir;
    test::FakeBrowser first(dir.file("1.log"), {"netscape6"});
    test::FakeBrowser second(dir.file("2.log"), {"Iexplore"});
    BrowserDdeClient client(BrowserDdeClient::Mode::Automatic);
    ASSERT_TRUE(client.setLink("netscape6", "WWW_GetWindowInfo"));
    ASSERT_TRUE(client.setLink("Iexplore", "WWW_GetWindowInfo"));
    ASSERT_TRUE(test::waitFor([&] { return first.log().size() >= 2; }));
    EXPECT_EQ(first.log().back(), "disconnect|netscape6");
    EXPECT_EQ(second.log(), std::vector<std::string>{"connect|Iexplore|WWW_GetWindowInfo"});
}

TEST(BrowserDde, ManualModeOnlyRecordsTheLinkUntilOpened) {
    test::TempDir dir;
    test::FakeBrowser browser(dir.file("b.log"), {"netscape"});
    BrowserDdeClient client(BrowserDdeClient::Mode::Manual);
    EXPECT_FALSE(client.setLink("netscape", "WWW_OpenURL"));
    // The browser logs a connect before it answers it: one tried by setLink is logged by now.
    EXPECT_TRUE(browser.log().empty());
    EXPECT_EQ(client.request("http://x/"), "") << "no conversation, no request";
    ASSERT_TRUE(client.openLink());
    EXPECT_EQ(client.request("http://x/"), "1");
}

TEST(BrowserDde, AServiceNobodyServesFailsAndLeavesTheClientClosed) {
    BrowserDdeClient client(BrowserDdeClient::Mode::Automatic);
    EXPECT_FALSE(client.setLink("tarvok-no-such-browser", "WWW_OpenURL"));
    EXPECT_FALSE(client.isOpen());
    EXPECT_EQ(client.request("x"), "");
}

TEST(BrowserDde, TopicsABrowserDoesNotKnowAreRefused) {
    test::TempDir dir;
    test::FakeBrowser browser(dir.file("b.log"), {"netscape"});
    BrowserDdeClient client(BrowserDdeClient::Mode::Automatic);
    EXPECT_FALSE(client.setLink("netscape", "WWW_Unknown"));
    EXPECT_EQ(browser.log().front(), "connect|netscape|WWW_Unknown|refused");
}

} // namespace
