#include "settings/ini_model.h"

#include <gtest/gtest.h>

using tarvok::IniModel;

namespace {

std::string roundTrip(std::string_view bytes) {
    return IniModel::parse(bytes).serialize();
}

TEST(IniLoad, SplitsAtEveryKindOfLineBreak) {
    const auto m = IniModel::parse("[A]\r\na=1\rb=2\nc=3\r\n\r\nd=4");
    ASSERT_EQ(m.sections().size(), 1u);
    EXPECT_EQ(m.sections()[0].lines, (std::vector<std::string>{"a=1", "b=2", "c=3", "d=4"}));
}

TEST(IniLoad, NulEndsTheText) {
    const std::string bytes("[A]\r\na=1\r\n\0b=2\r\n", 17);
    const auto m = IniModel::parse(bytes);
    EXPECT_EQ(m.find("A", "a").value_or("?"), "1");
    EXPECT_FALSE(m.find("A", "b"));
}

TEST(IniLoad, TrimsControlsAndBlanksAroundLinesKeysAndValues) {
    const auto m = IniModel::parse("\t [AP_NM] \x01\r\n  1F2 = abc \t\r\n\x1f"
                                   "2F3=\x7f"
                                   "x\r\n");
    EXPECT_EQ(m.sections()[0].name, "AP_NM");
    // 0x7F is above the trimmed range and stays part of the value.
    EXPECT_EQ(m.sections()[0].lines, (std::vector<std::string>{"1F2=abc", "2F3=\x7f"
                                                                          "x"}));
}

TEST(IniLoad, SkipsCommentsEmptyLinesAndLinesBeforeTheFirstSection) {
    const auto m = IniModel::parse("orphan=1\r\n; note\r\n\r\n[S]\r\n;a=1\r\n  ;b=2\r\nc=3\r\n");
    ASSERT_EQ(m.sections().size(), 1u);
    EXPECT_EQ(m.sections()[0].lines, std::vector<std::string>{"c=3"});
    EXPECT_EQ(roundTrip("orphan=1\r\n; note\r\n[S]\r\nc=3\r\n"), "[S]\r\nc=3\r\n\r\n");
}

TEST(IniLoad, HeaderNameIsTrimmedAndBracketsMustCloseTheLine) {
    const auto m = IniModel::parse("[ Form ]\r\nTOP=5\r\n[open\r\n");
    ASSERT_EQ(m.sections().size(), 1u);
    EXPECT_EQ(m.find("form", "top").value_or(""), "5");
    // "[open" is no header: it stays an entry line of Form that never matches a key.
    EXPECT_EQ(m.sections()[0].lines.back(), "[open");
}

TEST(IniLoad, DoubleByteCharacterEndingInBracketByteStartsNoSection) {
    // "[ゾ" and "[評価転" end in the byte 5D, the second half of "ゾ" and "転"; "[評]" is a
    // real header although its first character ends in 5D too.
    auto m = IniModel::parse("[AP_NM]\r\n[\x83\x5D\r\n[\x95\x5D\x89\xBF\x93\x5D\r\n1F2=x\r\n"
                             "[\x95\x5D]\r\n1F3=y\r\n");
    ASSERT_EQ(m.sections().size(), 2u);
    EXPECT_EQ(m.find("AP_NM", "1F2").value_or(""), "x");
    EXPECT_EQ(m.find("\x95\x5D", "1F3").value_or(""), "y");
    m.set("AP_NM", "1F2", "z");
    EXPECT_EQ(m.serialize(), "[AP_NM]\r\n[\x83\x5D\r\n[\x95\x5D\x89\xBF\x93\x5D\r\n1F2=z\r\n\r\n"
                             "[\x95\x5D]\r\n1F3=y\r\n\r\n");
    // A section name ending in a lone first byte would swallow its own "]".
    EXPECT_THROW(m.set("\x83", "k", "v"), std::invalid_argument);
}

TEST(IniLoad, ByteOrderMarkBeforeTheFirstHeaderIsSkipped) {
    const auto m = IniModel::parse("\xEF\xBB\xBF[Form]\r\nTOP=5\r\n");
    EXPECT_EQ(m.find("Form", "TOP").value_or(""), "5");
    EXPECT_EQ(m.serialize(), "[Form]\r\nTOP=5\r\n\r\n");
}

TEST(IniLoad, ValueKeepsEverythingAfterTheFirstEquals) {
    const auto m = IniModel::parse("[AP_NM]\r\n1F2 = a=b \r\n");
    EXPECT_EQ(m.find("AP_NM", "1F2").value_or(""), "a=b");
}

TEST(IniLoad, LineWithoutEqualsIsKeptButNeverMatches) {
    const auto m = IniModel::parse("[AP_NM]\r\n1F2\r\n");
    EXPECT_FALSE(m.find("AP_NM", "1F2"));
    EXPECT_EQ(m.serialize(), "[AP_NM]\r\n1F2\r\n\r\n");
}

TEST(IniLoad, MatchesSectionsAndKeysIgnoringCase) {
    const auto m = IniModel::parse("[ap_nm]\r\n1f2=x\r\n");
    EXPECT_EQ(m.find("AP_NM", "1F2").value_or(""), "x");
    EXPECT_FALSE(m.find("AP_NM", "1F3"));
    EXPECT_FALSE(m.find("AP_N", "1f2"));
}

TEST(IniDuplicates, FirstSectionAndFirstKeyAreReadAndWritten) {
    auto m = IniModel::parse("[S]\r\nk=1\r\nk=2\r\n[T]\r\n[s]\r\nk=3\r\nonly=4\r\n");
    ASSERT_EQ(m.sections().size(), 3u);
    EXPECT_EQ(m.find("S", "k").value_or(""), "1");
    // A key only in the second section of a name is not seen: lookups stop at the first.
    EXPECT_FALSE(m.find("S", "only"));
    m.set("S", "K", "9");
    m.set("S", "only", "5");
    EXPECT_EQ(m.serialize(),
              "[S]\r\nK=9\r\nk=2\r\nonly=5\r\n\r\n[T]\r\n\r\n[s]\r\nk=3\r\nonly=4\r\n\r\n");
}

TEST(IniWrite, ReplacesInPlaceAppendsToSectionAndAppendsMissingSection) {
    auto m = IniModel::parse("[A]\r\nx=1\r\ny=2\r\n[B]\r\nz=3\r\n");
    m.set("a", "X", "10");
    m.set("A", "w", "");
    m.set("C", "v", "4");
    EXPECT_EQ(m.serialize(),
              "[A]\r\nX=10\r\ny=2\r\nw=\r\n\r\n[B]\r\nz=3\r\n\r\n[C]\r\nv=4\r\n\r\n");
}

TEST(IniWrite, RefusesLinesThatWouldNotReadBack) {
    IniModel m;
    EXPECT_THROW(m.set("S", "k", "a\r\nb"), std::invalid_argument);
    EXPECT_THROW(m.set("S", "k", std::string_view("a\0b", 3)), std::invalid_argument);
    EXPECT_THROW(m.set("S", "a=b", "c"), std::invalid_argument);
    EXPECT_TRUE(m.empty());
}

TEST(IniSave, EveryLineEndsWithCrLfAndEachSectionWithAnEmptyLine) {
    EXPECT_EQ(IniModel{}.serialize(), "");
    const auto saved = roundTrip("[Form]\nLEFT=24\nTOP=24");
    EXPECT_EQ(saved, "[Form]\r\nLEFT=24\r\nTOP=24\r\n\r\n");
    EXPECT_EQ(roundTrip("[Empty]"), "[Empty]\r\n\r\n");
}

TEST(IniSave, SecondSaveEqualsTheFirst) {
    const std::string messy = "\xEF\xBB\xBF junk\r\n[A]\r\n ; c\r\n k = v \r\n[A]\rq\n[]\n=x\n";
    const auto first = roundTrip(messy);
    EXPECT_EQ(roundTrip(first), first);
}

TEST(IniBytes, InvalidBytesAreKeptByteForByte) {
    // A lone lead byte, an undefined lead byte and bytes that are no Shift_JIS at all.
    const std::string line = "1F2=\x81\xFF\xA0\x85\x40\xFD\xFE\x80";
    const auto saved = roundTrip("[AP_NM]\r\n" + line + "\r\n");
    EXPECT_EQ(saved, "[AP_NM]\r\n" + line + "\r\n\r\n");
}

TEST(IniBytes, OnlyGarbageLoadsWithoutSectionsOrWithWhatItHappensToHold) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i) {
        garbage.push_back(static_cast<char>((i * 7919 + 13) % 256));
    }
    const auto first = roundTrip(garbage);
    EXPECT_EQ(roundTrip(first), first);
}

TEST(IniBytes, AMegabyteFileLoadsWhole) {
    std::string big = "[PG_KIND]\r\n";
    int n = 0;
    while (big.size() < 1'000'000) {
        big += "k" + std::to_string(n++) + "=1\r\n";
    }
    big += "[Form]\r\nTOP=7\r\n";
    const auto m = IniModel::parse(big);
    EXPECT_EQ(m.sections()[0].lines.size(), static_cast<std::size_t>(n));
    EXPECT_EQ(m.find("Form", "TOP").value_or(""), "7");
    EXPECT_EQ(m.find("PG_KIND", "k" + std::to_string(n - 1)).value_or(""), "1");
}

TEST(IniBytes, LongValuesAreKeptWhole) {
    const std::string path = "C:\\" + std::string(2000, 'a') + "\\x.exe";
    IniModel m;
    m.set("LINK_PATH", "1F2", path);
    EXPECT_EQ(IniModel::parse(m.serialize()).find("LINK_PATH", "1F2").value_or(""), path);
}

} // namespace
