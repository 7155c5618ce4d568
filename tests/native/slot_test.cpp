#include "settings/errors.h"
#include "settings/slot_keys.h"
#include "settings/slot_record.h"
#include "tests/support/full_file.h"
#include "tests/support/iconv_codec.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

const test::IconvCodec codec;

Settings fresh() {
    return Settings(IniModel{}, codec);
}
Settings load(std::string_view bytes) {
    return Settings(IniModel::parse(bytes), codec);
}

TEST(SlotKeys, FromPageAndKeyNumberButtonNameAndVirtualKey) {
    EXPECT_EQ(slotKey(1, 2), "1F2");
    EXPECT_EQ(slotKey(3, 10), "3F10");
    EXPECT_EQ(slotKeyFromButtonName(4, "SPD_BTNF10"), "4F10");
    EXPECT_EQ(slotKeyFromButtonName(2, "SPD_BTNF5"), "2F5");
    EXPECT_EQ(keyNameFromVirtualKey(113), "F2");
    EXPECT_EQ(keyNameFromVirtualKey(121), "F10");
    EXPECT_EQ(keyNameFromVirtualKey(122), "F11");
    EXPECT_EQ(slotKeyFromVirtualKey(4, 121), "4F10");
    // F1, F12, letters: no slot, so the launch reads defaults and beeps.
    for (int vk : {0, 112, 123, 65, 0x100 + 113}) {
        EXPECT_EQ(slotKeyFromVirtualKey(2, vk), "") << vk;
    }
}

TEST(Pages, TurningStopsWithABeepAtBothEnds) {
    EXPECT_EQ(previousPage(1).page, 1);
    EXPECT_TRUE(previousPage(1).beep);
    EXPECT_EQ(nextPage(5).page, 5);
    EXPECT_TRUE(nextPage(5).beep);

    int page = 1;
    for (int expected : {2, 3, 4, 5}) {
        const auto turn = nextPage(page);
        EXPECT_FALSE(turn.beep);
        EXPECT_EQ(turn.page, expected);
        page = turn.page;
    }
    EXPECT_TRUE(nextPage(page).beep);
    EXPECT_EQ(previousPage(3).page, 2);
    EXPECT_FALSE(previousPage(3).beep);
}

TEST(SlotState, ProgramKindWinsThenAddressKindOneElseEmpty) {
    EXPECT_EQ(slotState(1, 0), SlotState::Program);
    EXPECT_EQ(slotState(1, 1), SlotState::Program);
    EXPECT_EQ(slotState(2, 0), SlotState::Program);
    EXPECT_EQ(slotState(-1, 5), SlotState::Program);
    EXPECT_EQ(slotState(0, 1), SlotState::Address);
    EXPECT_EQ(slotState(0, 2), SlotState::Empty);
    EXPECT_EQ(slotState(0, 0), SlotState::Empty);
    // Registration asks for exactly 1: a stored 2 is shown as a program but not offered.
    EXPECT_TRUE(kindIsExactlyOne(1));
    EXPECT_FALSE(kindIsExactlyOne(2));
}

TEST(SlotRead, HexKindsAndMissingValuesFollowTheReadRules) {
    const auto s =
        load("[PG_KIND]\r\n1F2=$1\r\n[URL_KIND]\r\n1F2=1\r\n1F3=yes\r\n"
             "[AP_NM]\r\n1f2=\x83\x81\x83\x82\x92\xA0\r\n[LINK_PATH]\r\n1F2=C:\\a.exe\r\n");
    const auto r = readSlot(s, "1F2");
    EXPECT_EQ(r.state(), SlotState::Program);
    EXPECT_EQ(r.caption, "メモ帳");
    EXPECT_EQ(r.path, "C:\\a.exe");
    EXPECT_EQ(readSlot(s, "1F3").state(), SlotState::Empty);
    EXPECT_EQ(readSlot(s, "").state(), SlotState::Empty);
}

TEST(SlotWriters, RegistrationsWriteTheWholeRecordInOrder) {
    auto s = fresh();
    registerFile(s, "1F2", "メモ帳", "C:\\Windows\\notepad.exe");
    registerAddress(s, "1F3", "ホーム", "http://example.jp/");
    EXPECT_EQ(s.model().serialize(),
              "[PG_KIND]\r\n1F2=1\r\n1F3=0\r\n\r\n"
              "[AP_NM]\r\n1F2=\x83\x81\x83\x82\x92\xA0\r\n1F3=\x83z\x81[\x83\x80\r\n\r\n"
              "[LINK_PATH]\r\n1F2=C:\\Windows\\notepad.exe\r\n1F3=\r\n\r\n"
              "[URL_KIND]\r\n1F2=0\r\n1F3=1\r\n\r\n"
              "[URL]\r\n1F2=\r\n1F3=http://example.jp/\r\n\r\n");
    // An address on a fresh file: its own write order decides the section order.
    auto a = fresh();
    registerAddress(a, "1F2", "t", "mailto:a@b.jp");
    EXPECT_EQ(a.model().serialize(), "[PG_KIND]\r\n1F2=0\r\n\r\n[AP_NM]\r\n1F2=t\r\n\r\n"
                                     "[LINK_PATH]\r\n1F2=\r\n\r\n[URL_KIND]\r\n1F2=1\r\n\r\n"
                                     "[URL]\r\n1F2=mailto:a@b.jp\r\n\r\n");
    // Registering the other kind over a slot empties the text of the kind it had.
    registerFolder(s, "1F3", "f", "C:\\Data");
    EXPECT_EQ(readSlot(s, "1F3").url, "");
    EXPECT_EQ(readSlot(s, "1F3").state(), SlotState::Program);
}

TEST(SlotWriters, ARefusedCaptionOrPathWritesNothingOfTheRecord) {
    auto s = fresh();
    EXPECT_THROW(registerDrop(s, "1F2", "ok", "C:\\😀.exe"), AppError);
    EXPECT_THROW(registerStartMenuShortcut(s, "1F2", "한", "C:\\a.lnk"), AppError);
    EXPECT_THROW(registerAddress(s, "1F2", "t", "http://x/\r\n"), AppError);
    EXPECT_THROW(writePageNames(s, {"a", "b", "c", "d", "😀"}), AppError);
    EXPECT_FALSE(s.changed());
    EXPECT_TRUE(s.model().empty());
}

TEST(SlotWriters, ClearingKeepsEveryKeyWithEmptyOrZeroValues) {
    auto s = fresh();
    registerFile(s, "1F2", "a", "C:\\a.exe");
    clearSlot(s, "1F2");
    EXPECT_EQ(s.model().serialize(), "[PG_KIND]\r\n1F2=0\r\n\r\n[AP_NM]\r\n1F2=\r\n\r\n"
                                     "[LINK_PATH]\r\n1F2=\r\n\r\n[URL_KIND]\r\n1F2=0\r\n\r\n"
                                     "[URL]\r\n1F2=\r\n\r\n");
    // On a fresh file the clear order itself decides the section order.
    auto c = fresh();
    clearSlot(c, "2F2");
    const auto& sections = c.model().sections();
    ASSERT_EQ(sections.size(), 5u);
    EXPECT_EQ(sections[0].name, "AP_NM");
    EXPECT_EQ(sections[2].name, "PG_KIND");
    EXPECT_EQ(sections[4].name, "URL_KIND");
}

TEST(SlotWriters, RenameChangesTheCaptionAlone) {
    auto s = load("[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=old\r\n");
    renameSlot(s, "1F2", "新しい名前");
    EXPECT_EQ(s.readText("AP_NM", "1F2"), "新しい名前");
    EXPECT_EQ(s.model().sections().size(), 2u);
    auto e = fresh();
    renameSlot(e, "1F2", "empty slot");
    EXPECT_EQ(readSlot(e, "1F2").state(), SlotState::Empty);
}

TEST(SlotWriters, ClearPageClearsTenSlotsInKeyOrderThenThePageName) {
    auto s = load("[PAGE_NM]\r\n3=名前\r\n4=keep\r\n");
    test::fillCompleteSettings(s);
    clearPage(s, 3);
    for (int n = kFirstKeyNumber; n <= kLastKeyNumber; ++n) {
        EXPECT_EQ(readSlot(s, slotKey(3, n)).state(), SlotState::Empty);
        EXPECT_EQ(readSlot(s, slotKey(4, n)).state(), SlotState::Program);
    }
    EXPECT_EQ(readPageNames(s)[2], "");
    EXPECT_EQ(readPageNames(s)[3], "Web");

    auto order = fresh();
    clearPage(order, 2);
    const auto* apNm = order.model().findSection("AP_NM");
    ASSERT_NE(apNm, nullptr);
    EXPECT_EQ(apNm->lines.front(), "2F2=");
    EXPECT_EQ(apNm->lines.back(), "2F11=");
    EXPECT_EQ(order.model().sections().back().name, "PAGE_NM");
}

TEST(SlotWriters, PageNamesOptionAndPositionRoundTrip) {
    auto s = fresh();
    writePageNames(s, {"一", "", "ｻﾝ", "", "five"});
    writeSendAddress(s, true);
    writeWindowPosition(s, {-2000, 300});
    const auto bytes = s.model().serialize();
    EXPECT_NE(bytes.find("[Form]\r\nLEFT=-2000\r\nTOP=300\r\n"), std::string::npos);
    EXPECT_NE(bytes.find("[PAGE_NM]\r\n1=\x88\xEA\r\n2=\r\n3=\xBB\xDD\r\n4=\r\n5=five\r\n"),
              std::string::npos);
    const auto back = load(bytes);
    EXPECT_EQ(readPageNames(back), (PageNames{"一", "", "ｻﾝ", "", "five"}));
    EXPECT_TRUE(readSendAddress(back));
    EXPECT_EQ(readWindowPosition(back).left, -2000);
    EXPECT_EQ(readWindowPosition(back).top, 300);
}

TEST(SlotWriters, NoFileMeansDefaultsAndClosingWritesOnlyTheFormSection) {
    auto s = fresh();
    EXPECT_EQ(readWindowPosition(s).left, 24);
    EXPECT_EQ(readWindowPosition(s).top, 24);
    EXPECT_FALSE(readSendAddress(s));
    EXPECT_EQ(readPageNames(s), PageNames{});
    writeWindowPosition(s, readWindowPosition(s));
    EXPECT_EQ(s.model().serialize(), "[Form]\r\nLEFT=24\r\nTOP=24\r\n\r\n");
}

TEST(Migration, CopiesFiftyKeysPerSectionByteForByteThenNamesThenOption) {
    const std::string earlier =
        "[AP_NM]\r\n1F2=\x81\xFF\r\n5F11=last\r\n"
        "[PG_KIND]\r\n1f2=yes\r\n[PAGE_NM]\r\n2=p\r\n[SEND_ADD]\r\n0=$1\r\n";
    auto s = load("[Form]\r\nLEFT=5\r\n[AP_NM]\r\n3F3=overwritten\r\n");
    migrateFrom(s, IniModel::parse(earlier));
    const auto& m = s.model();
    EXPECT_EQ(m.find("AP_NM", "1F2").value_or(""), "\x81\xFF");
    EXPECT_EQ(m.find("AP_NM", "3F3").value_or("?"), "");
    EXPECT_EQ(m.find("PG_KIND", "1F2").value_or(""), "yes");
    EXPECT_EQ(m.find("LINK_PATH", "5F11").value_or("?"), "");
    EXPECT_EQ(m.find("SEND_ADD", "0").value_or(""), "1");
    EXPECT_EQ(m.find("Form", "LEFT").value_or(""), "5");
    const auto* pg = m.findSection("PG_KIND");
    ASSERT_NE(pg, nullptr);
    ASSERT_EQ(pg->lines.size(), 50u);
    EXPECT_EQ(pg->lines[0], "1F2=yes");
    EXPECT_EQ(pg->lines[9], "1F11=");
    EXPECT_EQ(pg->lines[10], "2F2=");
    std::vector<std::string> order;
    for (const auto& section : m.sections()) {
        order.push_back(section.name);
    }
    EXPECT_EQ(order, (std::vector<std::string>{"Form", "AP_NM", "PG_KIND", "LINK_PATH", "URL_KIND",
                                               "URL", "PAGE_NM", "SEND_ADD"}));
}

TEST(Migration, MissingOrNonNumericOptionBecomesOff) {
    for (const char* earlier : {"", "[SEND_ADD]\r\n0=yes\r\n", "[SEND_ADD]\r\n0=0\r\n"}) {
        auto s = fresh();
        migrateFrom(s, IniModel::parse(earlier));
        EXPECT_EQ(s.model().find("SEND_ADD", "0").value_or(""), "0") << earlier;
        EXPECT_EQ(readPageNames(s), PageNames{});
    }
}

} // namespace
