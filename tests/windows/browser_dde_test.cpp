// The browser conversation module against our stand-in.
#include "platform/dde.h"
#include "tests/windows/support/process.h"
#include "tests/windows/support/temp_dir.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

TEST(BrowserDde, AConversationReadsTheReplyAsShiftJisAndDisconnectsWhenItGoes) {
    test::TempDir dir;
    test::FakeBrowser browser(dir.file("b.log"), {"netscape"},
                              "--reply \"\\\"http://example.jp/\\\",\\\"日本のページ\\\"\"");
    BrowserDdeClient client;
    {
        const auto conversation = client.connect("netscape", "WWW_GetWindowInfo");
        ASSERT_TRUE(conversation);
        EXPECT_EQ(conversation->request("0xFFFFFFFF"), "\"http://example.jp/\",\"日本のページ\"");
    }
    ASSERT_TRUE(test::waitFor([&] { return browser.log().size() >= 3; }));
    EXPECT_EQ(browser.log(),
              (std::vector<std::string>{"connect|netscape|WWW_GetWindowInfo",
                                        "request|netscape|WWW_GetWindowInfo|0xFFFFFFFF|1",
                                        "disconnect|netscape"}));
}

TEST(BrowserDde, OneClientTalksToOneBrowserAfterAnother) {
    test::TempDir dir;
    test::FakeBrowser first(dir.file("1.log"), {"netscape6"});
    test::FakeBrowser second(dir.file("2.log"), {"Iexplore"});
    BrowserDdeClient client;
    ASSERT_TRUE(client.connect("netscape6", "WWW_GetWindowInfo"));
    const auto conversation = client.connect("Iexplore", "WWW_OpenURL");
    ASSERT_TRUE(conversation);
    EXPECT_EQ(conversation->request("http://x/"), "1");
    ASSERT_TRUE(test::waitFor([&] { return first.log().size() >= 2; }));
    EXPECT_EQ(first.log().back(), "disconnect|netscape6");
}

TEST(BrowserDde, AServiceNobodyServesFails) {
    BrowserDdeClient client;
    EXPECT_FALSE(client.connect("tarvok-no-such-browser", "WWW_OpenURL"));
}

TEST(BrowserDde, TopicsABrowserDoesNotKnowAreRefused) {
    test::TempDir dir;
    test::FakeBrowser browser(dir.file("b.log"), {"netscape"});
    BrowserDdeClient client;
    EXPECT_FALSE(client.connect("netscape", "WWW_Unknown"));
    EXPECT_EQ(browser.log().front(), "connect|netscape|WWW_Unknown|refused");
}

} // namespace
