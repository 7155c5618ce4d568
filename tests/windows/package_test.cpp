// The unpacked package (its folder in TARVOK_PACKAGE_DIR): the program carries its version and
// icons, and started from wherever it was unpacked it opens its help page and read-me.
#include "app/main_window.h"
#include "platform/text.h"
#include "tests/windows/support/launcher.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>

using namespace tarvok;

namespace {

std::string packageFolder() {
    wchar_t folder[MAX_PATH] = {};
    GetEnvironmentVariableW(L"TARVOK_PACKAGE_DIR", folder, MAX_PATH);
    return narrow(folder);
}

// While the object lives, documents with the extension open with the marker program; the
// extension's earlier association comes back afterwards.
class OpensWithMarker {
  public:
    explicit OpensWithMarker(const std::wstring& extension) : extension_(extension) {
        const std::wstring command = L"\"" + widen(test::binFolder()) + L"\\marker.exe\" \"%1\"";
        setDefault(kType + std::wstring(L"\\shell\\open\\command"), command);
        wchar_t value[256] = {};
        DWORD size = sizeof value;
        if (RegGetValueW(HKEY_CLASSES_ROOT, extension_.c_str(), nullptr, RRF_RT_REG_SZ, nullptr,
                         value, &size) == ERROR_SUCCESS &&
            kType != std::wstring(value)) {
            previous_ = value;
        }
        setDefault(extension_, kType);
    }
    ~OpensWithMarker() {
        if (previous_) {
            setDefault(extension_, *previous_);
        } else {
            RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
        }
        RegDeleteTreeW(HKEY_CLASSES_ROOT, kType);
    }
    OpensWithMarker(const OpensWithMarker&) = delete;
    OpensWithMarker& operator=(const OpensWithMarker&) = delete;

  private:
    static constexpr wchar_t kType[] = L"tarvok.test.document";
    static void setDefault(const std::wstring& key, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
    std::wstring extension_;
    std::optional<std::wstring> previous_;
};

std::wstring versionText(const std::vector<BYTE>& info, const wchar_t* name) {
    wchar_t* value = nullptr;
    UINT length = 0;
    const std::wstring path = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
    if (!VerQueryValueW(info.data(), path.c_str(), reinterpret_cast<void**>(&value), &length)) {
        return {};
    }
    return value;
}

TEST(Package, TheProgramCarriesItsVersionAndAnIconForEverySize) {
    const std::wstring exe = widen(packageFolder() + "\\tarvok.exe");
    std::vector<BYTE> info(GetFileVersionInfoSizeW(exe.c_str(), nullptr));
    ASSERT_FALSE(info.empty());
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    EXPECT_EQ(narrow(versionText(info, L"ProductVersion")), "2.0");
    EXPECT_EQ(narrow(versionText(info, L"ProductName")), "ダルメDのペルノ COM");
    const std::string description = narrow(versionText(info, L"FileDescription"));
    EXPECT_NE(description.find("ランチャー"), std::string::npos) << description;

    HMODULE image = LoadLibraryExW(exe.c_str(), nullptr,
                                   LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    ASSERT_NE(image, nullptr);
    HRSRC group = FindResourceW(image, MAKEINTRESOURCEW(1), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    // The group directory: a 6-byte header, then 14-byte entries whose first byte is the
    // width (0 for 256).
    const auto* bytes = static_cast<const BYTE*>(LockResource(LoadResource(image, group)));
    std::set<int> sizes;
    for (int i = 0; i < bytes[4]; ++i) {
        const BYTE width = bytes[6 + 14 * i];
        sizes.insert(width == 0 ? 256 : width);
    }
    FreeLibrary(image);
    EXPECT_EQ(sizes, (std::set<int>{16, 32, 48, 256}));
}

TEST(Package, StartedFromItsFolderItOpensTheHelpPageAndReadMeBesideIt) {
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
