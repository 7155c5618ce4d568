// The start-menu picker over a Start-menu tree made for the test: what the lists show, clicks
// and descent, every refusal, the folder buttons and the registry rule. The slot menu's
// command around it is driven end to end.
#include "dialogs/start_menu_picker.h"
#include "platform/com.h"
#include "platform/files.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/temp_dir.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using test::UiDriver;
using Picker = StartMenuPicker;
using Stored = std::vector<std::pair<std::string, std::string>>;

namespace {

std::vector<std::string> captions(HWND list) {
    std::vector<std::string> shown;
    for (int i = 0; i < ListView_GetItemCount(list); ++i) {
        wchar_t text[MAX_PATH] = {};
        ListView_GetItemText(list, i, 0, text, MAX_PATH);
        shown.push_back(narrow(text));
    }
    return shown;
}

int indexOf(HWND list, const std::string& caption) {
    const std::wstring wide = widen(caption);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = wide.c_str();
    return ListView_FindItem(list, -1, &find);
}

// A mouse click on an entry, or on the empty space below the entries.
void click(HWND list, const std::string& caption = {}) {
    RECT r{};
    GetClientRect(list, &r);
    r.top = r.bottom - 4;
    if (!caption.empty()) {
        ListView_GetItemRect(list, indexOf(list, caption), &r, LVIR_LABEL);
    }
    const LPARAM point = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, point);
    PostMessageW(list, WM_LBUTTONUP, 0, point);
}

void shortcut(const std::string& path) {
    ASSERT_EQ(createShortcut(path, "C:\\windows\\notepad.exe"), std::nullopt) << path;
}

class StartMenuPickerTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* folder : {"Accessories", "Accessories\\System Tools", "ﾂｰﾙ"}) {
            CreateDirectoryW(widen(dir.file(folder)).c_str(), nullptr);
        }
        for (const char* link : {"Accessories\\Notepad.lnk", "Accessories\\System Tools\\Deep.lnk",
                                 "表計算.lnk", "Editor.LNK", "abc.lnk", "ｴﾃﾞｨﾀ.lnk"}) {
            shortcut(dir.file(link));
        }
        test::writeFileBytes(dir.file("desktop.ini"), "[.ShellClassInfo]\r\n");
        SetFileAttributesW(widen(dir.file("desktop.ini")).c_str(),
                           FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
        test::writeFileBytes(dir.file("Site.url"), "[InternetShortcut]\r\nURL=http://a.jp/\r\n");
    }
    std::optional<StartMenuChoice> run(UiDriver& ui, const std::string& name = "old") {
        Picker picker(dir.path());
        auto result = picker.run(nullptr, name, [this](const StartMenuChoice& c) {
            stored.emplace_back(c.name, c.shortcut);
        });
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.unexpected(), 0);
        return result;
    }
    ComApartment com;
    test::TempDir dir;
    Stored stored;
};

TEST_F(StartMenuPickerTest, ListsEveryEntryInLstrcmpOrderWithIconsAndTypes) {
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
        EXPECT_EQ(d.className(), "TF_LIST");
        EXPECT_EQ(d.focusedId(), Picker::kFirstListId);
        EXPECT_EQ(d.text(Picker::kNameId), "old");
        HWND list = d.item(Picker::kFirstListId);
        auto shown = captions(list);
        auto expected = shown;
        std::sort(expected.begin(), expected.end(), [](auto& a, auto& b) {
            return lstrcmpW(widen(a).c_str(), widen(b).c_str()) < 0;
        });
        EXPECT_EQ(shown, expected) << "Japanese and Latin captions in lstrcmp order";
        std::sort(shown.begin(), shown.end());
        EXPECT_EQ(shown,
                  (std::vector<std::string>{"Accessories", "Editor.LNK", "Site.url", "abc.lnk",
                                            "desktop.ini", "表計算.lnk", "ｴﾃﾞｨﾀ.lnk", "ﾂｰﾙ"}));
        for (int i = 0; i < ListView_GetItemCount(list); ++i) {
            LVITEMW item{};
            item.mask = LVIF_IMAGE;
            item.iItem = i;
            ListView_GetItem(list, &item);
            wchar_t type[80] = {};
            ListView_GetItemText(list, i, 1, type, 80);
            EXPECT_TRUE(item.iImage >= 0 && type[0] != 0) << "icon and type of entry " << i;
        }
        d.key(VK_ESCAPE);
    });
    EXPECT_EQ(run(ui), std::nullopt);
    EXPECT_TRUE(stored.empty());
}

TEST_F(StartMenuPickerTest, ClicksDescendOneLevelAndRegisterTheShortcutFileItself) {
    std::vector<std::string> second, deeper;
    std::string afterFolder, afterDeep;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) {
            afterFolder = d.text(Picker::kNameId);
            second = captions(d.item(Picker::kSecondListId));
            click(d.item(Picker::kSecondListId), "System Tools");
        })
        .dialog([&](const DialogView& d) {
            deeper = captions(d.item(Picker::kSecondListId));
            click(d.item(Picker::kSecondListId), "Deep.lnk");
        })
        .dialog([&](const DialogView& d) {
            afterDeep = d.text(Picker::kNameId);
            d.setText(Picker::kNameId, "深い");
            d.click(Picker::kRegisterId);
        });
    const auto registered = run(ui);
    EXPECT_EQ(afterFolder, "");
    EXPECT_EQ(second, (std::vector<std::string>{"Notepad.lnk", "System Tools"}));
    EXPECT_EQ(deeper, std::vector<std::string>{"Deep.lnk"});
    EXPECT_EQ(afterDeep, "Deep");
    const std::string path = dir.file("Accessories\\System Tools\\Deep.lnk");
    EXPECT_EQ(registered->shortcut, path);
    EXPECT_EQ(stored, (Stored{{"深い", path}}));

    // A shortcut in the first list empties the second one; Enter in a list is a click.
    UiDriver keys;
    keys.dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) {
            HWND list = d.item(Picker::kFirstListId);
            ListView_SetItemState(list, indexOf(list, "Editor.LNK"), LVIS_SELECTED, LVIS_SELECTED);
            d.key(VK_RETURN);
        })
        .dialog([&](const DialogView& d) {
            EXPECT_TRUE(captions(d.item(Picker::kSecondListId)).empty());
            d.click(Picker::kRegisterId);
        });
    run(keys);
    EXPECT_EQ(stored.back(),
              (std::pair<std::string, std::string>{"Editor", dir.file("Editor.LNK")}));
}

TEST_F(StartMenuPickerTest, EveryRefusalWarnsKeepsTheDialogOpenAndStoresNothing) {
    const auto registerWith = [](const DialogView& d, const char* caption, HWND list = nullptr) {
        click(list != nullptr ? list : d.item(Picker::kFirstListId), caption);
        d.click(Picker::kRegisterId);
    };
    int focusAfterEmptyName = 0;
    std::string urlName;
    UiDriver ui;
    ui.dialog([](const DialogView& d) { d.click(Picker::kRegisterId); })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            focusAfterEmptyName = d.focusedId();
            d.setText(Picker::kNameId, "x");
            d.click(Picker::kRegisterId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) {
            d.setText(Picker::kNameId, "x"); // a folder empties the name
            d.click(Picker::kRegisterId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { registerWith(d, "desktop.ini"); })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { registerWith(d, "Site.url"); })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            urlName = d.text(Picker::kNameId);
            click(d.item(Picker::kFirstListId), "Accessories");
        })
        .dialog([&](const DialogView& d) {
            click(d.item(Picker::kSecondListId), "Notepad.lnk");
            registerWith(d, ""); // empty space in the first list: nothing selected there
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "abc.lnk"); })
        .dialog([&](const DialogView& d) {
            DeleteFileW(widen(dir.file("abc.lnk")).c_str());
            d.click(Picker::kRegisterId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    EXPECT_EQ(run(ui, ""), std::nullopt);
    EXPECT_EQ(focusAfterEmptyName, Picker::kNameId);
    EXPECT_EQ(urlName, "Site");
    std::vector<std::string> texts;
    for (const auto& box : ui.boxes()) {
        texts.push_back(box.caption + " " + box.text);
    }
    const std::string choose = "警告 ショートカットを選択して下さい";
    const std::string none = "警告 ショートカットが選択されていません";
    EXPECT_EQ(texts, (std::vector<std::string>{"警告 ボタン名が未入力です", none, choose, choose,
                                               choose, none, choose}));
    EXPECT_TRUE(stored.empty());
}

TEST_F(StartMenuPickerTest, FolderButtonsFollowTheRegistryRuleAndClearTheName) {
    // The prefix's own value, put back afterwards.
    constexpr wchar_t kKey[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    wchar_t saved[MAX_PATH] = {};
    DWORD size = sizeof saved;
    const bool had = RegGetValueW(HKEY_LOCAL_MACHINE, kKey, L"Common Programs", RRF_RT_REG_SZ,
                                  nullptr, saved, &size) == ERROR_SUCCESS;
    const auto set = [&](const wchar_t* value) {
        value != nullptr ? RegSetKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"Common Programs", REG_SZ,
                                           value, (lstrlenW(value) + 1) * sizeof(wchar_t))
                         : RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kKey, L"Common Programs");
    };
    const std::string mine = specialFolderPath(folder::kPrograms);
    const std::string common = specialFolderPath(folder::kCommonPrograms);
    set(nullptr);
    EXPECT_EQ(startMenuProgramsFolder(), mine);
    set(L"");
    EXPECT_EQ(startMenuProgramsFolder(), common);

    std::string nameAfterSwitch;
    std::vector<std::string> firstAfterSwitch, secondAfterSwitch, firstAfterAllUsers;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) { d.click(Picker::kCurrentUserId); })
        .dialog([&](const DialogView& d) {
            nameAfterSwitch = d.text(Picker::kNameId);
            firstAfterSwitch = captions(d.item(Picker::kFirstListId));
            secondAfterSwitch = captions(d.item(Picker::kSecondListId));
            d.setText(Picker::kNameId, "x");
            d.click(Picker::kRegisterId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) { d.click(Picker::kAllUsersId); })
        .dialog([&](const DialogView& d) {
            firstAfterAllUsers = captions(d.item(Picker::kFirstListId));
            d.key(VK_ESCAPE);
        });
    run(ui);
    set(had ? saved : nullptr);
    EXPECT_NE(mine, common);
    EXPECT_EQ(nameAfterSwitch, "");
    EXPECT_EQ(firstAfterSwitch.size(), folderEntryNames(mine).size());
    EXPECT_TRUE(secondAfterSwitch.empty());
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "ショートカットが選択されていません");
    EXPECT_EQ(firstAfterAllUsers.size(), folderEntryNames(common).size());
}

} // namespace
