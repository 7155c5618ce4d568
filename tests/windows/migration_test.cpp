// The migration screen in this process: its checks and messages, the folder browser loop, the
// copy of a hand-made earlier file, and failures that leave everything as it was.
#include "app/texts.h"
#include "migration/migration_dialog.h"
#include "migration/migration_rules.h"
#include "platform/controls.h"
#include "platform/settings_file.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "tests/windows/support/main_window_fixture.h"

#include <commctrl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using test::UiDriver;
using Migration = MigrationDialog;

namespace {

class MigrationTest : public test::MainWindowTest {
  protected:
    void SetUp() override {
        setUnhandledErrorTitle(text::kAppTitle);
        oldFolder = dir.file("旧ﾍﾟﾙﾉ");
        CreateDirectoryW(widen(oldFolder).c_str(), nullptr);
        earlierPath = oldFolder + "\\tarvok.in";
    }
    // Opens the screen from the menu; the driver's steps play the user.
    void openMigration() {
        SendMessageW(window->hwnd(), WM_COMMAND, cmd::kMigrate, 0);
        EXPECT_TRUE(test::settle(window.get()));
    }
    std::string oldFolder;
    std::string earlierPath;
    // The screen opens on the earlier version's default folder, which must not be there.
    const test::SetAside defaultFolder{"C:\\Program Files\\Velquor\\tarvok1c"};
};

// The text of the item selected in a tree.
std::string selectedItemText(HWND tree) {
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return item.hItem != nullptr && TreeView_GetItem(tree, &item) ? narrow(text) : std::string();
}

// Points the shell's folder browser at a folder and presses OK.
void chooseInBrowser(HWND browser, const std::string& folder) {
    const std::wstring path = widen(folder);
    const std::string name = folder.substr(folder.rfind('\\') + 1);
    const HWND tree = FindWindowExW(browser, nullptr, WC_TREEVIEWW, nullptr);
    // The browser may still be filling its tree, which would take the selection back to the
    // desktop: choose until the tree shows the folder selected.
    EXPECT_TRUE(test::pumpUntil(nullptr, [&] {
        SendMessageW(browser, BFFM_SETSELECTIONW, TRUE, reinterpret_cast<LPARAM>(path.c_str()));
        return selectedItemText(tree) == name;
    })) << folder;
    PostMessageW(GetDlgItem(browser, IDOK), BM_CLICK, 0, 0);
}

void setPathAndRun(const DialogView& d, const std::string& path) {
    d.setText(Migration::kPathId, path);
    d.click(Migration::kRunId);
}

const std::string kSettings =
    "[Other]\r\nkept=as is\r\n\r\n[AP_NM]\r\n1F2=replaced\r\n1F12=mine\r\n"
    "\r\n[Form]\r\nLEFT=120\r\nTOP=90\r\n\r\n";

TEST_F(MigrationTest, OpensOnTheDefaultPathAndRefusesMissingFoldersFilesAndItsOwnFolder) {
    test::writeFileBytes(oldFolder + "\\tarvok.ini", "[AP_NM]\r\n1F2=x\r\n");
    test::writeFileBytes(dir.file("tarvok.in"), "[AP_NM]\r\n1F2=x\r\n");
    writeSettings(kSettings);
    std::string caption, shownPath;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          caption = d.caption() + "|" + d.className();
          shownPath = d.text(Migration::kPathId);
          d.click(Migration::kRunId);
      })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { setPathAndRun(d, earlierPath); })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            // The program's own folder, written in another letter case.
            std::string upper = dir.file("TARVOK.IN");
            CharUpperA(upper.data());
            setPathAndRun(d, upper);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    open();
    openMigration();
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(caption, "旧ペルノからのデータの移行|TF_IMPORT");
    EXPECT_EQ(shownPath, "C:\\Program Files\\Velquor\\tarvok1c\\tarvok.in");
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, missingFolderWarning("C:\\Program Files\\Velquor\\tarvok1c"));
    EXPECT_EQ(ui.boxes()[1].text, missingDataFileWarning(oldFolder));
    EXPECT_EQ(ui.boxes()[2].text, sameFolderWarning());
    EXPECT_EQ(settingsBytes(), kSettings);
    EXPECT_NE(window->hwnd(), nullptr) << "キャンセル leaves the launcher running";
}

TEST_F(MigrationTest, BrowsingReopensOnEachRefusedFolderUntilOneHoldsTheDataFile) {
    const std::string empty = dir.file("empty");
    CreateDirectoryW(widen(empty).c_str(), nullptr);
    test::writeFileBytes(dir.file("tarvok.in"), "");
    test::writeFileBytes(earlierPath, "");
    std::string chosenPath, keptPath;
    UiDriver ui;
    ui.dialog([](const DialogView& d) { d.click(Migration::kChangeId); })
        .systemDialog([&](HWND b) { chooseInBrowser(b, empty); })
        .box(BoxReply::button(IDOK))
        // Reopened on the refused folder: OK as it stands picks it again.
        .systemDialog([](HWND b) { PostMessageW(GetDlgItem(b, IDOK), BM_CLICK, 0, 0); })
        .box(BoxReply::button(IDOK))
        .systemDialog([&](HWND b) { chooseInBrowser(b, dir.path()); })
        .box(BoxReply::button(IDOK))
        .systemDialog([&](HWND b) { chooseInBrowser(b, oldFolder); })
        .dialog([&](const DialogView& d) {
            chosenPath = d.text(Migration::kPathId);
            d.click(Migration::kChangeId);
        })
        .systemDialog([](HWND b) { PostMessageW(GetDlgItem(b, IDCANCEL), BM_CLICK, 0, 0); })
        .dialog([&](const DialogView& d) {
            keptPath = d.text(Migration::kPathId);
            d.click(IDCANCEL);
        });
    open();
    openMigration();
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].text, browsedFolderLacksDataFile(empty + "\\"));
    EXPECT_EQ(ui.boxes()[1].text, ui.boxes()[0].text);
    EXPECT_EQ(ui.boxes()[2].text, sameFolderWarning());
    EXPECT_EQ(chosenPath, earlierPath);
    EXPECT_EQ(keptPath, earlierPath) << "cancelling the browser keeps the path";
}

TEST_F(MigrationTest, TabReachesChangeAfterTheDesignedOrderAndSpaceOrEnterPressesIt) {
    std::vector<int> focused;
    std::vector<std::string> cut;
    bool frameShown = false;
    const auto cancelBrowser = [](HWND b) {
        PostMessageW(GetDlgItem(b, IDCANCEL), BM_CLICK, 0, 0);
    };
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          focused.push_back(d.focusedId());
          cut = test::textsThatDoNotFit(d.hwnd());
          for (int i = 0; i < 3; ++i) {
              d.key(VK_TAB);
          }
      })
        .dialog([&](const DialogView& d) {
            focused.push_back(d.focusedId());
            frameShown = !focusCuesHidden(d.item(Migration::kChangeId));
            d.key(VK_SPACE);
        })
        .systemDialog(cancelBrowser)
        .dialog([&](const DialogView& d) {
            focused.push_back(d.focusedId());
            d.key(VK_RETURN);
        })
        .systemDialog(cancelBrowser)
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    open();
    openMigration();
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    EXPECT_EQ(focused,
              (std::vector<int>{Migration::kRunId, Migration::kChangeId, Migration::kChangeId}));
    EXPECT_TRUE(frameShown);
    EXPECT_EQ(cut, std::vector<std::string>{}) << "the note once lost \"意)\" at 192 DPI";
}

TEST_F(MigrationTest, OnlyYesCopiesEverySlotNameAndOptionThenTheLauncherEnds) {
    // Hand-made: lower-case names, a missing URL section, bytes that are not Shift_JIS, keys
    // outside the slots, and a hexadecimal option.
    test::writeFileBytes(earlierPath, "[pg_kind]\r\n1f2=1\r\n5F11=0x1\r\n1F12=1\r\n6F2=1\r\n"
                                      "[AP_NM]\r\n1F2=\x83\x81\x83\x82\r\n5F11=\x81\xFF\x82\r\n"
                                      "[LINK_PATH]\r\n1F2=C:\\tools\\memo.exe\r\n"
                                      "[URL_KIND]\r\n3F7=1\r\n"
                                      "[PAGE_NM]\r\n2=\x83\x63\x81\x5B\x83\x8B\r\n6=no\r\n"
                                      "[SEND_ADD]\r\n0=0x1\r\n");
    writeSettings(kSettings);
    UiDriver ui;
    const auto run = [](const DialogView& d) { d.click(Migration::kRunId); };
    ui.dialog([&](const DialogView& d) { setPathAndRun(d, earlierPath); })
        .box(BoxReply::key(VK_RETURN))
        .dialog(run)
        .box(BoxReply::key(VK_SPACE))
        .dialog(run)
        .box(BoxReply::escape())
        .dialog(run)
        .box(BoxReply::closeBox())
        .dialog(run)
        .box(BoxReply::button(IDYES))
        .box(BoxReply::button(IDOK));
    auto& w = open();
    SetWindowPos(w.hwnd(), nullptr, 120, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    openMigration();
    test::pumpUntil(
        &w, [&] { return w.hwnd() == nullptr; }, 2000);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(ui.boxes().size(), 6u);
    EXPECT_EQ(ui.boxes()[0].caption, "確認");
    EXPECT_EQ(ui.boxes()[0].text,
              "指定したペルノのデータを新しいペルノに移行しますか？\r\n\r\n一度実行すると、実行前の"
              "状態に戻せません。\r\n\r\nデータの移行　を実行してもよろしいですか？");
    EXPECT_EQ(ui.boxes()[0].focusedId, IDNO);
    EXPECT_EQ(ui.boxes()[5].caption, "情報");
    EXPECT_EQ(ui.boxes()[5].text,
              "お疲れ様でした。データの移行が完了しました。\r\n\r\n移行したデータを"
              "有効にする為、終了します。\r\n\r\n\r\nソフトを再起動して下さい。");
    EXPECT_EQ(w.hwnd(), nullptr) << "a completed migration ends the launcher";

    const IniModel after = IniModel::parse(settingsBytes());
    for (const char* section : {"PG_KIND", "AP_NM", "LINK_PATH", "URL_KIND", "URL"}) {
        const auto* s = after.findSection(section);
        ASSERT_NE(s, nullptr) << section;
        // All fifty slots, and in AP_NM the settings file's own key outside the slots.
        EXPECT_EQ(s->lines.size(), std::string(section) == "AP_NM" ? 51u : 50u) << section;
    }
    EXPECT_EQ(after.find("PG_KIND", "5F11").value_or(""), "0x1") << "carried as text";
    EXPECT_EQ(after.find("AP_NM", "5F11").value_or(""), "\x81\xFF\x82");
    EXPECT_EQ(after.find("AP_NM", "1F12").value_or(""), "mine");
    EXPECT_EQ(after.find("AP_NM", "2F2").value_or("?"), "");
    EXPECT_EQ(after.find("URL", "3F7").value_or("?"), "");
    const auto* names = after.findSection("PAGE_NM");
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(names->lines,
              (std::vector<std::string>{"1=", "2=\x83\x63\x81\x5B\x83\x8B", "3=", "4=", "5="}));
    EXPECT_EQ(after.find("SEND_ADD", "0").value_or(""), "1");
    EXPECT_EQ(after.find("Other", "kept").value_or(""), "as is");
    EXPECT_EQ(after.find("Form", "LEFT").value_or(""), "120");
    EXPECT_EQ(after.find("Form", "TOP").value_or(""), "90");
}

TEST_F(MigrationTest, ADataFileGoneWhileTheQuestionWasOpenIsReportedAndNothingIsCopied) {
    test::writeFileBytes(earlierPath, "[AP_NM]\r\n1F2=new\r\n");
    writeSettings(kSettings);
    UiDriver ui;
    ui.dialog([&](const DialogView& d) { setPathAndRun(d, earlierPath); })
        .box(BoxReply::button(IDYES), [&] { DeleteFileW(widen(earlierPath).c_str()); })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.click(IDCANCEL); });
    auto& w = open();
    openMigration();
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[1].text, missingDataFileWarning(oldFolder));
    EXPECT_EQ(settingsBytes(), kSettings) << "read as missing it would blank all fifty slots";
    EXPECT_NE(w.hwnd(), nullptr);
}

TEST_F(MigrationTest, AnUnwritableSettingsFileKeepsTheScreenOpenAndChangesNothing) {
    test::writeFileBytes(earlierPath, "[AP_NM]\r\n1F2=new\r\n");
    writeSettings(kSettings);
    SetFileAttributesW(widen(settingsPath()).c_str(), FILE_ATTRIBUTE_READONLY);
    UiDriver ui;
    ui.dialog([&](const DialogView& d) { setPathAndRun(d, earlierPath); })
        .box(BoxReply::button(IDYES))
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.click(IDCANCEL); });
    auto& w = open();
    openMigration();
    SetFileAttributesW(widen(settingsPath()).c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(ui.finished()) << "no completion box, the screen still open";
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[1].caption, "ダルメDのペルノ COM");
    EXPECT_NE(ui.boxes()[1].text.find("を作成できません"), std::string::npos);
    EXPECT_EQ(settingsBytes(), kSettings);
    EXPECT_NE(w.hwnd(), nullptr);
}

} // namespace
