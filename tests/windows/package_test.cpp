// The unpacked package (its folder in TARVOK_PACKAGE_DIR): started from wherever it was
// unpacked, the program opens the help page and read-me that lie beside it.
#include "app/main_window.h"
#include "platform/text.h"
#include "tests/windows/support/launcher.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

std::string packageFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TARVOK_PACKAGE_DIR", folder, MAX_PATH);
    return narrow(folder);
}

bool hasAssociation(const wchar_t* extension) {
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CLASSES_ROOT, extension, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    RegCloseKey(key);
    return true;
}

TEST(Package, StartedFromItsFolderItOpensTheHelpPageAndReadMeBesideIt) {
    if (hasAssociation(L".html") || hasAssociation(L".txt")) {
        GTEST_SKIP() << "documents already open with a program here; the test would change that";
    }
    const std::string folder = packageFolder();
    test::TempDir logs;
    const std::string log = logs.file("opened.log");
    SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", widen(log).c_str());
    {
        test::OpensWithMarker html(L".html");
        test::OpensWithMarker text(L".txt");
        test::Launcher app(folder);
        ASSERT_NE(app.window(), nullptr);
        PostMessageW(app.window(), WM_COMMAND, cmd::kOpenHelp, 0);
        ASSERT_TRUE(test::waitFor([&] { return test::fileExists(log); }, 10000));
        PostMessageW(app.window(), WM_COMMAND, cmd::kOpenReadMe, 0);
        EXPECT_TRUE(test::waitFor(
            [&] { return test::readFileBytes(log).find("txt") != std::string::npos; }, 10000));
        EXPECT_EQ(app.box(), nullptr) << "no file was missing";
        EXPECT_TRUE(app.closeAndWait());
    }
    SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", nullptr);
    const std::string opened = test::readFileBytes(log);
    EXPECT_NE(opened.find(folder + "\\tarvok_00.html"), std::string::npos) << opened;
    EXPECT_NE(opened.find(folder + "\\お読み下さい.txt"), std::string::npos) << opened;
}

} // namespace
