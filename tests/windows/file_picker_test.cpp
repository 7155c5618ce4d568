// The file and folder picker with its real controls, on a temporary folder tree: what the
// drive box, folder list and file list show, the messages of its checks, and what each way of
// registering leaves in the settings file and on the slot button.
#include "dialogs/file_picker.h"
#include "platform/com.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "settings/paths.h"
#include "tests/windows/support/main_window_fixture.h"
#include "tests/windows/support/process.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using test::UiDriver;

namespace {

using test::sjis;
using Picker = FilePicker;
constexpr int kRegisterFileOrFolder = 1; // in the slot menu

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

TEST_F(FilePickerTest, BrowsingDrivesFoldersAndFilteredFiles) {
    Picker picker;
    std::vector<std::string> changes;
    picker.onFolderChange([&](const std::string& f) { changes.push_back(f); });
    picker.applyPath(tree + "\\deep\\d1\\");
    std::vector<std::string> drives, deep, inTree, root, files, programs, shortcuts;
    std::vector<int> tabOrder;
    int driveShown = -1, current = -1, focus = 0;
    std::string folderName, fileName, otherRoot, fileListName, fileLabel;
    char otherDrive = 0;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          drives = d.rows(Picker::kDriveBoxId);
          driveShown = d.selectedRow(Picker::kDriveBoxId);
          deep = d.rows(Picker::kFolderListId);
          current = d.selectedRow(Picker::kFolderListId);
          focus = d.focusedId();
          fileListName = test::spoken(d.item(Picker::kFileListId)).name;
          fileLabel = d.text(Picker::kFileLabelId);
          for (HWND h = d.item(focus); tabOrder.size() < 10;) {
              h = GetNextDlgTabItem(d.hwnd(), h, FALSE);
              tabOrder.push_back(GetDlgCtrlID(h));
          }
          d.doubleClickRow(Picker::kFolderListId, rowOf(d, Picker::kFolderListId, "tree"));
      })
        .dialog([&](const DialogView& d) {
            folderName = d.text(Picker::kNameId);
            inTree = d.rows(Picker::kFolderListId);
            files = d.rows(Picker::kFileListId);
            d.clickRow(Picker::kFileListId, rowOf(d, Picker::kFileListId, "a.tar.gz"));
        })
        .dialog([&](const DialogView& d) {
            fileName = d.text(Picker::kNameId);
            d.click(Picker::kFilterId + 2);
        })
        .dialog([&](const DialogView& d) {
            programs = d.rows(Picker::kFileListId);
            d.click(Picker::kFilterId + 3);
        })
        .dialog([&](const DialogView& d) {
            shortcuts = d.rows(Picker::kFileListId);
            // Enter on a highlighted row enters it too.
            d.clickRow(Picker::kFolderListId, 0);
            d.key(VK_RETURN);
        })
        .dialog([&](const DialogView& d) {
            root = d.rows(Picker::kFolderListId);
            // Another fixed drive, where the machine has one (Wine's z:).
            const auto entries = d.rows(Picker::kDriveBoxId);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const wchar_t at[] = {static_cast<wchar_t>(entries[i][0]), L':', L'\\', 0};
                if (entries[i][0] != 'c' && GetDriveTypeW(at) == DRIVE_FIXED) {
                    otherDrive = entries[i][0];
                    d.chooseRow(Picker::kDriveBoxId, static_cast<int>(i));
                }
            }
        })
        .dialog([&](const DialogView& d) {
            otherRoot = d.rows(Picker::kFolderListId).front();
            d.click(Picker::kDesktopId);
        })
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    EXPECT_FALSE(picker.run(nullptr));
    EXPECT_TRUE(ui.finished());

    // Every drive of the machine in letter order, lower case; fixed ones with their label.
    ASSERT_EQ(drives.size(), static_cast<std::size_t>(std::popcount(GetLogicalDrives())));
    for (std::size_t i = 0; i < drives.size(); ++i) {
        EXPECT_EQ(drives[i].substr(1, 1), ":");
        EXPECT_TRUE(i == 0 || drives[i - 1][0] < drives[i][0]) << drives[i];
        const wchar_t root[] = {static_cast<wchar_t>(drives[i][0]), L':', L'\\', 0};
        if (GetDriveTypeW(root) == DRIVE_FIXED) {
            EXPECT_EQ(drives[i].substr(2, 2), " [") << drives[i];
            EXPECT_EQ(drives[i].back(), ']') << drives[i];
        }
    }
    ASSERT_GE(driveShown, 0);
    EXPECT_EQ(drives[static_cast<std::size_t>(driveShown)][0], 'c');
    // The way down from the root, the current folder highlighted, then its subfolders.
    const std::vector<std::string> tail = {"C:\\", "tree", "deep", "d1", "d2"};
    ASSERT_GE(deep.size(), tail.size());
    EXPECT_EQ(deep.front(), tail.front());
    EXPECT_TRUE(std::equal(tail.begin() + 1, tail.end(), deep.end() - 4));
    EXPECT_EQ(current, static_cast<int>(deep.size()) - 2);
    EXPECT_EQ(focus, Picker::kFolderListId);
    EXPECT_EQ(fileListName, fileLabel) << "a screen reader names the list after its label";
    EXPECT_EQ(tabOrder,
              (std::vector<int>{Picker::kFileListId, Picker::kFilterId + 1, Picker::kNameId,
                                Picker::kRegisterFileId, IDCANCEL, Picker::kRegisterFolderId,
                                Picker::kDriveBoxId, Picker::kMyDocumentsId, Picker::kDesktopId,
                                Picker::kFolderListId}));
    EXPECT_EQ(folderName, tree) << "a folder proposes its full path";
    // Hidden folders too: on Windows ProgramData and AppData are hidden.
    const std::vector<std::string> subfolders = {"Alpha", "beta", "deep", "hidden folder"};
    ASSERT_GE(inTree.size(), subfolders.size());
    EXPECT_TRUE(std::equal(subfolders.begin(), subfolders.end(), inTree.end() - 4));
    // Ordinary files only, sorted; the filters; a file proposes its name.
    EXPECT_EQ(files, (std::vector<std::string>{"a.tar.gz", "broken.lnk", "Editor.LNK",
                                               "notepad.exe", "readme.txt"}));
    EXPECT_EQ(fileName, "a.tar");
    EXPECT_EQ(programs, (std::vector<std::string>{"notepad.exe"}));
    EXPECT_EQ(shortcuts, (std::vector<std::string>{"broken.lnk", "Editor.LNK"}));
    // A drive root and its subfolders.
    EXPECT_EQ(root.front(), "C:\\");
    EXPECT_NE(std::find(root.begin(), root.end(), "windows"), root.end());
    ASSERT_GE(changes.size(), 4u);
    EXPECT_EQ(std::vector<std::string>(changes.begin(), changes.begin() + 3),
              (std::vector<std::string>{tree + "\\deep\\d1", tree, "C:\\"}));
    if (otherDrive != 0) {
        EXPECT_EQ(driveLetterOf(otherRoot), otherDrive) << "choosing a drive enters it";
    }
    // The quick folder; entering makes it the current directory.
    EXPECT_EQ(picker.currentFolder(), normalFolder(specialFolderPath(folder::kDesktop)));
    EXPECT_EQ(changes.back(), picker.currentFolder());
    EXPECT_EQ(currentDirectory(), picker.currentFolder());
}

TEST_F(FilePickerTest, EveryCheckWarnsKeepsTheDialogOpenAndWritesNothing) {
    open();
    int focus = 0;
    UiDriver ui;
    ui.dialog([](const DialogView& d) {
          d.setText(Picker::kNameId, "");
          d.click(Picker::kRegisterFileId);
      })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            focus = d.focusedId();
            d.click(Picker::kRegisterFolderId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) {
            d.setText(Picker::kNameId, "  "); // blanks are a name
            d.click(Picker::kRegisterFileId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) {
            d.setText(Picker::kNameId, "😀");
            d.click(Picker::kRegisterFolderId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.close(); });
    openPicker(2);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(ui.unexpected(), 0);
    ASSERT_EQ(ui.boxes().size(), 4u);
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, "ボタン名が未入力です");
    EXPECT_EQ(ui.boxes()[1].text, "ボタン名が未入力です");
    EXPECT_EQ(focus, Picker::kNameId);
    EXPECT_EQ(ui.boxes()[2].text, "ファイルが選択されていません");
    EXPECT_NE(ui.boxes()[3].text.find("保存できない文字"), std::string::npos);
    EXPECT_FALSE(test::fileExists(settingsPath()));
}

TEST_F(FilePickerTest, RegistersAFileAShortcutsTargetABrokenShortcutOrTheEnteredFolder) {
    const std::string other = "[PAGE_NM]\r\n1=" + sjis("仕事") + "\r\n\r\n";
    const std::string stored = programRecord("1F3", "old", tree + "\\readme.txt");
    writeSettings(other + stored);
    auto& w = open();
    struct Case {
        int list;
        const char* row;
        int button;
        std::string caption, path;
    };
    const Case cases[] = {
        {Picker::kFileListId, "notepad.exe", Picker::kRegisterFileId, "notepad",
         tree + "\\notepad.exe"},
        {Picker::kFileListId, "Editor.LNK", Picker::kRegisterFileId, "Editor",
         tree + "\\notepad.exe"},
        // A shortcut that cannot be resolved is kept as itself, not as an empty path.
        {Picker::kFileListId, "broken.lnk", Picker::kRegisterFileId, "broken",
         tree + "\\broken.lnk"},
        // A highlighted folder is not entered: the folder shown is registered.
        {Picker::kFolderListId, "Alpha", Picker::kRegisterFolderId, tree, tree},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        writeSettings(other + stored);
        const std::string shown = caption(3);
        std::string selected, name;
        UiDriver ui;
        ui.dialog([&](const DialogView& d) {
              const auto row = d.selectedRow(Picker::kFileListId);
              selected = row < 0 ? "" : d.rows(Picker::kFileListId)[static_cast<std::size_t>(row)];
              name = d.text(Picker::kNameId);
              d.clickRow(c.list, rowOf(d, c.list, c.row));
          }).dialog([&](const DialogView& d) {
            if (c.list == Picker::kFolderListId) {
                d.setText(Picker::kNameId, c.caption);
            }
            d.click(c.button);
        });
        openPicker(3);
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.dialogs().front(), "ファイルやフォルダの登録/変更");
        EXPECT_EQ(selected, "readme.txt") << "the stored file is selected";
        EXPECT_EQ(name, shown) << "the name field shows the button's caption";
        EXPECT_EQ(settingsBytes(), other + programRecord("1F3", c.caption, c.path));
        EXPECT_EQ(caption(3), c.caption);
        EXPECT_TRUE(w.slotButton(3).hasGlyph());
    }
}

TEST_F(FilePickerTest, OpensOnTheDesktopThenWhereItLastWasAndAVanishedFolderGivesTheMediumBox) {
    const std::string gone = tree + "\\gone";
    folder(gone);
    test::writeFileBytes(gone + "\\f.txt", "x");
    // Stored in another letter case, as old files and shortcut targets often are.
    const std::string stored = programRecord("1F3", "f", gone + "\\F.TXT");
    writeSettings(stored);
    open();
    std::string firstShown, carriedShown, storedSelected, shownAfterBox;
    const auto shownFolder = [](const DialogView& d) {
        return d.rows(
            Picker::kFolderListId)[static_cast<std::size_t>(d.selectedRow(Picker::kFolderListId))];
    };
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          firstShown = shownFolder(d);
          d.key(VK_ESCAPE);
      })
        .dialog([&](const DialogView& d) {
            const int row = d.selectedRow(Picker::kFileListId);
            storedSelected =
                row < 0 ? "" : d.rows(Picker::kFileListId)[static_cast<std::size_t>(row)];
            d.click(IDCANCEL);
        })
        .dialog([&](const DialogView& d) {
            carriedShown = shownFolder(d);
            d.close();
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            shownAfterBox = shownFolder(d);
            d.key(VK_ESCAPE);
        });
    const std::string desktop = specialFolderPath(folder::kDesktop);
    openPicker(2);
    EXPECT_EQ(firstShown, desktop.substr(desktop.rfind('\\') + 1));
    openPicker(3);
    EXPECT_EQ(storedSelected, "f.txt");
    openPicker(2);
    EXPECT_EQ(carriedShown, "gone");
    SetCurrentDirectoryW(widen(tree).c_str());
    DeleteFileW(widen(gone + "\\f.txt").c_str());
    ASSERT_TRUE(RemoveDirectoryW(widen(gone).c_str()));
    openPicker(2);
    EXPECT_EQ(ui.dialogs().size(), 3u) << "no dialog after the box";
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "情報");
    EXPECT_EQ(ui.boxes()[0].text, "CD-R/RW, ﾌﾛｯﾋﾟｰ等が正常にセットされていません");
    // The slot's own file is gone too: the picker opens all the same.
    openPicker(3);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(shownAfterBox, firstShown) << "the opening after the box starts on the desktop";
    EXPECT_EQ(settingsBytes(), stored) << "cancelling writes nothing";
}

TEST_F(FilePickerTest, APathLongerThanTheSystemsLimitIsListedAndRegisteredWhole) {
    std::string path = tree;
    while (path.size() < 600) {
        path += "\\" + std::string(40, 'x');
        CreateDirectoryW(widen("\\\\?\\" + path).c_str(), nullptr);
    }
    test::writeFileBytes("\\\\?\\" + path + "\\tool.exe", "x");
    Picker picker;
    picker.applyPath(path + "\\tool.exe");
    std::vector<std::string> files;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
        files = d.rows(Picker::kFileListId);
        d.click(Picker::kRegisterFileId);
    });
    const auto chosen = picker.run(nullptr);
    EXPECT_EQ(files, (std::vector<std::string>{"tool.exe"}));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(chosen->path, path + "\\tool.exe");
    EXPECT_EQ(chosen->name, path);
    // The temporary folder is removed with short paths: take the long ones down first.
    SetCurrentDirectoryW(widen(tree).c_str());
    DeleteFileW(widen("\\\\?\\" + path + "\\tool.exe").c_str());
    for (; path.size() > tree.size(); path.resize(path.rfind('\\'))) {
        RemoveDirectoryW(widen("\\\\?\\" + path).c_str());
    }
}

TEST(PickerIcons, EveryKindOfRowAndDriveHasAGlyph) {
    const ListIcons icons;
    for (int icon = 0; icon < ListIcons::Count; ++icon) {
        EXPECT_NE(icons.get(static_cast<ListIcons::Icon>(icon)), nullptr) << icon;
    }
}

} // namespace
