// The real program registering slots the ways a user does (a drop from another process, the
// slot menu's dialogs, the page names, the migration) and showing them again after a restart.
#include "app/main_window.h"
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "dialogs/file_picker.h"
#include "dialogs/page_name_dialog.h"
#include "dialogs/rename_prompt.h"
#include "dialogs/start_menu_picker.h"
#include "migration/migration_dialog.h"
#include "platform/com.h"
#include "platform/cp932_codec.h"
#include "platform/message_box.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/drops.h"
#include "tests/windows/support/launcher.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <memory>

using namespace tarvok;

namespace {

using test::BoxReply;
using test::Launcher;
using test::sjis;

// Whether the glyph's place on a button holds anything but the button face, above where its
// caption could reach.
bool showsGlyph(const std::vector<COLORREF>& pixels, HWND button) {
    RECT r{};
    GetWindowRect(button, &r);
    const int width = r.right - r.left;
    for (int y = 0; y < 9; ++y) {
        for (int x = 3; x < 35; ++x) {
            if (pixels[static_cast<std::size_t>(y * width + x)] != GetSysColor(COLOR_BTNFACE)) {
                return true;
            }
        }
    }
    return false;
}

TEST(EndToEndRegistration, AFolderDroppedFromAnotherProcessIsRegisteredAndShownAgainAfterARestart) {
    test::TempDir dir;
    const std::string folder = dir.file("ﾂｰﾙ 表");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    std::vector<COLORREF> dropped;
    {
        Launcher app(dir, "");
        ASSERT_NE(app.window(), nullptr);
        ASSERT_TRUE(app.dropOn(3, folder));
        ASSERT_TRUE(test::waitFor([&] { return app.caption(3) == "ﾂｰﾙ 表"; }));
        ASSERT_TRUE(test::waitFor([&] {
            dropped = test::screenPixels(app.slot(3));
            return showsGlyph(dropped, app.slot(3));
        }));
        EXPECT_EQ(app.box(), nullptr);
        ASSERT_TRUE(app.closeAndWait());
    }
    Launcher again(dir, "");
    ASSERT_NE(again.window(), nullptr);
    EXPECT_EQ(again.caption(3), "ﾂｰﾙ 表");
    EXPECT_TRUE(test::waitFor([&] { return test::screenPixels(again.slot(3)) == dropped; }))
        << "the restart shows the glyph the drop showed";
    EXPECT_TRUE(again.closeAndWait());
}

TEST(EndToEndRegistration, PageNamesSetInTheDialogAreShownAfterARestart) {
    test::TempDir dir;
    {
        Launcher app(dir, "");
        ASSERT_NE(app.window(), nullptr);
        PostMessageW(app.window(), WM_COMMAND, cmd::kEditPageNames, 0);
        const auto dialog = [&] { return FindWindowW(L"TF_PAGE_NM", nullptr); };
        // Shown means filled: the names in memory are in the fields by then.
        ASSERT_TRUE(
            test::waitFor([&] { return dialog() != nullptr && IsWindowVisible(dialog()); }));
        const test::DialogView view(dialog());
        view.setText(PageNameDialog::kFieldBase + 1, "一番目");
        view.setText(PageNameDialog::kFieldBase + 3, "ﾂｰﾙ");
        view.click(PageNameDialog::kOkId);
        // The label changes once the names are stored, just after the dialog has gone.
        EXPECT_TRUE(test::waitFor([&] { return app.pageLabel() == "一番目"; }));
        ASSERT_TRUE(app.closeAndWait());
    }
    Launcher again(dir, "");
    ASSERT_NE(again.window(), nullptr);
    EXPECT_EQ(again.pageLabel(), "一番目");
    ASSERT_TRUE(again.turnTo(VK_F12, 2));
    ASSERT_TRUE(again.turnTo(VK_F12, 3));
    EXPECT_EQ(again.pageLabel(), "ﾂｰﾙ");
    EXPECT_TRUE(again.closeAndWait());
}

TEST(EndToEndRegistration,
     MigrationEndsTheProgramAndTheNextStartShowsTheMigratedSlotsAndPageNames) {
    test::TempDir dir;
    const std::string old = dir.file("旧ペルノ");
    CreateDirectoryW(widen(old).c_str(), nullptr);
    test::writeFileBytes(old + "\\tarvok.in",
                         "[PG_KIND]\r\n1F2=1\r\n2F3=0\r\n[AP_NM]\r\n1F2=" + sjis("旧メモ帳") +
                             "\r\n2F3=" + sjis("旧ホーム") +
                             "\r\n[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n[URL_KIND]\r\n"
                             "2F3=1\r\n[URL]\r\n2F3=http://example.jp/\r\n[PAGE_NM]\r\n1=" +
                             sjis("仕事") + "\r\n2=" + sjis("ウェブ") + "\r\n");
    auto app = std::make_unique<Launcher>(
        dir, "[PG_KIND]\r\n1F5=1\r\n[AP_NM]\r\n1F5=now\r\n[LINK_PATH]\r\n1F5=C:\\windows\r\n"
             "[Form]\r\nLEFT=60\r\nTOP=80\r\n");
    ASSERT_NE(app->window(), nullptr);
    EXPECT_EQ(app->caption(5), "now");
    PostMessageW(app->window(), WM_COMMAND, cmd::kMigrate, 0);
    HWND screen = nullptr;
    ASSERT_TRUE(test::waitFor([&] {
        const auto found = test::topWindowsOf(app->process().id(), L"TF_IMPORT");
        screen = found.empty() ? nullptr : found.front();
        return screen != nullptr && GetDlgItem(screen, MigrationDialog::kRunId) != nullptr;
    }));
    const test::DialogView migration(screen);
    migration.setText(MigrationDialog::kPathId, old + "\\tarvok.in");
    migration.click(MigrationDialog::kRunId);
    const auto answer = [&](const char* caption, int button) {
        HWND box = nullptr;
        const bool shown = test::waitFor([&] {
            box = app->box();
            return box != nullptr && test::windowText(box) == caption;
        });
        if (shown) {
            PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
        }
        return shown;
    };
    ASSERT_TRUE(answer("確認", IDYES));
    ASSERT_TRUE(answer("情報", IDOK));
    ASSERT_TRUE(app->process().waitForExit(10000)) << "a completed migration ends the program";
    EXPECT_EQ(app->process().exitCode(), 0u);

    app = std::make_unique<Launcher>(dir.path());
    ASSERT_NE(app->window(), nullptr);
    RECT r{};
    GetWindowRect(app->window(), &r);
    EXPECT_EQ(r.left, 60);
    EXPECT_EQ(r.top, 80);
    EXPECT_EQ(app->caption(2), "旧メモ帳");
    EXPECT_EQ(app->caption(5), "");
    EXPECT_EQ(app->pageLabel(), "仕事");
    ASSERT_TRUE(app->turnTo(VK_F12, 2));
    EXPECT_EQ(app->caption(3), "旧ホーム");
    EXPECT_EQ(app->pageLabel(), "ウェブ");
    EXPECT_TRUE(app->closeAndWait());
}

TEST(EndToEndRegistration, AFileChosenInThePickerShowsOnItsButtonNowAndAfterARestart) {
    test::TempDir dir;
    const std::string tool = dir.file("zz tool.exe");
    CopyFileW(widen(test::binFolder() + "\\marker.exe").c_str(), widen(tool).c_str(), FALSE);
    const std::string ini = dir.file("tarvok.ini");
    {
        Launcher app(dir, "[PG_KIND]\r\n1F3=1\r\n[AP_NM]\r\n1F3=ini\r\n[LINK_PATH]\r\n1F3=" + ini +
                              "\r\n");
        ASSERT_NE(app.window(), nullptr);
        // The slot holding a file of the folder opens the picker there; cancelling keeps
        // the folder for the next opening.
        app.chooseFromSlotMenu(3, 1);
        HWND picker = app.windowWith(FilePicker::kFileListId);
        ASSERT_NE(picker, nullptr);
        EXPECT_EQ(test::DialogView(picker).className(), "TF_EXESET");
        PostMessageW(picker, WM_COMMAND, IDCANCEL, 0);
        ASSERT_TRUE(test::waitFor([&] { return !IsWindow(picker); }));
        EXPECT_FALSE(app.showsGlyph(2));

        app.chooseFromSlotMenu(2, 1);
        picker = app.windowWith(FilePicker::kFileListId);
        ASSERT_NE(picker, nullptr);
        const test::DialogView d(picker);
        EXPECT_EQ(d.text(FilePicker::kNameId), "");
        // Typing a name's first letter in the list selects it.
        PostMessageW(d.item(FilePicker::kFileListId), WM_CHAR, 'z', 1);
        ASSERT_TRUE(test::waitFor([&] { return d.text(FilePicker::kNameId) == "zz tool"; }));
        d.click(FilePicker::kRegisterFileId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "zz tool"; }));
        EXPECT_TRUE(test::waitFor([&] { return app.showsGlyph(2); }));
        ASSERT_TRUE(app.closeAndWait());
    }
    EXPECT_NE(test::readFileBytes(ini).find("[LINK_PATH]\r\n1F3=" + ini + "\r\n1F2=" + tool),
              std::string::npos);
    Launcher again(dir, "");
    EXPECT_EQ(again.caption(2), "zz tool");
    EXPECT_TRUE(test::waitFor([&] { return again.showsGlyph(2); }));
    EXPECT_TRUE(again.closeAndWait());
}

TEST(EndToEndRegistration, RenameClearAndTheQuestionBeforeReplacingAnAddress) {
    test::TempDir dir;
    Launcher app(dir, "[PG_KIND]\r\n1F2=1\r\n[AP_NM]\r\n1F2=" + sjis("メモ帳") +
                          "\r\n1F4=Home\r\n[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n"
                          "[URL_KIND]\r\n1F4=1\r\n[URL]\r\n1F4=http://example.jp/\r\n");
    ASSERT_NE(app.window(), nullptr);
    EXPECT_TRUE(test::waitFor([&] { return app.showsGlyph(2); }));
    const auto answer = [&](BoxReply how) {
        HWND box = nullptr;
        EXPECT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
        const std::string text = test::windowText(GetDlgItem(box, kBoxTextId));
        how.giveTo(box);
        EXPECT_TRUE(test::waitFor([&] { return !IsWindow(box); }));
        return text;
    };

    // Rename: an empty name is refused and the prompt comes back with the present caption.
    app.chooseFromSlotMenu(2, 3);
    HWND prompt = app.windowWith(RenamePrompt::kNameId);
    ASSERT_NE(prompt, nullptr);
    test::DialogView(prompt).setText(RenamePrompt::kNameId, "");
    test::DialogView(prompt).click(IDOK);
    EXPECT_EQ(answer(BoxReply::button(IDOK)), "ボタン名が未入力です");
    ASSERT_TRUE(test::waitFor([&] {
        prompt = app.windowWith(RenamePrompt::kNameId, 100);
        return prompt != nullptr &&
               test::DialogView(prompt).text(RenamePrompt::kNameId) == "メモ帳";
    }));
    test::DialogView(prompt).setText(RenamePrompt::kNameId, "エディタ");
    test::DialogView(prompt).click(IDOK);
    ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "エディタ"; }));

    // Clear: the close box and No keep the slot, Yes empties it.
    for (const BoxReply how :
         {BoxReply::closeBox(), BoxReply::button(IDNO), BoxReply::button(IDYES)}) {
        app.chooseFromSlotMenu(2, 4);
        answer(how);
    }
    ASSERT_TRUE(test::waitFor([&] { return app.caption(2).empty(); }));
    EXPECT_FALSE(app.showsGlyph(2));

    // An address slot asks before the picker; No shows no picker, Yes opens it unnamed.
    app.chooseFromSlotMenu(4, 1);
    EXPECT_EQ(answer(BoxReply::button(IDNO)), replaceQuestion(text::kAskReplaceAddressHead, "Home",
                                                              text::kMenuRegisterFileOrFolder));
    // Pages turn once the command has ended (an open picker would exist by then).
    ASSERT_TRUE(app.turnTo(VK_F12, 2));
    ASSERT_TRUE(app.turnTo(VK_F1, 1));
    EXPECT_EQ(app.windowWith(FilePicker::kFileListId, 0), nullptr);
    app.chooseFromSlotMenu(4, 1);
    answer(BoxReply::button(IDYES));
    HWND picker = app.windowWith(FilePicker::kFileListId);
    ASSERT_NE(picker, nullptr);
    const test::DialogView d(picker);
    EXPECT_EQ(d.text(FilePicker::kNameId), "");
    d.setText(FilePicker::kNameId, "desk");
    d.click(FilePicker::kRegisterFolderId);
    ASSERT_TRUE(test::waitFor([&] { return app.caption(4) == "desk"; }));
    ASSERT_TRUE(app.closeAndWait());
    const auto saved = test::readFileBytes(dir.file("tarvok.ini"));
    EXPECT_NE(saved.find("[AP_NM]\r\n1F2=\r\n1F4=desk\r\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("[URL_KIND]\r\n1F4=0\r\n1F2=0\r\n"), std::string::npos) << saved;
}

HWND waitForDialog(Launcher& app, const wchar_t* windowClass) {
    std::vector<HWND> found;
    test::waitFor(
        [&] { return !(found = test::topWindowsOf(app.process().id(), windowClass)).empty(); });
    return found.empty() ? nullptr : found.front();
}

// The question before replacing the other kind of target, answered Yes.
void answerYes(Launcher& app, const std::string& question) {
    HWND box = nullptr;
    ASSERT_TRUE(test::waitFor([&] { return (box = app.box()) != nullptr; }));
    EXPECT_EQ(test::windowText(GetDlgItem(box, kBoxTextId)), question);
    PostMessageW(box, WM_COMMAND, IDYES, 0);
}

// Types the start of an entry's caption into a list (the list selects the entry that
// matches) and presses Enter there, as a keyboard user picks it.
void pickByTyping(HWND list, const std::wstring& start) {
    for (wchar_t c : start) {
        PostMessageW(list, WM_CHAR, c, 1); // a repeat count of 1, as the keyboard sends
    }
    test::postKey(list, VK_RETURN);
}

TEST(EndToEndRegistration,
     BothRegistrationsFromTheSlotMenuFillTheButtonsAndTheFileAndSurviveARestart) {
    ComApartment com;
    test::TempDir dir;
    // A folder of the test's own in the Programs folder the launcher will list.
    const std::string folderName = "tarvok-e2e-" + std::to_string(GetCurrentProcessId());
    const std::string folder = startMenuProgramsFolder() + "\\" + folderName;
    const std::string link = folder + "\\E2E Tool.lnk";
    ASSERT_TRUE(CreateDirectoryW(widen(folder).c_str(), nullptr));
    struct Remove {
        std::string link, folder;
        ~Remove() {
            DeleteFileW(widen(link).c_str());
            RemoveDirectoryW(widen(folder).c_str());
        }
    } remove{link, folder};
    ASSERT_EQ(createShortcut(link, "C:\\windows\\notepad.exe"), std::nullopt);
    {
        // An address on F2 and a program on F3: each registration asks before replacing.
        Launcher app(dir,
                     "[PG_KIND]\r\n1F2=0\r\n1F3=1\r\n\r\n[AP_NM]\r\n1F2=Web\r\n1F3=Tool\r\n\r\n"
                     "[LINK_PATH]\r\n1F2=\r\n1F3=C:\\windows\\notepad.exe\r\n\r\n[URL_KIND]\r\n"
                     "1F2=1\r\n1F3=0\r\n\r\n[URL]\r\n1F2=http://w.jp/\r\n1F3=\r\n\r\n");
        ASSERT_NE(app.window(), nullptr);
        app.chooseFromSlotMenu(2, 0);
        answerYes(app, replaceQuestion(text::kAskReplaceAddressHead, "Web",
                                       text::kMenuRegisterFromStartMenu));
        const test::DialogView picker(waitForDialog(app, L"TF_LIST"));
        ASSERT_NE(picker.hwnd(), nullptr);
        EXPECT_EQ(picker.text(StartMenuPicker::kNameId), "");
        pickByTyping(picker.item(StartMenuPicker::kFirstListId), widen(folderName));
        ASSERT_TRUE(test::waitFor([&] {
            return ListView_GetItemCount(picker.item(StartMenuPicker::kSecondListId)) == 1;
        }));
        test::postKey(picker.hwnd(), VK_TAB);
        pickByTyping(picker.item(StartMenuPicker::kSecondListId), L"E2E");
        ASSERT_TRUE(
            test::waitFor([&] { return picker.text(StartMenuPicker::kNameId) == "E2E Tool"; }));
        picker.click(StartMenuPicker::kRegisterId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(2) == "E2E Tool"; }));

        app.chooseFromSlotMenu(3, 2);
        answerYes(
            app, replaceQuestion(text::kAskReplaceProgramHead, "Tool", text::kMenuRegisterAddress));
        const test::DialogView address(waitForDialog(app, L"TF_URLSET"));
        ASSERT_NE(address.hwnd(), nullptr);
        EXPECT_EQ(address.text(AddressDialog::kTitleId), "");
        EXPECT_EQ(address.text(AddressDialog::kAddressId), "http://");
        address.setText(AddressDialog::kTitleId, "ホーム");
        address.setText(AddressDialog::kAddressId, "http://example.jp/");
        address.click(AddressDialog::kRegisterId);
        ASSERT_TRUE(test::waitFor([&] { return app.caption(3) == "ホーム"; }));
        ASSERT_TRUE(app.closeAndWait());
    }
    const std::string saved = test::readFileBytes(dir.file("tarvok.ini"));
    const std::string path = systemCodec().encode(link).value();
    EXPECT_EQ(saved.substr(0, saved.find("[Form]")),
              "[PG_KIND]\r\n1F2=1\r\n1F3=0\r\n\r\n[AP_NM]\r\n1F2=E2E Tool\r\n1F3=" +
                  sjis("ホーム") + "\r\n\r\n[LINK_PATH]\r\n1F2=" + path +
                  "\r\n1F3=\r\n\r\n[URL_KIND]\r\n1F2=0\r\n1F3=1\r\n\r\n[URL]\r\n1F2=\r\n"
                  "1F3=http://example.jp/\r\n\r\n");
    Launcher again(dir, "");
    ASSERT_NE(again.window(), nullptr);
    EXPECT_EQ(again.caption(2), "E2E Tool");
    EXPECT_EQ(again.caption(3), "ホーム");
    EXPECT_TRUE(again.closeAndWait());
}

} // namespace
