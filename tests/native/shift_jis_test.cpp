// Shift_JIS specifics: the second byte of a double-byte character can be "\" or a Latin letter.
#include "settings/errors.h"
#include "settings/ini_model.h"
#include "settings/settings.h"
#include "tests/support/iconv_codec.h"

#include <gtest/gtest.h>

using tarvok::IniModel;
using tarvok::Settings;

namespace {

const tarvok::test::IconvCodec codec;

TEST(ShiftJisCase, TrailByteIsNeverFolded) {
    // 0x83 0x61 and 0x83 0x41 are two different katakana: a naive fold would make them equal.
    EXPECT_FALSE(tarvok::cp932EqualsIgnoreCase("\x83\x61", "\x83\x41"));
    EXPECT_TRUE(tarvok::cp932EqualsIgnoreCase("\x83\x61"
                                              "a",
                                              "\x83\x61"
                                              "A"));
    // Half-width kana are single bytes and are not letters.
    EXPECT_FALSE(tarvok::cp932EqualsIgnoreCase("\xB1", "\xB2"));
    EXPECT_TRUE(tarvok::cp932EqualsIgnoreCase("\xB1x", "\xB1X"));
    // A lead byte at the very end has no trail byte and is compared as a byte.
    EXPECT_FALSE(tarvok::cp932EqualsIgnoreCase("a\x83", "A\x84"));
}

TEST(ShiftJisCase, SectionsWhoseNamesDifferOnlyInATrailByteStaySeparate) {
    auto m = IniModel::parse("[\x83\x61]\r\nk=lower\r\n[\x83\x41]\r\nk=upper\r\n");
    EXPECT_EQ(m.find("\x83\x41", "K").value_or(""), "upper");
    EXPECT_EQ(m.find("\x83\x61", "k").value_or(""), "lower");
}

TEST(ShiftJisText, KeysAndValuesHoldingBackslashTrailBytesRoundTrip) {
    Settings s(IniModel{}, codec);
    s.writeText("AP_NM", "表", "ソフト表\\");
    s.writeText("AP_NM", "1F2", "C:\\表\\ソ");
    EXPECT_EQ(s.model().find("AP_NM", "\x95\x5C").value_or(""),
              "\x83\x5C\x83\x74\x83\x67\x95\x5C\\");

    Settings back(IniModel::parse(s.model().serialize()), codec);
    EXPECT_EQ(back.readText("ap_nm", "表"), "ソフト表\\");
    EXPECT_EQ(back.readText("AP_NM", "1f2"), "C:\\表\\ソ");
    // "ソ" (83 5C) is not "表" (95 5C) even though both end in "\".
    EXPECT_EQ(back.readText("AP_NM", "ソ", "none"), "none");
}

TEST(ShiftJisText, HalfWidthKanaAndIdeographicSpaceRoundTrip) {
    Settings s(IniModel{}, codec);
    const std::string caption = "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　テスト";
    s.writeText("AP_NM", "2F5", caption);
    EXPECT_EQ(s.model().find("AP_NM", "2F5")->substr(0, 3), "\xCC\xA7\xB2");
    Settings back(IniModel::parse(s.model().serialize()), codec);
    EXPECT_EQ(back.readText("AP_NM", "2F5"), caption);
}

TEST(ShiftJisText, InvalidBytesReadAsAMarkButAreSavedUnchanged) {
    Settings s(IniModel::parse("[AP_NM]\r\n1F2=a\x81\r\n1F3=b\xFF\r\n"), codec);
    EXPECT_EQ(s.readText("AP_NM", "1F3"), "b・");
    s.writeText("AP_NM", "1F4", "c");
    EXPECT_EQ(s.model().serialize(), "[AP_NM]\r\n1F2=a\x81\r\n1F3=b\xFF\r\n1F4=c\r\n\r\n");
}

TEST(ShiftJisText, TextsWithoutAShiftJisCodeAreRefusedAndNothingChanges) {
    Settings s(IniModel::parse("[AP_NM]\r\n1F2=old\r\n"), codec);
    for (const std::string bad : {"😀", "한국어", "Ελληνικά€", "caf\xC3"}) {
        try {
            s.writeText("AP_NM", "1F2", bad);
            ADD_FAILURE() << "accepted " << bad;
        } catch (const tarvok::AppError& e) {
            EXPECT_NE(std::string(e.what()).find("保存できない文字"), std::string::npos);
        }
    }
    EXPECT_EQ(s.readText("AP_NM", "1F2"), "old");
    EXPECT_FALSE(s.changed());
}

} // namespace
