// The file and folder picker with its real controls, on a temporary folder tree: what the
// drive box, folder list and file list show, the messages of its checks, and what each way of
// registering leaves in the settings file and on the slot button.
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/file_picker.h"
#include "platform/com.h"
#include "platform/cp932_codec.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "platform/unhandled.h"
#include "tests/windows/support/main_window_fixture.h"
#include "tests/windows/support/process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

using namespace tarvok;
using test::DialogView;
using test::UiDriver;

namespace {

using Picker = FilePicker;
constexpr int kRegisterFileOrFolder = 1; // in the slot menu

std::string sjis(const std::string& utf8) {
    return systemCodec().encode(utf8).value();
}

// What the launcher writes for a file or folder registration, in the order it writes it, so
// a whole file compares against it.
std::string programRecord(const std::string& key, const std::string& caption,
                          const std::string& path) {
    return "[PG_KIND]\r\n" + key + "=1\r\n\r\n[AP_NM]\r\n" + key + "=" + sjis(caption) +
           "\r\n\r\n[LINK_PATH]\r\n" + key + "=" + sjis(path) + "\r\n\r\n[URL_KIND]\r\n" + key +
           "=0\r\n\r\n[URL]\r\n" + key + "=\r\n\r\n";
}

class FilePickerTest : public test::MainWindowTest {
  protected:
    void SetUp() override {
        tree = dir.file("tree");
        folder(tree);
        for (const char* sub : {"Alpha", "beta", "deep", "deep\\d1", "deep\\d1\\d2",
                                "deep\\d1\\d2\\d3", "hidden folder"}) {
            folder(tree + "\\" + sub);
        }
        for (const char* name : {"readme.txt", "notepad.exe", "a.tar.gz", "hidden.txt",
                                 "system.txt", "Alpha\\inside.txt"}) {
            test::writeFileBytes(tree + "\\" + name, "x");
        }
        SetFileAttributesW(widen(tree + "\\hidden folder").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW(widen(tree + "\\hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
        SetFileAttributesW(widen(tree + "\\system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
        ComApartment com;
        ASSERT_EQ(createShortcut(tree + "\\Editor.LNK", tree + "\\notepad.exe"), std::nullopt);
        test::writeFileBytes(tree + "\\broken.lnk", "not a shortcut");
    }
    void TearDown() override {
        MainWindowTest::TearDown();
        // Entering a folder made it the current directory: leave it, so it can be removed.
        SetCurrentDirectoryW(widen(test::binFolder()).c_str());
    }
    static void folder(const std::string& path) { CreateDirectoryW(widen(path).c_str(), nullptr); }
    static int rowOf(const DialogView& d, int id, const std::string& text) {
        const auto rows = d.rows(id);
        const auto at = std::find(rows.begin(), rows.end(), text);
        return at == rows.end() ? -1 : static_cast<int>(at - rows.begin());
    }
    // Opens the picker from the slot menu of a button on page 1.
    void openPicker(int keyNumber) { chooseFromSlotMenu(keyNumber, kRegisterFileOrFolder); }

    std::string tree;
};

TEST_F(FilePickerTest, TheDriveBoxListsEveryDriveAndShowsTheCurrentFolders) {
    Picker picker;
    picker.applyPath(tree);
    std::vector<std::string> drives;
    int shown = -1;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
        drives = d.rows(Picker::kDriveBoxId);
        shown = d.selectedRow(Picker::kDriveBoxId);
        d.key(VK_ESCAPE);
    });
    EXPECT_FALSE(picker.run(nullptr, {settingsPath(), "1F2"}));
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(drives.size(), static_cast<std::size_t>(std::popcount(GetLogicalDrives())));
    std::string letters;
    for (const auto& entry : drives) {
        ASSERT_GE(entry.size(), 2u);
        EXPECT_EQ(entry[1], ':') << entry;
        letters.push_back(entry[0]);
        // A fixed drive adds its label in brackets.
        const wchar_t root[] = {static_cast<wchar_t>(entry[0]), L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_FIXED) {
            EXPECT_EQ(entry.substr(2, 2), " [") << entry;
            EXPECT_EQ(entry.back(), ']') << entry;
        }
    }
    EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end()));
    EXPECT_TRUE(std::all_of(letters.begin(), letters.end(), [](char c) { return c >= 'a'; }));
    ASSERT_GE(shown, 0);
    EXPECT_EQ(letters[static_cast<std::size_t>(shown)], 'c');
}

TEST_F(FilePickerTest, TheFolderListShowsTheWayDownAndTheSubfoldersAndEntersOnDoubleClick) {
    Picker picker;
    std::vector<std::string> changes;
    picker.onFolderChange([&](const std::string& f) { changes.push_back(f); });
    picker.applyPath(tree + "\\deep\\d1\\");
    std::vector<std::string> deep, root, after;
    int current = -1, focus = 0;
    std::string name;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          deep = d.rows(Picker::kFolderListId);
          current = d.selectedRow(Picker::kFolderListId);
          focus = d.focusedId();
          d.doubleClickRow(Picker::kFolderListId, rowOf(d, Picker::kFolderListId, "d2"));
      })
        .dialog([&](const DialogView& d) {
            after = d.rows(Picker::kFolderListId);
            name = d.text(Picker::kNameId);
            d.doubleClickRow(Picker::kFolderListId, 0);
        })
        .dialog([&](const DialogView& d) {
            root = d.rows(Picker::kFolderListId);
            d.click(IDCANCEL);
        });
    EXPECT_FALSE(picker.run(nullptr, {settingsPath(), "1F2"}));
    EXPECT_TRUE(ui.finished());

    const std::vector<std::string> tail = {"tree", "deep", "d1", "d2"};
    ASSERT_GE(deep.size(), 5u);
    EXPECT_EQ(deep.front(), "C:\\");
    EXPECT_TRUE(std::equal(tail.begin(), tail.end(), deep.end() - 4));
    EXPECT_EQ(current, static_cast<int>(deep.size()) - 2) << "the current folder is highlighted";
    EXPECT_EQ(focus, Picker::kFolderListId);
    EXPECT_EQ(after.back(), "d3");
    EXPECT_EQ(name, tree + "\\deep\\d1\\d2") << "a folder proposes its full path";
    EXPECT_EQ(root.front(), "C:\\");
    EXPECT_NE(std::find(root.begin(), root.end(), "windows"), root.end());
    EXPECT_EQ(picker.currentFolder(), "C:\\");
    EXPECT_EQ(changes,
              (std::vector<std::string>{tree + "\\deep\\d1", tree + "\\deep\\d1\\d2", "C:\\"}));
    EXPECT_EQ(currentDirectory(), "C:\\") << "entering makes it the process's current directory";
}

TEST_F(FilePickerTest, TheFileListShowsOrdinaryFilesByFilterAndProposesNames) {
    Picker picker;
    picker.applyPath(tree);
    std::vector<std::string> all, programs, shortcuts, folders;
    std::string proposed, proposedAfterFilter;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          all = d.rows(Picker::kFileListId);
          folders = d.rows(Picker::kFolderListId);
          d.clickRow(Picker::kFileListId, rowOf(d, Picker::kFileListId, "a.tar.gz"));
      })
        .dialog([&](const DialogView& d) {
            proposed = d.text(Picker::kNameId);
            d.click(Picker::kFilterId + 2);
        })
        .dialog([&](const DialogView& d) {
            programs = d.rows(Picker::kFileListId);
            d.click(Picker::kFilterId + 3);
        })
        .dialog([&](const DialogView& d) {
            shortcuts = d.rows(Picker::kFileListId);
            proposedAfterFilter = d.text(Picker::kNameId);
            d.key(VK_ESCAPE);
        });
    EXPECT_FALSE(picker.run(nullptr, {settingsPath(), "1F2"}));
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(all, (std::vector<std::string>{"a.tar.gz", "broken.lnk", "Editor.LNK", "notepad.exe",
                                             "readme.txt"}));
    EXPECT_EQ(proposed, "a.tar");
    EXPECT_EQ(programs, (std::vector<std::string>{"notepad.exe"}));
    EXPECT_EQ(shortcuts, (std::vector<std::string>{"broken.lnk", "Editor.LNK"}));
    EXPECT_EQ(proposedAfterFilter, "a.tar") << "changing the filter keeps what the field holds";
    EXPECT_EQ(std::count(folders.begin(), folders.end(), "hidden folder"), 0);
    EXPECT_EQ(folders.back(), "deep") << "subfolders sorted without regard to case";
}

TEST_F(FilePickerTest, EveryCheckWarnsAndWritesNothing) {
    Picker picker;
    picker.applyPath(tree);
    int focusAfterWarning = 0;
    UiDriver ui;
    ui.dialog([](const DialogView& d) {
          d.setText(Picker::kNameId, "");
          d.click(Picker::kRegisterFileId);
      })
        .box(IDOK)
        .dialog([&](const DialogView& d) {
            focusAfterWarning = d.focusedId();
            d.click(Picker::kRegisterFolderId);
        })
        .box(IDOK)
        .dialog([](const DialogView& d) {
            d.setText(Picker::kNameId, "  ");
            d.click(Picker::kRegisterFileId);
        })
        .box(IDOK)
        .dialog([](const DialogView& d) {
            d.setText(Picker::kNameId, "😀");
            d.click(Picker::kRegisterFolderId);
        })
        .box(IDOK)
        .dialog([](const DialogView& d) { d.close(); });
    EXPECT_FALSE(picker.run(nullptr, {settingsPath(), "1F2"}));
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(ui.boxes().size(), 4u);
    for (std::size_t i : {0u, 1u}) {
        EXPECT_EQ(ui.boxes()[i].caption, "警告");
        EXPECT_EQ(ui.boxes()[i].text, "ボタン名が未入力です") << i;
    }
    EXPECT_EQ(focusAfterWarning, Picker::kNameId);
    EXPECT_EQ(ui.boxes()[2].text, "ファイルが選択されていません") << "blanks are a name";
    EXPECT_NE(ui.boxes()[3].text.find("保存できない文字"), std::string::npos);
    EXPECT_FALSE(test::fileExists(settingsPath()));
    EXPECT_EQ(picker.chosenPath(), "");
}

TEST_F(FilePickerTest, AFileAShortcutsTargetOrABrokenShortcutItselfIsRegistered) {
    const std::string other = "[PAGE_NM]\r\n1=" + sjis("仕事") + "\r\n\r\n";
    writeSettings(other + programRecord("1F3", "old", tree + "\\readme.txt"));
    auto& w = open();
    struct Case {
        const char* row;
        std::string path;
    };
    const Case cases[] = {{"notepad.exe", tree + "\\notepad.exe"},
                          {"Editor.LNK", tree + "\\notepad.exe"},
                          {"broken.lnk", tree + "\\broken.lnk"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        writeSettings(other + programRecord("1F3", "old", tree + "\\readme.txt"));
        const std::string shown = caption(3);
        std::string selected, name;
        UiDriver ui;
        ui.dialog([&](const DialogView& d) {
              selected = d.rows(Picker::kFileListId)[static_cast<std::size_t>(
                  std::max(0, d.selectedRow(Picker::kFileListId)))];
              name = d.text(Picker::kNameId);
              d.clickRow(Picker::kFileListId, rowOf(d, Picker::kFileListId, c.row));
          }).dialog([](const DialogView& d) { d.click(Picker::kRegisterFileId); });
        openPicker(3);
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.dialogs().front(), "ファイルやフォルダの登録/変更");
        EXPECT_EQ(selected, "readme.txt") << "the stored file is selected";
        EXPECT_EQ(name, shown) << "the name field shows the button's caption";
        const std::string proposed = proposedName(c.row);
        EXPECT_EQ(settingsBytes(), other + programRecord("1F3", proposed, c.path));
        EXPECT_EQ(caption(3), proposed);
        EXPECT_EQ(w.chosenPath(), c.path);
        EXPECT_EQ(w.editedSlotKey(), "1F3");
    }
    EXPECT_TRUE(w.slotButton(3).hasGlyph());
}

TEST_F(FilePickerTest, RegisterFolderTakesTheEnteredFolderNotTheHighlightedOne) {
    writeSettings(programRecord("1F2", "フォルダ", tree));
    auto& w = open();
    std::string name;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          name = d.text(Picker::kNameId);
          d.clickRow(Picker::kFolderListId, rowOf(d, Picker::kFolderListId, "Alpha"));
      }).dialog([](const DialogView& d) {
        d.setText(Picker::kNameId, "作業 ﾌｫﾙﾀﾞ");
        d.click(Picker::kRegisterFolderId);
    });
    openPicker(2);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(name, "フォルダ") << "a stored folder is shown with the caption as the name";
    EXPECT_EQ(settingsBytes(), programRecord("1F2", "作業 ﾌｫﾙﾀﾞ", tree));
    EXPECT_EQ(caption(2), "作業 ﾌｫﾙﾀﾞ");
    EXPECT_TRUE(w.slotButton(2).hasGlyph());
    EXPECT_EQ(w.pickerFolder(), tree);
}

TEST_F(FilePickerTest, TheNextOpeningStartsWhereTheLastEndedAndTheFirstOnTheDesktop) {
    const std::string stored = programRecord("1F3", "doc", tree + "\\Alpha\\inside.txt");
    writeSettings(stored);
    auto& w = open();
    std::string firstShown, lastShown, lastRow;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          firstShown = d.rows(Picker::kFolderListId)[static_cast<std::size_t>(
              d.selectedRow(Picker::kFolderListId))];
          d.key(VK_ESCAPE);
      })
        .dialog([](const DialogView& d) {
            d.doubleClickRow(Picker::kFolderListId, rowOf(d, Picker::kFolderListId, "tree"));
        })
        .dialog([](const DialogView& d) { d.click(IDCANCEL); })
        .dialog([&](const DialogView& d) {
            const auto rows = d.rows(Picker::kFolderListId);
            lastShown = rows[static_cast<std::size_t>(d.selectedRow(Picker::kFolderListId))];
            lastRow = rows.back();
            d.close();
        });
    openPicker(2);
    const std::string desktop = specialFolderPath(folder::kDesktop);
    EXPECT_EQ(w.pickerFolder(), desktop);
    EXPECT_EQ(firstShown, desktop.substr(desktop.rfind('\\') + 1));
    openPicker(3);
    EXPECT_EQ(w.pickerFolder(), tree);
    openPicker(4);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(lastShown, "tree");
    EXPECT_EQ(lastRow, "deep");
    EXPECT_EQ(settingsBytes(), stored) << "cancelling writes nothing";
}

TEST_F(FilePickerTest, AVanishedPickerFolderGivesTheMediumBoxOnceAndTheDialogIsNotShown) {
    const std::string gone = tree + "\\gone";
    folder(gone);
    test::writeFileBytes(gone + "\\f.txt", "x");
    writeSettings(programRecord("1F2", "f", gone + "\\f.txt"));
    auto& w = open();
    UiDriver ui;
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); })
        .box(IDOK)
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    openPicker(2);
    ASSERT_EQ(w.pickerFolder(), gone);
    SetCurrentDirectoryW(widen(tree).c_str());
    DeleteFileW(widen(gone + "\\f.txt").c_str());
    ASSERT_TRUE(RemoveDirectoryW(widen(gone).c_str()));
    openPicker(3);
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "情報");
    EXPECT_EQ(ui.boxes()[0].text, "CD-R/RW, ﾌﾛｯﾋﾟｰ等が正常にセットされていません");
    EXPECT_EQ(ui.dialogs().size(), 1u) << "the dialog is not shown after the box";
    EXPECT_TRUE(mediumErrorHandlerInstalled());
    openPicker(3);
    EXPECT_TRUE(ui.finished()) << "the opening after the box starts on the desktop";
    EXPECT_EQ(w.pickerFolder(), specialFolderPath(folder::kDesktop));
    EXPECT_EQ(settingsBytes(), programRecord("1F2", "f", gone + "\\f.txt"));
}

TEST_F(FilePickerTest, AnAddressSlotAsksFirstAndOnlyYesOpensThePickerWithAnEmptyName) {
    const std::string address =
        "[PG_KIND]\r\n1F5=0\r\n\r\n[AP_NM]\r\n1F5=Home\r\n\r\n[URL_KIND]\r\n"
        "1F5=1\r\n\r\n[URL]\r\n1F5=http://example.jp/\r\n\r\n";
    writeSettings(address);
    open();
    std::string name = "unread";
    UiDriver ui;
    ui.box(IDNO).box(IDYES).dialog([&](const DialogView& d) {
        name = d.text(Picker::kNameId);
        d.key(VK_ESCAPE);
    });
    openPicker(5);
    EXPECT_EQ(ui.dialogs().size(), 0u) << "No ends the command before the dialog";
    openPicker(5);
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].caption, "情報");
    EXPECT_EQ(ui.boxes()[0].text,
              replaceQuestion(text::kAskReplaceAddressHead, "Home", text::kPopOthersFile));
    EXPECT_EQ(name, "");
    EXPECT_EQ(settingsBytes(), address);
    EXPECT_EQ(caption(5), "Home");
}

} // namespace

TEST(PickerIcons, EveryRowKindAndEveryDriveOfTheMachineHasAGlyph) {
    const auto drives = machineDrives();
    const ListIcons icons;
    for (auto icon : {ListIcons::FolderOpen, ListIcons::FolderClosed, ListIcons::Program,
                      ListIcons::Document}) {
        EXPECT_NE(icons.get(icon), nullptr) << icon;
    }
    for (const auto& drive : drives) {
        EXPECT_NE(icons.drive(drive.type), nullptr) << drive.letter;
    }
}
