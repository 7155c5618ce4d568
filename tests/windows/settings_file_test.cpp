#include "app/slot_store.h"
#include "platform/cp932_codec.h"
#include "platform/settings_file.h"
#include "settings/errors.h"
#include "settings/slot_record.h"
#include "tests/windows/support/temp_dir.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <thread>

using namespace tarvok;
using test::TempDir;

namespace {

// Temporary files of saves that are still in the folder.
// Two copies of the launcher at work at once: `act(copy)` in two threads, copies 1 and 2. The
// number of AppErrors they raised.
int failuresOfTwoCopies(const std::function<void(int)>& act) {
    std::atomic<int> failures{0};
    const auto run = [&](int copy) {
        try {
            act(copy);
        } catch (const AppError&) {
            ++failures;
        }
    };
    std::thread first(run, 1);
    std::thread second(run, 2);
    first.join();
    second.join();
    return failures;
}

int temporaryFilesIn(const TempDir& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(dir.file("*.tmp").c_str(), &found);
    int n = 0;
    for (bool more = search != INVALID_HANDLE_VALUE; more; more = FindNextFileA(search, &found)) {
        ++n;
    }
    if (search != INVALID_HANDLE_VALUE) {
        FindClose(search);
    }
    return n;
}

TEST(WineEnvironment, RunsWithTheJapaneseCodePage) {
    // Without the ja_JP locale Wine silently runs in code page 1252 and every other
    // Shift_JIS result here would be meaningless.
    EXPECT_EQ(GetACP(), 932u);
}

TEST(SettingsFileLoad, MissingFileOrFolderGivesAnEmptyModel) {
    TempDir dir;
    EXPECT_TRUE(loadSettingsFile(dir.file("tarvok.ini")).empty());
    EXPECT_TRUE(loadSettingsFile(dir.file("no such folder\\tarvok.ini")).empty());
}

TEST(SettingsFileLoad, UnreadableFileRaisesTheOpenErrorWithPathAndCause) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    CreateDirectoryW(std::wstring(path.begin(), path.end()).c_str(), nullptr);
    try {
        loadSettingsFile(path);
        FAIL() << "a folder was read as the settings file";
    } catch (const AppError& e) {
        const std::string text = e.what();
        const std::string head = "ファイル \"" + path + "\". ";
        EXPECT_EQ(text.substr(0, head.size()), head);
        EXPECT_EQ(text.substr(text.size() - std::string(" は開けません").size()), " は開けません");
        EXPECT_GT(text.size(), head.size() + std::string(" は開けません").size()) << "no cause";
    }
}

TEST(SettingsFileLoad, FileLockedByAnotherWriterRaisesTheOpenError) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    test::writeFileBytes(path, "[Form]\r\nTOP=1\r\n");
    HANDLE lock = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_THROW(loadSettingsFile(path), AppError);
    CloseHandle(lock);
    EXPECT_EQ(loadSettingsFile(path).find("Form", "TOP").value_or(""), "1");
}

TEST(SettingsFileSave, ReplacesTheFileAndLeavesNoTemporaryFileBehind) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    test::writeFileBytes(path, "; comment\r\n[Form]\r\nLEFT=1\r\nTOP=2\r\n[Other]\r\nx=y\r\n");
    auto s = openSettings(path);
    writeWindowPosition(s, {100, -50});
    saveIfChanged(path, s);
    EXPECT_EQ(test::readFileBytes(path),
              "[Form]\r\nLEFT=100\r\nTOP=-50\r\n\r\n[Other]\r\nx=y\r\n\r\n");
    EXPECT_EQ(temporaryFilesIn(dir), 0);
}

TEST(SettingsFileSave, TwoCopiesSavingIntoOneFolderAllSucceedAndTheLastSaveWins) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    const auto settingsOf = [](int copy, int count) {
        IniModel m;
        for (int slot = 2; slot <= 11; ++slot) {
            m.set("AP_NM", std::to_string(copy) + "F" + std::to_string(slot), "caption");
        }
        m.set("Form", "LEFT", std::to_string(copy));
        m.set("Form", "TOP", std::to_string(count));
        return m;
    };
    EXPECT_EQ(failuresOfTwoCopies([&](int copy) {
                  for (int count = 0; count < 300; ++count) {
                      saveSettingsFile(path, settingsOf(copy, count));
                  }
              }),
              0);
    const auto saved = test::readFileBytes(path);
    EXPECT_TRUE(saved == settingsOf(1, 299).serialize() || saved == settingsOf(2, 299).serialize())
        << saved;
    EXPECT_EQ(temporaryFilesIn(dir), 0);
}

TEST(SettingsFileEdit, TwoCopiesRegisteringAtOnceKeepEveryRegistration) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    EXPECT_EQ(failuresOfTwoCopies([&](int page) {
                  SlotStore store(path); // each copy of the launcher has its own
                  for (int round = 0; round < 60; ++round) {
                      store.edit([&](Settings& s) {
                          registerFolder(s, std::to_string(page) + "F" + std::to_string(round), "f",
                                         "C:\\");
                      });
                  }
              }),
              0);
    const Settings after = openSettings(path);
    for (int page = 1; page <= 2; ++page) {
        for (int round = 0; round < 60; ++round) {
            EXPECT_EQ(readSlot(after, std::to_string(page) + "F" + std::to_string(round)).path,
                      "C:\\")
                << page << " " << round;
        }
    }
}

TEST(SettingsFileEdit, ALockHeldTooLongIsReportedAsAFailedSave) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    const SettingsLock held(path);
    try {
        const SettingsLock waiting(path, 50);
        ADD_FAILURE() << "the lock was had twice";
    } catch (const AppError& e) {
        EXPECT_NE(std::string(e.what()).find("を作成できません"), std::string::npos) << e.what();
    }
}

TEST(SettingsFileSave, ReadOnlyOperationsNeverTouchTheFile) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    const std::string original = "; keep me\r\n[AP_NM]\r\n1F2 = x\r\n";
    test::writeFileBytes(path, original);
    const auto s = openSettings(path);
    (void)readSlot(s, "1F2");
    saveIfChanged(path, s);
    EXPECT_EQ(test::readFileBytes(path), original);
}

class FailedSave : public ::testing::Test {
  protected:
    void expectCreateErrorAndOldFileKept(const std::string& path) {
        IniModel m;
        m.set("Form", "LEFT", "1");
        try {
            saveSettingsFile(path, m);
            FAIL() << "the save reported success";
        } catch (const AppError& e) {
            const std::string text = e.what();
            EXPECT_EQ(text.rfind("ファイル \"" + path + "\". ", 0), 0u) << text;
            EXPECT_NE(text.find(" を作成できません"), std::string::npos) << text;
        }
        EXPECT_EQ(temporaryFilesIn(dir), 0);
    }
    TempDir dir;
};

TEST_F(FailedSave, ReadOnlyTargetKeepsItsBytes) {
    const auto path = dir.file("tarvok.ini");
    const std::string original = "[AP_NM]\r\n1F2=\x95\x5C\r\n";
    test::writeFileBytes(path, original);
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    expectCreateErrorAndOldFileKept(path);
    EXPECT_EQ(test::readFileBytes(path), original);
}

TEST_F(FailedSave, DirectoryInThePlaceOfTheFileIsLeftAlone) {
    const auto path = dir.file("tarvok.ini");
    CreateDirectoryA(path.c_str(), nullptr);
    test::writeFileBytes(path + "\\inside.txt", "x");
    expectCreateErrorAndOldFileKept(path);
    EXPECT_EQ(test::readFileBytes(path + "\\inside.txt"), "x");
}

TEST_F(FailedSave, MissingFolderReportsTheCreateError) {
    expectCreateErrorAndOldFileKept(dir.file("gone\\tarvok.ini"));
}

TEST(SystemCodePage, JapaneseRoundTripThroughTheFile) {
    TempDir dir;
    const auto path = dir.file("tarvok.ini");
    {
        auto s = openSettings(path);
        registerFile(s, "2F5", "ﾒﾓ帳　表ソ", "C:\\表\\ソフト\\a.exe");
        writePageNames(s, {"仕事", "", "", "", "ｹﾞｰﾑ"});
        saveIfChanged(path, s);
    }
    const auto bytes = test::readFileBytes(path);
    EXPECT_NE(bytes.find("2F5=\xD2\xD3\x92\xA0\x81\x40\x95\x5C\x83\x5C\r\n"), std::string::npos);
    const auto s = openSettings(path);
    EXPECT_EQ(readSlot(s, "2f5").caption, "ﾒﾓ帳　表ソ");
    EXPECT_EQ(readSlot(s, "2F5").path, "C:\\表\\ソフト\\a.exe");
    EXPECT_EQ(readPageNames(s)[4], "ｹﾞｰﾑ");
}

TEST(SystemCodePage, RefusesWhatShiftJisCannotHoldAndAcceptsItsOwnExtensions) {
    const Codec& codec = systemCodec();
    EXPECT_FALSE(codec.encode("😀"));
    EXPECT_FALSE(codec.encode("한"));
    EXPECT_FALSE(codec.encode("\xC3")); // broken UTF-8
    // NEC and IBM extensions ("①", "髙") are part of code page 932 as Windows defines it.
    EXPECT_EQ(codec.encode("①髙").value_or(""), "\x87\x40\xFB\xFC");
    EXPECT_EQ(codec.decode("\x87\x40\xFB\xFC"), "①髙");
}

} // namespace
