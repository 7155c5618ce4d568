// Files dropped on the main window in this process: real DROPFILES blocks posted to it, and
// what the buttons and the settings file show afterwards. (A text Shift_JIS cannot hold is
// refused by the record writer before it writes anything.)
#include "platform/cp932_codec.h"
#include "platform/settings_file.h"
#include "platform/shell_items.h"
#include "platform/text.h"
#include "tests/windows/support/drops.h"
#include "tests/windows/support/main_window_fixture.h"

#include <gtest/gtest.h>

using namespace tarvok;

namespace {

class DropTest : public test::MainWindowTest {
  protected:
    POINT centreOf(HWND child) const {
        const RECT r = clientRectOf(child);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
    // Drops and lets the window handle it; true when the drop was released.
    bool drop(POINT at, const std::vector<std::string>& paths) {
        const HGLOBAL block = test::postDrop(window->hwnd(), at, paths);
        EXPECT_TRUE(test::settle(window.get()));
        return GlobalSize(block) == 0;
    }
    SlotRecord stored(const std::string& key) const {
        return readSlot(openSettings(settingsPath()), key);
    }
};

TEST_F(DropTest, TheFirstOfThreeFilesOnF4OfPageTwoIsRegisteredWithTheGlyphOfARefresh) {
    writeSettings("[PAGE_NM]\r\n2=two\r\n\r\n");
    const std::vector<std::string> files{dir.file("ﾒﾓ 表.txt"), dir.file("b.txt"),
                                         dir.file("c.txt")};
    for (const auto& f : files) {
        test::writeFileBytes(f, "x");
    }
    auto& w = open();
    pressKey(VK_F12);
    EXPECT_TRUE(drop(centreOf(slot(4)), files));
    const std::string caption = systemCodec().encode("ﾒﾓ 表.txt").value();
    EXPECT_EQ(settingsBytes(),
              "[PAGE_NM]\r\n2=two\r\n\r\n[PG_KIND]\r\n2F4=1\r\n\r\n[AP_NM]\r\n2F4=" + caption +
                  "\r\n\r\n[LINK_PATH]\r\n2F4=" + systemCodec().encode(files[0]).value() +
                  "\r\n\r\n[URL_KIND]\r\n2F4=0\r\n\r\n[URL]\r\n2F4=\r\n\r\n");
    ASSERT_TRUE(w.slotButton(4).hasGlyph());
    const auto dropped = test::screenPixels(slot(4));
    pressKey(VK_F12);
    pressKey(VK_F1);
    EXPECT_EQ(test::screenPixels(slot(4)), dropped) << "the glyph a page refresh paints";
}

TEST_F(DropTest, DropsBesideTheSlotButtonsAreReleasedAndWriteNothing) {
    const std::string file = "[AP_NM]\r\n1F4=old\r\n";
    writeSettings(file);
    open();
    const RECT button = clientRectOf(slot(4));
    for (const POINT at :
         {centreOf(control(cmd::kPageNameLabel)), centreOf(control(cmd::kToolButtonBase + 3)),
          centreOf(control(cmd::kKeyLabelBase + 4)), POINT{button.left - 2, button.top + 5}}) {
        EXPECT_TRUE(drop(at, {"C:\\windows\\notepad.exe"})) << at.x << "," << at.y;
    }
    EXPECT_EQ(settingsBytes(), file);
    EXPECT_EQ(window->currentPage(), 1);
}

TEST_F(DropTest, FoldersShortcutsAndLongPathsRegisterWhatTheyOpenWithoutAQuestion) {
    writeSettings("[AP_NM]\r\n1F2=Home\r\n[URL_KIND]\r\n1F2=1\r\n[URL]\r\n1F2=http://x.jp/\r\n");
    const std::string folder = dir.file("ﾂｰﾙ 表");
    CreateDirectoryW(widen(folder).c_str(), nullptr);
    const std::string target = dir.file("editor.exe");
    test::writeFileBytes(target, "MZ");
    ASSERT_EQ(createShortcut(dir.file("Editor.LNK"), target), std::nullopt);
    test::writeFileBytes(dir.file("broken.lnk"), "not a shortcut");
    // Wine hands the target back in its ANSI form, "??絵.txt", a path that names nothing.
    const std::string unholdable = dir.file("한글絵.txt");
    test::writeFileBytes(unholdable, "x");
    ASSERT_EQ(createShortcut(dir.file("絵.lnk"), unholdable), std::nullopt);
    const std::string longPath = "C:\\" + std::string(600, 'a') + "\\end.exe";
    open();
    test::UiDriver ui;
    drop(centreOf(slot(2)), {folder});
    drop(centreOf(slot(3)), {dir.file("Editor.LNK")});
    drop(centreOf(slot(4)), {dir.file("broken.lnk")});
    drop(centreOf(slot(5)), {longPath});
    drop(centreOf(slot(6)), {dir.file("絵.lnk")});
    EXPECT_EQ(ui.boxes().size(), 0u) << "the address slot is replaced without a question";
    EXPECT_EQ(caption(2), "ﾂｰﾙ 表") << "the folder's name, not its path";
    EXPECT_EQ(stored("1F2").path, folder);
    EXPECT_EQ(stored("1F2").url, "");
    EXPECT_EQ(caption(3), "Editor") << "the caption comes from the shortcut itself";
    EXPECT_EQ(CompareStringOrdinal(widen(stored("1F3").path).c_str(), -1, widen(target).c_str(), -1,
                                   TRUE),
              CSTR_EQUAL);
    EXPECT_EQ(stored("1F4").path, dir.file("broken.lnk")) << "unresolvable: the shortcut itself";
    EXPECT_EQ(stored("1F5").path, longPath);
    EXPECT_EQ(caption(5), "end.exe") << "the shell shows nothing for a long path: its name";
    EXPECT_EQ(stored("1F6").path, dir.file("絵.lnk")) << "a target that is not there: the shortcut";
}

TEST_F(DropTest, ADropWhileADialogIsOpenIsReleasedAndWritesNothing) {
    const std::string file = "[AP_NM]\r\n1F4=old\r\n";
    writeSettings(file);
    open();
    test::UiDriver ui;
    ui.dialog([&](const test::DialogView& d) {
        test::postDrop(window->hwnd(), centreOf(slot(4)), {"C:\\windows\\notepad.exe"});
        d.key(VK_ESCAPE);
    });
    SendMessageW(window->hwnd(), WM_COMMAND, cmd::kEditPageNames, 0);
    EXPECT_TRUE(test::settle(window.get()));
    EXPECT_TRUE(ui.finished());
    EXPECT_EQ(settingsBytes(), file) << "the dialog may be about to write the same slot";
}

// Drags through OLE, as Explorer and Wine's file manager start them. The thread gets OLE as
// the program's own does.
class OleDropTest : public DropTest {
  protected:
    void SetUp() override { ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr))); }
    void TearDown() override {
        DropTest::TearDown();
        OleUninitialize();
    }
    POINT onScreen(HWND child) const {
        RECT r{};
        GetWindowRect(child, &r);
        return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    }
};

TEST_F(OleDropTest, AFileDraggedOntoF3ShowsALinkThereAndIsRegisteredButNotOnThePageLabel) {
    const std::string file = dir.file("ﾒﾓ 表.txt");
    test::writeFileBytes(file, "x");
    auto& w = open();
    DWORD shown = DROPEFFECT_NONE;
    bool hot = false;
    const DWORD done = test::dragFiles({file}, {onScreen(slot(3))}, [&](DWORD effect) {
        shown = effect;
        hot = w.slotButton(3).hot();
    });
    EXPECT_EQ(shown, DROPEFFECT_LINK) << "the link cursor, as Explorer shows over a slot";
    EXPECT_TRUE(hot) << "the button the files would land on";
    EXPECT_EQ(done, DROPEFFECT_LINK) << "never a move, which would take the user's file away";
    EXPECT_EQ(stored("1F3").path, file);
    EXPECT_EQ(caption(3), "ﾒﾓ 表.txt");

    const std::string before = settingsBytes();
    const DWORD refused = test::dragFiles(
        {dir.file("other.txt")}, {onScreen(slot(5)), onScreen(control(cmd::kPageNameLabel))},
        [&](DWORD effect) {
            shown = effect;
            hot = w.slotButton(5).hot();
        });
    EXPECT_EQ(shown, DROPEFFECT_NONE) << "no drop beside the slot buttons";
    EXPECT_FALSE(hot) << "the button the drag passed over is flat again";
    EXPECT_EQ(refused, DROPEFFECT_NONE);
    EXPECT_EQ(settingsBytes(), before);
}

} // namespace
