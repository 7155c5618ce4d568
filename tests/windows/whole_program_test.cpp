// The real program, started in a temporary program folder with a prepared settings file,
// driven from outside the way a user's keyboard and mouse would drive it.
#include "platform/message_box.h"
#include "platform/text.h"
#include "tests/windows/support/launcher.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

using test::Launcher;
using test::sjis;

TEST(EndToEnd, ShowsThePreparedPagesTurnsThemAndStoresThePositionOnClose) {
    test::TempDir dir;
    const std::string settings =
        "[PG_KIND]\r\n1F2=1\r\n2F3=0\r\n[AP_NM]\r\n1F2=" + sjis("表計算　ｿﾌﾄ") +
        "\r\n2F3=" + sjis("ホーム") +
        "\r\n5F11=x\r\n[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n"
        "[URL_KIND]\r\n2F3=1\r\n[URL]\r\n2F3=http://example.jp/\r\n"
        "[Form]\r\nLEFT=50\r\nTOP=70\r\n";
    Launcher app(dir, settings);
    ASSERT_NE(app.window(), nullptr);
    EXPECT_EQ(test::windowText(app.window()), "ダルメDのペルノ COM");
    RECT r{};
    GetWindowRect(app.window(), &r);
    EXPECT_EQ(r.left, 50);
    EXPECT_EQ(r.top, 70);
    EXPECT_EQ(app.caption(2), "表計算　ｿﾌﾄ");
    EXPECT_EQ(app.caption(3), "");
    EXPECT_EQ(app.pageDown(), 1);

    ASSERT_TRUE(app.turnTo(VK_F12, 2));
    EXPECT_EQ(app.caption(2), "");
    EXPECT_EQ(app.caption(3), "ホーム");
    ASSERT_TRUE(app.turnTo(VK_F1, 1));
    EXPECT_EQ(app.caption(2), "表計算　ｿﾌﾄ");

    SetWindowPos(app.window(), nullptr, 210, 130, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(app.closeAndWait());
    EXPECT_EQ(app.process().exitCode(), 0u);
    const auto saved = test::readFileBytes(dir.file("tarvok.ini"));
    EXPECT_NE(saved.find("[Form]\r\nLEFT=210\r\nTOP=130\r\n"), std::string::npos) << saved;
    // The Japanese caption survives the round trip byte for byte.
    EXPECT_NE(saved.find("1F2=" + sjis("表計算　ｿﾌﾄ") + "\r\n"), std::string::npos);
}

TEST(EndToEnd, F5OnPageTwoAndAClickStartTheRegisteredProgram) {
    test::TempDir dir;
    const std::string folder = dir.file("ﾂｰﾙ 表");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    const std::string marker = folder + "\\marker.exe";
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(marker).c_str(), FALSE);
    const std::string log = folder + "\\marker.log";
    Launcher app(
        dir,
        "[PG_KIND]\r\n2F5=1\r\n4F10=1\r\n[AP_NM]\r\n2F5=marker\r\n4F10=ten\r\n[LINK_PATH]\r\n2F5=" +
            sjis(marker) + "\r\n4F10=" + sjis(marker) + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    app.key(VK_F5);
    // The page turns once F5 has been handled, and a program it started is counted from then.
    ASSERT_TRUE(app.turnTo(VK_F12, 2));
    EXPECT_EQ(app.process().processesStarted(), 1) << "F5 on page 1 is an empty slot";
    app.key(VK_F5);
    ASSERT_TRUE(test::waitFor([&] { return test::fileExists(log); }));
    SendMessageW(app.slot(5), BM_CLICK, 0, 0);
    const auto count = [&] { return test::markerStarts(log); };
    ASSERT_TRUE(test::waitFor([&] { return count() == 2; }));
    // F10 arrives as a system key and launches 4F10 like any other key.
    ASSERT_TRUE(app.turnTo(VK_F12, 3));
    ASSERT_TRUE(app.turnTo(VK_F12, 4));
    app.key(VK_F10, true);
    ASSERT_TRUE(test::waitFor([&] { return count() == 3; }));
    EXPECT_EQ(app.box(), nullptr);
    EXPECT_TRUE(app.closeAndWait());
}

TEST(EndToEnd, StartRemovesTemporaryFilesOfCrashedSavesButNotOneBeingWritten) {
    test::TempDir dir;
    const auto crashed = dir.file("tarvok.ini.4242-1-777.tmp");
    const auto olderBuild = dir.file("tarvok.ini.tmp");
    const auto writing = dir.file("tarvok.ini.4343-2-888.tmp");
    const auto notOurs = dir.file("tarvok.ini.backup.tmp");
    for (const auto& file : {crashed, olderBuild, writing, notOurs}) {
        test::writeFileBytes(file, "[Form]\r\n");
    }
    // Open without sharing, as another copy's save holds its temporary file.
    HANDLE held = CreateFileW(widen(writing).c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    Launcher app(dir, "[Form]\r\nLEFT=1\r\n");
    ASSERT_NE(app.window(), nullptr);
    // Tidied once the window is on the screen.
    EXPECT_TRUE(
        test::waitFor([&] { return !test::fileExists(crashed) && !test::fileExists(olderBuild); }));
    EXPECT_TRUE(test::fileExists(writing));
    EXPECT_TRUE(test::fileExists(notOurs));
    CloseHandle(held);
    EXPECT_TRUE(app.closeAndWait());
}

TEST(EndToEnd, ADeletedProgramGivesTheWarningWithItsFullPath) {
    test::TempDir dir;
    const std::string path = dir.file("deleted.exe");
    Launcher app(dir,
                 "[PG_KIND]\r\n1F3=1\r\n[AP_NM]\r\n1F3=old\r\n[LINK_PATH]\r\n1F3=" + path + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    test::postKey(app.window(), VK_F3);
    HWND box = nullptr;
    ASSERT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
    EXPECT_EQ(test::windowText(box), "警告");
    EXPECT_EQ(test::windowText(GetDlgItem(box, kBoxTextId)),
              "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　" + path + "　がありません");
    EXPECT_EQ(test::windowText(GetDlgItem(box, IDOK)), "OK");
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(test::waitFor([&] { return app.box() == nullptr; }));
    EXPECT_TRUE(app.closeAndWait());
}

TEST(EndToEnd, AFolderSlotOpensTheFolder) {
    test::TempDir dir;
    const std::string folder = dir.file("opened folder");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    Launcher app(dir,
                 "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=f\r\n[LINK_PATH]\r\n1F2=" + folder + "\r\n");
    ASSERT_NE(app.window(), nullptr);
    app.key(VK_F2);
    // The shell's folder window comes from another process and names the folder.
    HWND shown = nullptr;
    const bool found = test::waitFor(
        [&] {
            EnumWindows(
                [](HWND h, LPARAM out) -> BOOL {
                    if (IsWindowVisible(h) &&
                        test::windowText(h).find("opened folder") != std::string::npos) {
                        *reinterpret_cast<HWND*>(out) = h;
                        return FALSE;
                    }
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&shown));
            return shown != nullptr;
        },
        10000);
    ASSERT_TRUE(found) << "no folder window appeared";
    PostMessageW(shown, WM_CLOSE, 0, 0);
    EXPECT_EQ(app.box(), nullptr);
    EXPECT_TRUE(app.closeAndWait());
}

} // namespace
