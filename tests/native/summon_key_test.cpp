#include "settings/summon_key.h"
#include "tests/support/iconv_codec.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

const test::IconvCodec codec;

Settings load(std::string_view bytes) {
    return Settings(IniModel::parse(bytes), codec);
}

TEST(SummonKeyText, EveryNamedKeyWithEveryModifierSetRoundTrips) {
    int named = 0;
    for (unsigned code = 1; code < 0x100; ++code) {
        for (unsigned modifiers = 1; modifiers <= (kModAlt | kModCtrl | kModShift | kModWin);
             ++modifiers) {
            const HotKey key{modifiers, code};
            const auto text = formatHotKey(key);
            if (!text) {
                break;
            }
            named += modifiers == 1;
            if (modifiers == kModShift) {
                EXPECT_EQ(parseHotKey(*text), std::nullopt) << *text << ": Shift alone";
            } else {
                EXPECT_EQ(parseHotKey(*text), key) << *text;
            }
        }
    }
    // At least every letter, digit and function key has a name.
    EXPECT_GE(named, 26 + 10 + 24);
}

TEST(SummonKeyText, IsWrittenInOneOrderAndReadInAnyCaseOrderAndSpacing) {
    EXPECT_EQ(formatHotKey(kDefaultSummonKey), "Ctrl+Alt+J");
    EXPECT_EQ(formatHotKey({kModWin | kModShift, 0x71}), "Shift+Win+F2");
    EXPECT_EQ(formatHotKey({kModCtrl | kModAlt | kModShift | kModWin, 0x22}),
              "Ctrl+Alt+Shift+Win+PageDown");
    const HotKey winShiftF2{kModWin | kModShift, 0x71};
    for (const char* text :
         {"Win+Shift+F2", "shift+win+f2", "  WIN +  Shift+F2 ", "Win+Win+Shift+F2"}) {
        EXPECT_EQ(parseHotKey(text), winShiftF2) << text;
    }
    EXPECT_EQ(parseHotKey("control+alt+j"), kDefaultSummonKey);
    EXPECT_EQ(parseHotKey("Ctrl+Alt+Escape"), (HotKey{kModCtrl | kModAlt, 0x1B}));
    EXPECT_EQ(formatHotKey({kModCtrl | kModAlt, 0x1B}), "Ctrl+Alt+Esc");
}

TEST(SummonKeyText, UnknownNamesMissingKeysAndModifiersAloneAreNotRead) {
    for (const char* text :
         {"", "J", "F2", "Shift+J", "Ctrl", "Ctrl+Alt", "Ctrl+Alt+", "+J", "Ctrl+Alt+JJ",
          "Ctrl+Alt+J+K", "Ctrl+J+Alt", "Ctrl+Alt+F25", "Ctrl+Alt+F0", "Ctrl+Alt+F02", "Hyper+J",
          "Ctrl+Alt+Ｊ", "Ctrl Alt J", "Ctrl+Alt+Num10"}) {
        EXPECT_EQ(parseHotKey(text), std::nullopt) << text;
    }
    // The input method's keys have no name: a combination with one cannot be written.
    EXPECT_EQ(formatHotKey({kModCtrl, 0x1C}), std::nullopt);
}

TEST(SummonKeySetting, NoValueIsTheDefaultEmptyIsOffAndAnUnreadableValueIsKeptForTheMessage) {
    EXPECT_EQ(readSummonKey(load("")).key, kDefaultSummonKey);
    EXPECT_EQ(readSummonKey(load("[Summon]\r\nKEY=\r\n")).key, std::nullopt);
    const auto hand = readSummonKey(load("[summon]\r\nkey= shift+ctrl+F9\r\n"));
    EXPECT_EQ(hand.key, (HotKey{kModCtrl | kModShift, 0x78}));
    EXPECT_EQ(hand.unreadable, "");
    const auto bad = readSummonKey(load("[Summon]\r\nKEY=Ctrl+Alt+Hyper\r\n"));
    EXPECT_EQ(bad.key, kDefaultSummonKey);
    EXPECT_EQ(bad.unreadable, "Ctrl+Alt+Hyper");
}

TEST(SummonKeySetting, IsWrittenInASectionOfItsOwnAfterWhatTheFileHeld) {
    auto settings = load("[Form]\r\nLEFT=1\r\n");
    writeSummonKey(settings, HotKey{kModCtrl | kModAlt, 'T'});
    EXPECT_EQ(settings.model().serialize(),
              "[Form]\r\nLEFT=1\r\n\r\n[Summon]\r\nKEY=Ctrl+Alt+T\r\n\r\n");
    writeSummonKey(settings, std::nullopt);
    EXPECT_EQ(readSummonKey(settings).key, std::nullopt);
    EXPECT_EQ(settings.model().serialize(), "[Form]\r\nLEFT=1\r\n\r\n[Summon]\r\nKEY=\r\n\r\n");
}

} // namespace
