// Launching from the main window in this process: the shell, the shell-run action and the
// browser conversations over DDE against our stand-in.
#include "app/texts.h"
#include "platform/cp932_codec.h"
#include "platform/settings_file.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "settings/text_format.h"
#include "tests/windows/support/main_window_fixture.h"
#include "tests/windows/support/process.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <thread>
#include <wrl/client.h>

using namespace tarvok;
using test::BoxAnswerer;
using test::FakeBrowser;

namespace {

const std::string kUrl = "http://example.jp/a b?q=1&r=\"x\"";

class LaunchTest : public test::MainWindowTest {
  protected:
    void SetUp() override {
        markerLog = dir.file("marker.log");
        SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", widen(markerLog).c_str());
    }
    void TearDown() override {
        test::MainWindowTest::TearDown();
        SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", nullptr);
    }
    // An address slot in 1F4 and the address-send option.
    void addressSlot(const std::string& url, bool send) {
        writeSettings(
            "[PG_KIND]\r\n1F4=0\r\n[AP_NM]\r\n1F4=home\r\n[URL_KIND]\r\n1F4=1\r\n[URL]\r\n1F4=" +
            url + "\r\n[SEND_ADD]\r\n0=" + (send ? "1" : "0") + "\r\n");
    }
    std::string markerLog;
};

void makeShortcut(const std::string& link, const std::string& target, const std::string& startIn) {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    {
        Microsoft::WRL::ComPtr<IShellLinkW> shortcut;
        Microsoft::WRL::ComPtr<IPersistFile> file;
        ASSERT_EQ(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_PPV_ARGS(&shortcut)),
                  S_OK);
        shortcut->SetPath(widen(target).c_str());
        shortcut->SetWorkingDirectory(widen(startIn).c_str());
        ASSERT_EQ(shortcut.As(&file), S_OK);
        ASSERT_EQ(file->Save(widen(link).c_str(), TRUE), S_OK);
    }
    CoUninitialize();
}

TEST_F(LaunchTest, EmptySlotsAndUnknownKindsOnlyBeep) {
    writeSettings("[PG_KIND]\r\n1F3=0\r\n[URL_KIND]\r\n1F3=2\r\n[URL]\r\n1F3=http://x/\r\n");
    BoxAnswerer answer;
    open();
    pressKey(VK_F2);
    pressKey(VK_F3);
    EXPECT_EQ(beeps, 2);
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(LaunchTest, EmptyAddressWithSendOffDoesNothingAtAll) {
    addressSlot("", false);
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    EXPECT_EQ(beeps, 0);
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(LaunchTest, MissingProgramShowsTheWarningWithTheFullPath) {
    const std::string path = dir.file("消えた ﾌｧｲﾙ\\tool.exe");
    writeSettings("[PG_KIND]\r\n1F6=1\r\n[LINK_PATH]\r\n1F6=" + systemCodec().encode(path).value() +
                  "\r\n");
    BoxAnswerer answer;
    open();
    pressKey(VK_F6);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "警告");
    EXPECT_EQ(answer.seen()[0].text, "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　" + path + "　がありません");
    EXPECT_EQ(beeps, 0);
}

TEST_F(LaunchTest, ProgramKindWinsOverAddressKindAndTheClickDoesWhatTheKeyDoes) {
    const std::string marker = dir.file("marker.exe");
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(marker).c_str(), FALSE);
    writeSettings("[PG_KIND]\r\n1F7=1\r\n[URL_KIND]\r\n1F7=1\r\n[URL]\r\n1F7=http://x/\r\n"
                  "[LINK_PATH]\r\n1F7=" +
                  marker + "\r\n");
    auto& w = open();
    pressKey(VK_F7);
    ASSERT_TRUE(test::waitFor([&] { return test::fileExists(markerLog); }));
    SendMessageW(slot(7), BM_CLICK, 0, 0);
    EXPECT_TRUE(test::settle(&w));
    ASSERT_TRUE(test::waitFor([&] {
        const auto log = test::readFileBytes(markerLog);
        return log.find("started", log.find("started") + 1) != std::string::npos;
    }));
    EXPECT_EQ(beeps, 0);
}

TEST_F(LaunchTest, ShellFailureForAnAddressIsReportedWithTheSystemText) {
    setUnhandledErrorTitle(text::kAppTitle);
    addressSlot(dir.file("no such document.tarvok-unknown"), false);
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "ダルメDのペルノ COM");
    // The shell reports a missing document as "file not found" (result 2).
    EXPECT_EQ(answer.seen()[0].text, withClosingFullStop(systemErrorText(ERROR_FILE_NOT_FOUND)));
}

TEST_F(LaunchTest, AnAddressWithNoAssociationReportsThatAndNotTheDeviceFaultOfCode31) {
    setUnhandledErrorTitle(text::kAppTitle);
    const std::string document = dir.file("notes.tarvok-unknown");
    test::writeFileBytes(document, "x");
    addressSlot(document, false);
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    ASSERT_EQ(answer.seen().size(), 1u);
    // The shell answers 31 for "no association"; as a Win32 error 31 is a device fault.
    EXPECT_EQ(answer.seen()[0].text, withClosingFullStop(systemErrorText(ERROR_NO_ASSOCIATION)));
    EXPECT_NE(systemErrorText(ERROR_NO_ASSOCIATION), systemErrorText(ERROR_GEN_FAILURE));
}

TEST_F(LaunchTest, ProgramsAndBatchFilesStartInTheirOwnFolderAndShortcutsInTheirStartIn) {
    const std::string tools = dir.file("tools");
    const std::string batches = dir.file("batches");
    const std::string links = dir.file("links");
    const std::string startIn = dir.file("start in");
    for (const auto& folder : {tools, batches, links, startIn}) {
        CreateDirectoryW(widen(folder).c_str(), nullptr);
    }
    const std::string marker = tools + "\\marker.exe";
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(marker).c_str(), FALSE);
    test::writeFileBytes(batches + "\\run.bat", "@\"" + marker + "\"\r\n");
    makeShortcut(links + "\\marker.lnk", marker, startIn);
    writeSettings("[PG_KIND]\r\n1F2=1\r\n1F3=1\r\n1F4=1\r\n[LINK_PATH]\r\n1F2=" + marker +
                  "\r\n1F3=" + batches + "\\run.bat\r\n1F4=" + links + "\\marker.lnk\r\n");
    open();
    pressKey(VK_F2);
    pressKey(VK_F3);
    pressKey(VK_F4);
    ASSERT_TRUE(test::waitFor([&] { return test::markerStarts(markerLog) == 3; }, 15000));
    const auto log = test::readFileBytes(markerLog);
    EXPECT_NE(log.find("|" + tools + "\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("|" + batches + "\r\n"), std::string::npos) << log;
    EXPECT_NE(log.find("|" + startIn + "\r\n"), std::string::npos) << log;
    // The batch file's command processor holds its folder until it has ended.
    EXPECT_TRUE(test::waitFor([&] {
        DeleteFileW(widen(batches + "\\run.bat").c_str());
        return RemoveDirectoryW(widen(batches).c_str()) != 0;
    }));
}

// A document rather than a program: Wine 8 itself cannot start an image whose full path is
// MAX_PATH or longer (its CreateProcess then reads an uninitialised buffer), while the
// program that opens a document lies elsewhere.
TEST_F(LaunchTest, ADocumentOnAPathLongerThanMaxPathOpens) {
    std::string folder = dir.path();
    while (folder.size() <= MAX_PATH) {
        folder += "\\a folder with a rather long name";
        CreateDirectoryW(widen("\\\\?\\" + folder).c_str(), nullptr);
    }
    const std::string document = folder + "\\report.tarvokdoc";
    test::writeFileBytes("\\\\?\\" + document, "a report");
    test::OpensWithMarker marker(L".tarvokdoc");
    writeSettings("[PG_KIND]\r\n1F2=1\r\n[LINK_PATH]\r\n1F2=" + document + "\r\n");
    BoxAnswerer answer;
    open();
    pressKey(VK_F2);
    EXPECT_TRUE(test::waitFor([&] { return test::markerStarts(markerLog) == 1; }));
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(LaunchTest, AnAddressLongerThanTheShellTakesIsRefusedAndNothingStarts) {
    addressSlot("http://example.jp/" + std::string(2100, 'a'), false);
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "警告");
    EXPECT_EQ(answer.seen()[0].text, ShellRunAction::tooLongText());
}

TEST_F(LaunchTest, SendOptionToggledTwiceRestoresItAndTheFileFollowsEachChange) {
    auto& w = open();
    ASSERT_FALSE(sendAddressTicked());
    SendMessageW(w.hwnd(), WM_COMMAND, cmd::kToggleSendAddress, 0);
    EXPECT_TRUE(sendAddressTicked());
    EXPECT_EQ(settingsBytes(), "[SEND_ADD]\r\n0=1\r\n\r\n");
    SendMessageW(w.hwnd(), WM_COMMAND, cmd::kToggleSendAddress, 0);
    EXPECT_FALSE(sendAddressTicked());
    EXPECT_EQ(settingsBytes(), "[SEND_ADD]\r\n0=0\r\n\r\n");
}

TEST_F(LaunchTest, SendOnHandsTheStoredAddressToNetscapeAndNeverAsksIexplore) {
    addressSlot(kUrl, true);
    FakeBrowser netscape(dir.file("netscape.log"), {"netscape"});
    FakeBrowser iexplore(dir.file("iexplore.log"), {"Iexplore"});
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    ASSERT_TRUE(test::waitFor([&] { return netscape.log().size() >= 3; }));
    EXPECT_EQ(netscape.log(),
              (std::vector<std::string>{"connect|netscape|WWW_OpenURL",
                                        "request|netscape|WWW_OpenURL|" + kUrl + "|1",
                                        "disconnect|netscape"}));
    EXPECT_TRUE(iexplore.log().empty());
    EXPECT_TRUE(answer.seen().empty());
}

// A DDE item holds at most 255 characters: a longer address goes to the shell instead of
// a request that could never be made.
TEST_F(LaunchTest, SendOnWithAnAddressTooLongForDdeOpensItThroughTheShell) {
    constexpr wchar_t kScheme[] = L"tarvoktest";
    const std::wstring command = L"\"" + widen(test::binFolder()) + L"\\marker.exe\" \"%1\"";
    RegSetKeyValueW(HKEY_CLASSES_ROOT, kScheme, L"URL Protocol", REG_SZ, L"", sizeof(wchar_t));
    RegSetKeyValueW(HKEY_CLASSES_ROOT, (std::wstring(kScheme) + L"\\shell\\open\\command").c_str(),
                    nullptr, REG_SZ, command.c_str(),
                    static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t)));
    addressSlot("tarvoktest:" + std::string(300, 'a'), true);
    FakeBrowser netscape(dir.file("netscape.log"), {"netscape"});
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    EXPECT_TRUE(test::waitFor([&] { return test::markerStarts(markerLog) == 1; }));
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kScheme);
    EXPECT_TRUE(netscape.log().empty());
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(LaunchTest, WithOnlyIexploreServedNetscapeIsTriedAndStartedFirst) {
    addressSlot("mailto:someone@example.jp", true);
    // A program called netscape on the search path: the launcher starts it once when the
    // service does not answer, then tries the next service.
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(),
              widen(dir.file("netscape.exe")).c_str(), FALSE);
    wchar_t oldPath[8192] = {};
    GetEnvironmentVariableW(L"PATH", oldPath, 8192);
    SetEnvironmentVariableW(L"PATH", (widen(dir.path()) + L";" + oldPath).c_str());
    FakeBrowser iexplore(dir.file("iexplore.log"), {"Iexplore"});
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    SetEnvironmentVariableW(L"PATH", oldPath);
    ASSERT_TRUE(test::waitFor([&] { return iexplore.log().size() >= 3; }));
    EXPECT_EQ(iexplore.log()[1], "request|Iexplore|WWW_OpenURL|mailto:someone@example.jp|1");
    ASSERT_TRUE(test::fileExists(markerLog));
    EXPECT_NE(test::readFileBytes(markerLog).find("netscape WWW_OpenURL"), std::string::npos);
    EXPECT_TRUE(answer.seen().empty());
}

TEST_F(LaunchTest, NoBrowserAtAllGivesOneWarningAfterBothServices) {
    // Wine's own iexplore would be started for "Iexplore" and answer.
    const test::SetAside wineBrowser("C:\\windows\\system32\\iexplore.exe");
    addressSlot(kUrl, true);
    BoxAnswerer answer;
    open();
    pressKey(VK_F4);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "警告");
    EXPECT_EQ(answer.seen()[0].text,
              "ブラウザが起動されていません。あるいは\r\nこのソフトでは未対応のブラウザです");
}

TEST_F(LaunchTest, AKeyPressedWhileABrowserIsAskedIsDropped) {
    addressSlot(kUrl, true);
    FakeBrowser netscape(dir.file("netscape.log"), {"netscape"}, "--delay 1000");
    auto& w = open();
    // F3, an empty slot, pressed while the launcher waits for the browser's answer.
    std::thread presser([&] {
        EXPECT_TRUE(test::waitFor([&] { return netscape.log().size() >= 2; }));
        test::postKey(w.hwnd(), VK_F3);
    });
    pressKey(VK_F4);
    presser.join();
    EXPECT_TRUE(test::settle(&w));
    EXPECT_EQ(beeps, 0) << "the key pressed during the wait was acted on";
}

TEST_F(LaunchTest, ABrowserThatNeverAnswersReleasesTheWindowAfterTheTimeOut) {
    addressSlot(kUrl, true);
    FakeBrowser netscape(dir.file("netscape.log"), {"netscape"}, "--never");
    BoxAnswerer answer;
    auto& w = open();
    const ULONGLONG start = GetTickCount64();
    pressKey(VK_F4);
    const ULONGLONG elapsed = GetTickCount64() - start;
    EXPECT_GE(elapsed, 9000u);
    EXPECT_LT(elapsed, 20000u);
    EXPECT_TRUE(answer.seen().empty()) << "a time-out shows no message";
    pressKey(VK_F12);
    EXPECT_EQ(w.currentPage(), 2) << "the window answers again";
    EXPECT_TRUE(test::waitFor([&] { return netscape.log().size() >= 3; }))
        << "the conversation was not closed";
    const auto log = netscape.log();
    ASSERT_GE(log.size(), 2u);
    EXPECT_EQ(log[1], "request|netscape|WWW_OpenURL|" + kUrl + "|1");
    EXPECT_EQ(log.back(), "disconnect|netscape");
}

// Ctrl and Shift held as the keyboard holds them, for the keys and clicks posted meanwhile.
class CtrlShiftHeld {
  public:
    CtrlShiftHeld() {
        GetKeyboardState(saved_);
        BYTE held[256];
        std::copy(std::begin(saved_), std::end(saved_), held);
        held[VK_CONTROL] = held[VK_SHIFT] = 0x80;
        SetKeyboardState(held);
    }
    ~CtrlShiftHeld() { SetKeyboardState(saved_); }

  private:
    BYTE saved_[256] = {};
};

TEST_F(LaunchTest, CtrlShiftWithAKeyOrAClickOpensAsAdministratorAndAFolderAsAlways) {
    const std::string program = dir.file("tool.exe");
    test::writeFileBytes(program, "MZ");
    writeSettings("[PG_KIND]\r\n1F2=1\r\n1F3=1\r\n1F5=1\r\n[LINK_PATH]\r\n1F2=" + program +
                  "\r\n1F3=" + dir.path() + "\r\n1F5=" + dir.file("gone.exe") + "\r\n");
    std::vector<std::string> opened;
    MainWindowOptions options;
    options.openItem = [&](const std::string& verb, const std::string& path) {
        opened.push_back(verb + "|" + path);
    };
    BoxAnswerer answer;
    open(options);
    {
        const CtrlShiftHeld held;
        pressKey(VK_F2);
        SendMessageW(slot(2), BM_CLICK, 0, 0);
        pressKey(VK_F3);
        pressKey(VK_F4);
        pressKey(VK_F5);
    }
    pressKey(VK_F2);
    EXPECT_EQ(opened, (std::vector<std::string>{"runas|" + program, "runas|" + program,
                                                "|" + dir.path(), "|" + program}));
    EXPECT_EQ(beeps, 1) << "an empty slot beeps";
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].text, formatMessage(text::kMsgFileMissing, {dir.file("gone.exe")}));
}

} // namespace
