// The page commands of the 設定 menu in this process: the page-name dialog and clearing the
// page shown, with what the screen and the settings file hold after each answer.
#include "app/page_commands_rules.h"
#include "dialogs/page_name_dialog.h"
#include "platform/cp932_codec.h"
#include "platform/settings_file.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using Names = PageNameDialog;

namespace {

class PageCommandsTest : public test::MainWindowTest {
  protected:
    // Chooses an item of the 設定 menu and lets the command run.
    void choose(int id) {
        ASSERT_FALSE(GetMenuState(GetMenu(window->hwnd()), static_cast<UINT>(id), MF_BYCOMMAND) &
                     MF_GRAYED);
        PostMessageW(window->hwnd(), WM_COMMAND, static_cast<WPARAM>(id), 0);
        EXPECT_TRUE(test::settle(window.get()));
    }
    std::string pageLabel() const { return test::windowText(control(cmd::kPageNameLabel)); }
};

TEST_F(PageCommandsTest, TheDialogShowsTheNamesInMemoryAndOnlyOkWritesAllFive) {
    writeSettings("[PAGE_NM]\r\n1=one\r\n4=four\r\n");
    open();
    const std::string onDisk = "[PAGE_NM]\r\n1=disk\r\n";
    writeSettings(onDisk); // changed behind the launcher's back: the dialog does not read it
    std::vector<std::string> shown;
    test::UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          EXPECT_EQ(d.className(), "TF_PAGE_NM");
          for (int page = 1; page <= 5; ++page) {
              shown.push_back(d.text(Names::kFieldBase + page));
              EXPECT_EQ(d.clientRect(Names::kFieldBase + page).left -
                            d.clientRect(Names::kLabelBase + page).right,
                        15);
              EXPECT_EQ(test::spoken(d.item(Names::kFieldBase + page)).name,
                        d.text(Names::kLabelBase + page))
                  << "a screen reader names the field after its label";
          }
          d.key(VK_RETURN); // no default button: Enter changes nothing
      })
        .dialog([](const DialogView& d) { // still open
            d.setText(Names::kFieldBase + 2, "x");
            d.click(IDCANCEL);
        })
        .dialog([](const DialogView& d) {
            d.setText(Names::kFieldBase + 2, "y");
            d.key(VK_ESCAPE);
        })
        .dialog([](const DialogView& d) {
            d.setText(Names::kFieldBase + 3, "😀");
            d.setText(Names::kFieldBase + 4, "新しい　名前");
            d.click(Names::kOkId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([](const DialogView& d) {
            EXPECT_EQ(d.focusedId(), Names::kFieldBase + 3) << "back on the refused name";
            EXPECT_EQ(d.text(Names::kFieldBase + 2), "") << "キャンセル and Esc discarded";
            d.setText(Names::kFieldBase + 3, "");
            d.setText(Names::kFieldBase + 1, "uno");
            d.click(Names::kOkId);
        });
    choose(cmd::kEditPageNames);
    EXPECT_EQ(shown, (std::vector<std::string>{"one", "", "", "four", ""}));
    choose(cmd::kEditPageNames);
    EXPECT_EQ(settingsBytes(), onDisk);
    choose(cmd::kEditPageNames);
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(settingsBytes(), "[PAGE_NM]\r\n1=uno\r\n2=\r\n3=\r\n4=" +
                                   systemCodec().encode("新しい　名前").value() + "\r\n5=\r\n\r\n");
    EXPECT_EQ(pageLabel(), "uno") << "the page shown takes its new name at once";
    SendMessageW(control(cmd::kToolButtonBase + 4), BM_CLICK, 0, 0);
    EXPECT_EQ(pageLabel(), "新しい　名前");
}

TEST_F(PageCommandsTest, ClearingAsksWithNoFocusedAndOnlyYesEmptiesThePageShown) {
    const std::string file = "[PG_KIND]\r\n2F2=1\r\n3F4=1\r\n[AP_NM]\r\n2F2=two\r\n3F4=three\r\n"
                             "[LINK_PATH]\r\n3F4=C:\\windows\\notepad.exe\r\n"
                             "[PAGE_NM]\r\n3=c\r\n4=d\r\n";
    writeSettings(file);
    auto& w = open();
    SendMessageW(control(cmd::kToolButtonBase + 3), BM_CLICK, 0, 0);
    test::UiDriver ui;
    ui.box(BoxReply::closeBox()).box(BoxReply::button(IDNO)).box(BoxReply::button(IDYES));
    choose(cmd::kClearPage);
    choose(cmd::kClearPage);
    EXPECT_EQ(settingsBytes(), file);
    choose(cmd::kClearPage);
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].text, clearPageQuestion(3, "c"));
    EXPECT_EQ(ui.boxes()[0].focusedId, IDNO);

    const Settings after = openSettings(settingsPath());
    EXPECT_EQ(readSlot(after, "3F4").state(), SlotState::Empty);
    EXPECT_EQ(readSlot(after, "2F2").caption, "two");
    EXPECT_EQ(readPageNames(after), (PageNames{"", "", "", "d", ""}));
    for (int round = 0; round < 2; ++round) { // as cleared, then after turning away and back
        EXPECT_EQ(pageLabel(), "");
        EXPECT_EQ(caption(4), "");
        EXPECT_FALSE(w.slotButton(4).hasGlyph());
        pressKey(VK_F12);
        pressKey(VK_F1);
    }
}

} // namespace
