// The start-menu picker over a Start-menu tree made for the test: what the lists show, clicks
// and descent, every refusal, the folder buttons and the registry rule, and the slot menu's
// command around it.
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/start_menu_picker.h"
#include "platform/com.h"
#include "platform/cp932_codec.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

#include <commctrl.h>

using namespace tarvok;
using test::DialogView;
using test::UiDriver;
using Picker = StartMenuPicker;

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

int find(HWND list, const std::string& caption) {
    const std::wstring wide = widen(caption);
    LVFINDINFOW find{};
    find.flags = LVFI_STRING;
    find.psz = wide.c_str();
    return ListView_FindItem(list, -1, &find);
}

// A mouse click on an entry, or below the last entry when `caption` is empty.
void click(HWND list, const std::string& caption = {}) {
    RECT r{};
    if (caption.empty()) {
        GetClientRect(list, &r);
        r.top = r.bottom - 4;
    } else {
        const int at = find(list, caption);
        ASSERT_GE(at, 0) << caption;
        ListView_GetItemRect(list, at, &r, LVIR_LABEL);
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
    // Runs the picker on the test's tree with the given name and steps.
    std::optional<Picker::Registered> run(UiDriver& ui, const std::string& name = "old") {
        Picker picker(dir.path(), [this](const std::string& n, const std::string& s) {
            stored.emplace_back(n, s);
        });
        picker.setCaption("pick");
        auto result = picker.run(nullptr, name);
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.unexpected(), 0);
        folderAfter = picker.programsFolder();
        return result;
    }
    ComApartment com;
    test::TempDir dir;
    std::vector<std::pair<std::string, std::string>> stored;
    std::string folderAfter;
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
            EXPECT_GE(item.iImage, 0) << i;
            EXPECT_NE(type[0], 0) << i;
        }
        const auto style = GetWindowLongPtrW(list, GWL_STYLE);
        EXPECT_EQ(style & (LVS_TYPEMASK | LVS_SINGLESEL | LVS_NOSORTHEADER | LVS_EDITLABELS),
                  LVS_REPORT | LVS_SINGLESEL | LVS_NOSORTHEADER);
        EXPECT_EQ(ListView_GetColumnWidth(list, 1), 100);
        RECT client{};
        GetClientRect(list, &client);
        EXPECT_EQ(ListView_GetColumnWidth(list, 0) + 100, client.right);
        EXPECT_TRUE(captions(d.item(Picker::kSecondListId)).empty());
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
    ASSERT_TRUE(registered.has_value());
    EXPECT_EQ(registered->shortcut, path);
    EXPECT_EQ(stored, (std::vector<std::pair<std::string, std::string>>{{"深い", path}}));

    // A shortcut in the first list empties the second one; Enter works as a click.
    stored.clear();
    UiDriver keys;
    keys.dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) {
            HWND list = d.item(Picker::kFirstListId);
            ListView_SetItemState(list, find(list, "Editor.LNK"), LVIS_SELECTED, LVIS_SELECTED);
            d.key(VK_RETURN);
        })
        .dialog([&](const DialogView& d) {
            EXPECT_TRUE(captions(d.item(Picker::kSecondListId)).empty());
            EXPECT_EQ(d.text(Picker::kNameId), "Editor");
            d.click(Picker::kRegisterId);
        });
    run(keys);
    EXPECT_EQ(stored, (std::vector<std::pair<std::string, std::string>>{
                          {"Editor", dir.file("Editor.LNK")}}));
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
        .box(IDOK)
        .dialog([&](const DialogView& d) {
            focusAfterEmptyName = d.focusedId();
            d.setText(Picker::kNameId, "x");
            d.click(Picker::kRegisterId);
        })
        .box(IDOK)
        .dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "Accessories"); })
        .dialog([&](const DialogView& d) {
            d.setText(Picker::kNameId, "x"); // a folder empties the name
            d.click(Picker::kRegisterId);
        })
        .box(IDOK)
        .dialog([&](const DialogView& d) { registerWith(d, "desktop.ini"); })
        .box(IDOK)
        .dialog([&](const DialogView& d) { registerWith(d, "Site.url"); })
        .box(IDOK)
        .dialog([&](const DialogView& d) {
            urlName = d.text(Picker::kNameId);
            click(d.item(Picker::kFirstListId), "Accessories");
        })
        .dialog([&](const DialogView& d) {
            click(d.item(Picker::kSecondListId), "Notepad.lnk");
            registerWith(d, ""); // empty space in the first list: nothing selected there
        })
        .box(IDOK)
        .dialog([&](const DialogView& d) { click(d.item(Picker::kFirstListId), "abc.lnk"); })
        .dialog([&](const DialogView& d) {
            DeleteFileW(widen(dir.file("abc.lnk")).c_str());
            d.click(Picker::kRegisterId);
        })
        .box(IDOK)
        .dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    EXPECT_EQ(run(ui, ""), std::nullopt);
    EXPECT_EQ(focusAfterEmptyName, Picker::kNameId);
    EXPECT_EQ(urlName, "Site");
    std::vector<std::string> texts;
    for (const auto& box : ui.boxes()) {
        EXPECT_EQ(box.caption, "警告");
        texts.push_back(box.text);
    }
    const std::string choose = "ショートカットを選択して下さい";
    const std::string none = "ショートカットが選択されていません";
    EXPECT_EQ(texts, (std::vector<std::string>{"ボタン名が未入力です", none, choose, choose, choose,
                                               none, choose}));
    EXPECT_TRUE(stored.empty());
}

// The prefix's own registry value, restored whatever the test does.
class CommonProgramsValue {
  public:
    CommonProgramsValue() {
        RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_,
                        nullptr);
        DWORD size = sizeof data_;
        had_ = RegQueryValueExW(key_, L"Common Programs", nullptr, &type_, data_, &size) ==
               ERROR_SUCCESS;
        size_ = size;
    }
    ~CommonProgramsValue() {
        had_ ? RegSetValueExW(key_, L"Common Programs", 0, type_, data_, size_)
             : RegDeleteValueW(key_, L"Common Programs");
        RegCloseKey(key_);
    }
    void set(bool present) {
        present ? RegSetValueExW(key_, L"Common Programs", 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(L""), sizeof(wchar_t))
                : RegDeleteValueW(key_, L"Common Programs");
    }

  private:
    static constexpr wchar_t kKey[] =
        L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
    HKEY key_ = nullptr;
    bool had_ = false;
    DWORD type_ = 0, size_ = 0;
    BYTE data_[2048] = {};
};

TEST_F(StartMenuPickerTest, FolderButtonsFollowTheRegistryRuleAndClearTheName) {
    CommonProgramsValue value;
    const std::string mine = specialFolderPath(folder::kPrograms);
    const std::string common = specialFolderPath(folder::kCommonPrograms);
    ASSERT_NE(mine, common);
    value.set(false);
    EXPECT_EQ(startMenuProgramsFolder(), mine);
    value.set(true);
    EXPECT_EQ(startMenuProgramsFolder(), common);

    std::string nameAfterSwitch;
    std::vector<std::string> firstAfterSwitch, secondAfterSwitch;
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
        .box(IDOK)
        .dialog([&](const DialogView& d) { d.click(Picker::kAllUsersId); })
        .dialog([&](const DialogView& d) { d.key(VK_ESCAPE); });
    run(ui);
    EXPECT_EQ(nameAfterSwitch, "");
    EXPECT_EQ(firstAfterSwitch.size(), folderEntryNames(mine).size());
    EXPECT_TRUE(secondAfterSwitch.empty());
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].text, "ショートカットが選択されていません");
    EXPECT_EQ(folderAfter, common) << "the last switch stays after Cancel";
}

} // namespace

namespace {

using SlotMenuProgramTest = test::MainWindowTest;

// A shortcut of the test's own in the Programs folder the registration opens on.
class ProgramsShortcut {
  public:
    ProgramsShortcut()
        : name_("tarvok-test-" + std::to_string(GetCurrentProcessId()) + ".lnk"),
          path_(startMenuProgramsFolder() + "\\" + name_) {
        shortcut(path_);
    }
    ~ProgramsShortcut() { DeleteFileW(widen(path_).c_str()); }
    const std::string& name() const { return name_; }
    const std::string& path() const { return path_; }

  private:
    std::string name_, path_;
};

TEST_F(SlotMenuProgramTest, AnAddressSlotAsksFirstAndTheButtonShowsTheRegisteredShortcut) {
    ComApartment com;
    ProgramsShortcut link;
    const std::string file = "[PG_KIND]\r\n1F3=0\r\n\r\n[AP_NM]\r\n1F3=Home\r\n\r\n[LINK_PATH]\r\n"
                             "1F3=\r\n\r\n[URL_KIND]\r\n1F3=1\r\n\r\n[URL]\r\n1F3=http://a.jp/"
                             "\r\n\r\n";
    writeSettings(file);
    auto& w = open();
    std::string nameShown;
    UiDriver ui;
    ui.box(IDNO).box(IDYES).dialog([&](const DialogView& d) {
        EXPECT_EQ(d.caption(), "ﾌﾟﾛｸﾞﾗﾑの登録/変更");
        nameShown = d.text(Picker::kNameId);
        click(d.item(Picker::kFirstListId), link.name());
    });
    ui.dialog([](const DialogView& d) { d.click(Picker::kRegisterId); });
    chooseFromSlotMenu(3, 0);
    EXPECT_EQ(settingsBytes(), file) << "No leaves the slot alone";
    chooseFromSlotMenu(3, 0);
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].caption, "情報");
    EXPECT_EQ(ui.boxes()[0].text,
              replaceQuestion(text::kAskReplaceAddressHead, "Home", text::kPopTourokuHenkou));
    EXPECT_EQ(nameShown, "");
    const std::string proposed = link.name().substr(0, link.name().size() - 4);
    EXPECT_EQ(caption(3), proposed);
    EXPECT_TRUE(w.slotButton(3).hasGlyph());
    EXPECT_EQ(w.chosenPath(), link.path());
    EXPECT_EQ(w.programsFolder(), startMenuProgramsFolder());
    const std::string sjisPath = systemCodec().encode(link.path()).value();
    EXPECT_EQ(settingsBytes(), "[PG_KIND]\r\n1F3=1\r\n\r\n[AP_NM]\r\n1F3=" + proposed +
                                   "\r\n\r\n[LINK_PATH]\r\n1F3=" + sjisPath +
                                   "\r\n\r\n[URL_KIND]\r\n1F3=0\r\n\r\n[URL]\r\n1F3=\r\n\r\n");
}

} // namespace
