#include "settings/errors.h"
#include "settings/settings.h"
#include "tests/support/iconv_codec.h"

#include <gtest/gtest.h>

#include <climits>

using tarvok::IniModel;
using tarvok::Settings;

namespace {

const tarvok::test::IconvCodec codec;

Settings load(std::string_view bytes) {
    return Settings(IniModel::parse(bytes), codec);
}

TEST(SettingsInteger, AcceptsDecimalSignsAndTheThreeHexPrefixes) {
    using tarvok::parseSettingsInteger;
    EXPECT_EQ(parseSettingsInteger("1"), 1);
    EXPECT_EQ(parseSettingsInteger("0x1"), 1);
    EXPECT_EQ(parseSettingsInteger("$1"), 1);
    EXPECT_EQ(parseSettingsInteger("0X1f"), 31);
    EXPECT_EQ(parseSettingsInteger("$Ff"), 255);
    EXPECT_EQ(parseSettingsInteger("-2000"), -2000);
    EXPECT_EQ(parseSettingsInteger("+7"), 7);
    EXPECT_EQ(parseSettingsInteger("007"), 7);
    EXPECT_EQ(parseSettingsInteger("-$10"), -16);
    EXPECT_EQ(parseSettingsInteger("2147483647"), INT_MAX);
    EXPECT_EQ(parseSettingsInteger("-2147483648"), INT_MIN);
    EXPECT_EQ(parseSettingsInteger("$FFFFFFFF"), -1);
}

TEST(SettingsInteger, EverythingElseIsNoNumber) {
    using tarvok::parseSettingsInteger;
    for (const char* text : {"", "yes", "-", "$", "0x", "1.5", "1 2", "12a", "0x1g", "１",
                             "2147483648", "-2147483649", "$100000000", "99999999999999999999"}) {
        EXPECT_FALSE(parseSettingsInteger(text)) << text;
    }
}

TEST(SettingsRead, MissingSectionKeyOrNumberGivesTheDefault) {
    const auto s =
        load("[PG_KIND]\r\n1F2=0x1\r\n1F3=$1\r\n1F4=yes\r\n1F5=2\r\n1F6=\r\n[SEND_ADD]\r\n0=2\r\n");
    EXPECT_EQ(s.readInteger("PG_KIND", "1F2", 0), 1);
    EXPECT_EQ(s.readInteger("PG_KIND", "1F3", 0), 1);
    EXPECT_EQ(s.readInteger("PG_KIND", "1F4", 0), 0);
    EXPECT_EQ(s.readInteger("PG_KIND", "1F5", 0), 2);
    EXPECT_EQ(s.readInteger("PG_KIND", "1F6", 9), 9);
    EXPECT_EQ(s.readInteger("PG_KIND", "1F7", 9), 9);
    EXPECT_EQ(s.readInteger("Form", "TOP", 24), 24);
    EXPECT_TRUE(s.readBool("SEND_ADD", "0", false));
    EXPECT_TRUE(s.readBool("SEND_ADD", "1", true));
    EXPECT_EQ(s.readText("AP_NM", "1F2", "dflt"), "dflt");
}

TEST(SettingsRead, SectionCopyIsInFileOrderAndLookedUpFirstMatchIgnoringCase) {
    const auto s =
        load("[page_nm]\r\n2=second\r\nnoequals\r\n1=first\r\n1=shadowed\r\n3=\x95\x5C\r\n");
    const auto lines = s.readSection("PAGE_NM");
    EXPECT_EQ(lines,
              (std::vector<std::string>{"2=second", "noequals", "1=first", "1=shadowed", "3=表"}));
    EXPECT_EQ(tarvok::findInSection(lines, "1", codec), "first");
    EXPECT_EQ(tarvok::findInSection(lines, "3", codec), "表");
    EXPECT_EQ(tarvok::findInSection(lines, "noequals", codec), "");
    EXPECT_TRUE(s.readSection("missing").empty());
}

TEST(SettingsWrite, BlanksAreWrittenAndLostOnlyAtTheNextLoad) {
    auto s = load("");
    s.writeText("AP_NM", "1F2", "  abc  ");
    s.writeText("AP_NM", "1F3", "a=b");
    const auto bytes = s.model().serialize();
    EXPECT_EQ(bytes, "[AP_NM]\r\n1F2=  abc  \r\n1F3=a=b\r\n\r\n");
    const auto back = load(bytes);
    EXPECT_EQ(back.readText("AP_NM", "1F2"), "abc");
    EXPECT_EQ(back.readText("AP_NM", "1F3"), "a=b");
}

TEST(SettingsWrite, IntegersAndBooleansAreWrittenInTheirStoredForm) {
    auto s = load("[Form]\r\nleft=$10\r\n");
    s.writeInteger("Form", "LEFT", -2000);
    s.writeBool("SEND_ADD", "0", true);
    s.writeBool("SEND_ADD", "0", false);
    EXPECT_EQ(s.model().serialize(), "[Form]\r\nLEFT=-2000\r\n\r\n[SEND_ADD]\r\n0=0\r\n\r\n");
}

TEST(SettingsWrite, LineBreaksAreRefusedWithoutChangingAnything) {
    auto s = load("[AP_NM]\r\n1F2=keep\r\n");
    EXPECT_THROW(s.writeText("AP_NM", "1F2", "two\r\nlines"), tarvok::AppError);
    EXPECT_THROW(s.writeText("AP_NM", "1F2", "tab\nlf"), tarvok::AppError);
    EXPECT_FALSE(s.changed());
    EXPECT_EQ(s.model().serialize(), "[AP_NM]\r\n1F2=keep\r\n\r\n");
}

TEST(SettingsWrite, OnlyWritesMarkTheModelChanged) {
    auto s = load("[AP_NM]\r\n1F2=x\r\n");
    (void)s.readText("AP_NM", "1F2");
    (void)s.readSection("AP_NM");
    EXPECT_FALSE(s.changed());
    s.writeText("AP_NM", "1F2", "x");
    EXPECT_TRUE(s.changed());
}

} // namespace
