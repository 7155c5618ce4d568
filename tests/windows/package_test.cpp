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

// While the object lives, documents with an extension that has no association (as in a fresh
// prefix) open with the marker program; afterwards the extension has none again.
class OpensWithMarker {
  public:
    explicit OpensWithMarker(const wchar_t* extension) : extension_(extension) {
        const std::wstring command = L"\"" + widen(test::binFolder()) + L"\\marker.exe\" \"%1\"";
        set(std::wstring(kType) + L"\\shell\\open\\command", command);
        set(extension, kType);
    }
    ~OpensWithMarker() {
        RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_);
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kType);
    }
    OpensWithMarker(const OpensWithMarker&) = delete;
    OpensWithMarker& operator=(const OpensWithMarker&) = delete;

  private:
    static constexpr wchar_t kType[] = L"tarvok.test.document";
    static void set(const std::wstring& key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    const wchar_t* extension_;
};

TEST(Package, StartedFromItsFolderItOpensTheHelpPageAndReadMeBesideIt) {
    if (hasAssociation(L".html") || hasAssociation(L".txt")) {
        GTEST_SKIP() << "documents already open with a program here; the test would change that";
    }
    const std::string folder = packageFolder();
    test::TempDir logs;
    const std::string log = logs.file("opened.log");
    SetEnvironmentVariableW(L"TARVOK_MARKER_FILE", widen(log).c_str());
    {
        OpensWithMarker html(L".html");
        OpensWithMarker text(L".txt");
        test::Launcher app(folder);
        ASSERT_NE(app.window(), nullptr);
        PostMessageW(app.window(), WM_COMMAND, cmd::kMnHelp, 0);
        ASSERT_TRUE(test::waitFor([&] { return test::fileExists(log); }, 10000));
        PostMessageW(app.window(), WM_COMMAND, cmd::kMnReadme, 0);
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
