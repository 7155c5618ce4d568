// The home-page and mail address dialog: its controls, the kind and title rules, the browser
// buttons against the browser stand-in and windows made by the test, and the slot menu's
// command around it.
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"
#include "tests/windows/support/process.h"

#include <gtest/gtest.h>

#include <imm.h>

using namespace tarvok;
using test::DialogView;
using test::FakeBrowser;
using test::UiDriver;
using Url = AddressDialog;

namespace {

// The stand-in's command-line argument for a reply, quotes escaped.
std::string replyArgument(const std::string& reply, const std::string& more = {}) {
    std::string arg = "--reply \"";
    for (char c : reply) {
        arg += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return arg + "\" " + more;
}

// A top-level window of the test, as a browser would show one.
class BrowserWindow {
  public:
    BrowserWindow(const wchar_t* cls, const std::string& caption, bool visible = true,
                  HWND owner = nullptr) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = cls;
        RegisterClassW(&wc);
        hwnd_ = CreateWindowExW(WS_EX_NOACTIVATE, cls, widen(caption).c_str(), WS_OVERLAPPED, 0, 0,
                                100, 50, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
        if (visible) {
            ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
        }
    }
    ~BrowserWindow() { DestroyWindow(hwnd_); }
    HWND hwnd() const { return hwnd_; }

  private:
    HWND hwnd_;
};

class AddressDialogTest : public ::testing::Test {
  protected:
    std::optional<std::string> run(UiDriver& ui, const std::string& title = "Title",
                                   const std::string& address = "http://old.jp/") {
        AddressDialog dialog(
            [this](const std::string& t, const std::string& a) { stored.emplace_back(t, a); });
        auto result = dialog.run(nullptr, title, address);
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.unexpected(), 0);
        return result;
    }
    // A click on a browser button, then what the two fields hold.
    static void ask(UiDriver& ui, int button, std::pair<std::string, std::string>& fields) {
        ui.dialog([=](const DialogView& d) {
              d.click(button);
          }).dialog([&fields](const DialogView& d) {
            fields = {d.text(Url::kAddressId), d.text(Url::kTitleId)};
        });
    }
    test::TempDir dir;
    std::vector<std::pair<std::string, std::string>> stored;
};

TEST_F(AddressDialogTest, OpensAsDesignedTheKindReplacesTheAddressAndTheTitleIsRequired) {
    std::vector<int> tabOrder;
    bool titleImeOpen = false, addressImeOpen = true;
    std::string afterMail, afterSecondMail, afterHome;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
          EXPECT_EQ(d.className(), "TF_URLSET");
          EXPECT_EQ(d.text(Url::kTitleId), "Title");
          EXPECT_EQ(d.text(Url::kAddressId), "mailto:a@b.jp");
          EXPECT_TRUE(d.checked(Url::kHomePageId)) << "always opens on the home page kind";
          EXPECT_FALSE(d.checked(Url::kKeepTitleId));
          EXPECT_TRUE(d.visible(Url::kInternetExplorerId) && d.visible(Url::kNetscape6Id));
          EXPECT_FALSE(d.visible(Url::kNetscape4Id));
          for (HWND h = d.item(Url::kTitleId); tabOrder.size() < 7;
               h = GetNextDlgTabItem(d.hwnd(), h, FALSE)) {
              tabOrder.push_back(GetDlgCtrlID(h));
          }
          const auto imeOpen = [](HWND field) {
              SetFocus(field);
              HIMC context = ImmGetContext(field);
              const bool open = ImmGetOpenStatus(context) != FALSE;
              ImmReleaseContext(field, context);
              return open;
          };
          titleImeOpen = imeOpen(d.item(Url::kTitleId));
          addressImeOpen = imeOpen(d.item(Url::kAddressId));
          d.click(Url::kMailAddressId);
      })
        .dialog([&](const DialogView& d) {
            afterMail = d.text(Url::kAddressId);
            d.setText(Url::kAddressId, "mailto:me@b.jp");
            d.click(Url::kMailAddressId);
        })
        .dialog([&](const DialogView& d) {
            afterSecondMail = d.text(Url::kAddressId);
            d.click(Url::kHomePageId);
        })
        .dialog([&](const DialogView& d) {
            afterHome = d.text(Url::kAddressId);
            d.setText(Url::kTitleId, "");
            d.click(Url::kRegisterId);
        })
        .box(IDOK)
        .dialog([&](const DialogView& d) {
            EXPECT_EQ(d.focusedId(), Url::kTitleId);
            d.setText(Url::kTitleId, " ");
            d.key(VK_RETURN); // not a default button: Enter does not register
        })
        .dialog([&](const DialogView& d) { d.click(Url::kRegisterId); });
    EXPECT_EQ(run(ui, "Title", "mailto:a@b.jp"), " ") << "a blank title is a title";
    EXPECT_EQ(tabOrder,
              (std::vector<int>{Url::kTitleId, Url::kKeepTitleId, Url::kHomePageId, Url::kAddressId,
                                Url::kRegisterId, IDCANCEL, Url::kTitleId}));
    EXPECT_TRUE(titleImeOpen);
    EXPECT_FALSE(addressImeOpen);
    EXPECT_EQ(afterMail, "mailto:");
    EXPECT_EQ(afterSecondMail, "mailto:me@b.jp") << "choosing the chosen kind keeps the text";
    EXPECT_EQ(afterHome, "http://");
    ASSERT_EQ(ui.boxes().size(), 1u);
    EXPECT_EQ(ui.boxes()[0].caption, "警告");
    EXPECT_EQ(ui.boxes()[0].text, "タイトル(ボタン名)が未入力です");
    EXPECT_EQ(stored, (std::vector<std::pair<std::string, std::string>>{{" ", "http://"}}));
}

TEST_F(AddressDialogTest, EachBrowserButtonFillsTheAddressAndTitleByItsOwnRule) {
    FakeBrowser netscape(dir.file("n4.log"), {"netscape"},
                         replyArgument(R"("http://a.jp/?q=1,2","Top, news")"));
    FakeBrowser iexplore(dir.file("ie.log"), {"Iexplore"}, replyArgument(R"("http://ie.jp/")"));
    FakeBrowser netscape6(dir.file("n6.log"), {"netscape6"},
                          replyArgument(R"("http://n6.jp/","x","y")"));
    std::optional<BrowserWindow> frame(std::in_place, L"IEFrame",
                                       "Start - Microsoft Internet Explorer 6");
    std::optional<BrowserWindow> n6(std::in_place, L"TarvokTestBrowser", "Page - Netscape 6");
    BrowserWindow owned(L"TarvokTestBrowser", "Owned - Netscape", true, n6->hwnd());
    BrowserWindow hidden(L"TarvokTestBrowser", "Hidden - Netscape", false);
    BrowserWindow cut(L"TarvokTestBrowser", std::string(250, 'x') + " - Netscape");
    std::pair<std::string, std::string> n4Fields, n4Kept, ieFields, ieNoMarker, ieNoFrame, n6Fields,
        n6NoWindow;
    UiDriver ui;
    ask(ui, Url::kNetscape4Id, n4Fields);
    ui.dialog([](const DialogView& d) {
        d.setText(Url::kTitleId, "kept");
        d.click(Url::kKeepTitleId);
    });
    ask(ui, Url::kNetscape4Id, n4Kept);
    ui.dialog([](const DialogView& d) { d.click(Url::kKeepTitleId); });
    ask(ui, Url::kInternetExplorerId, ieFields);
    ui.dialog([&](const DialogView&) { SetWindowTextW(frame->hwnd(), L"Start"); });
    ask(ui, Url::kInternetExplorerId, ieNoMarker);
    ui.dialog([&](const DialogView& d) {
        frame.reset();
        d.setText(Url::kTitleId, "mine");
    });
    ask(ui, Url::kInternetExplorerId, ieNoFrame);
    ask(ui, Url::kNetscape6Id, n6Fields);
    ui.dialog([&](const DialogView& d) {
        ShowWindow(n6->hwnd(), SW_HIDE);
        d.setText(Url::kTitleId, "mine");
    });
    ask(ui, Url::kNetscape6Id, n6NoWindow);
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    EXPECT_EQ(run(ui), std::nullopt);
    using Fields = std::pair<std::string, std::string>;
    EXPECT_EQ(n4Fields, Fields("http://a.jp/?q=1,2", "Top, news"));
    EXPECT_EQ(n4Kept, Fields("http://a.jp/?q=1,2", "kept"));
    EXPECT_EQ(ieFields, Fields("http://ie.jp/", "Start"));
    EXPECT_EQ(ieNoMarker, Fields("http://ie.jp/", ""));
    EXPECT_EQ(ieNoFrame, Fields("http://ie.jp/", "mine"));
    EXPECT_EQ(n6Fields, Fields("http://n6.jp/", "Page"))
        << "owned, hidden and windows whose marker lies past 254 characters are passed over";
    EXPECT_EQ(n6NoWindow, Fields("http://n6.jp/", "mine"));
    std::vector<std::string> conversations;
    for (int click = 0; click < 3; ++click) {
        conversations.insert(conversations.end(),
                             {"connect|Iexplore|WWW_GetWindowInfo",
                              "request|Iexplore|WWW_GetWindowInfo|0xFFFFFFFF|1",
                              "disconnect|Iexplore"});
    }
    test::waitFor([&] { return iexplore.log().size() >= conversations.size(); });
    EXPECT_EQ(iexplore.log(), conversations) << "one conversation per click, closed each time";
    EXPECT_TRUE(stored.empty());
}

TEST_F(AddressDialogTest, LateSilentAndMissingBrowsers) {
    const std::string longAddress = "http://example.jp/" + std::string(600, 'a');
    std::pair<std::string, std::string> late, empty, silent, missing[3];
    std::optional<FakeBrowser> browser(
        std::in_place, dir.file("late.log"), std::vector<std::string>{"netscape"},
        replyArgument("\"" + longAddress + "\",\"T\"", "--delay 400"));
    UiDriver ui;
    ask(ui, Url::kNetscape4Id, late);
    ui.dialog([&](const DialogView&) {
        browser.emplace(dir.file("empty.log"), std::vector<std::string>{"netscape"},
                        replyArgument(""));
    });
    ask(ui, Url::kNetscape4Id, empty);
    ui.dialog([&](const DialogView& d) {
        d.setText(Url::kTitleId, "t");
        d.setText(Url::kAddressId, "a");
        browser.emplace(dir.file("never.log"), std::vector<std::string>{"netscape"}, "--never");
    });
    ask(ui, Url::kNetscape4Id, silent);
    ui.dialog([&](const DialogView& d) {
        browser.reset();
        d.setText(Url::kTitleId, "t");
        d.setText(Url::kAddressId, "a");
    });
    int i = 0;
    for (int button : {Url::kInternetExplorerId, Url::kNetscape6Id, Url::kNetscape4Id}) {
        ui.dialog([=](const DialogView& d) { d.click(button); }).box(IDOK);
        ui.dialog([&, i](const DialogView& d) {
            missing[i] = {d.text(Url::kAddressId), d.text(Url::kTitleId)};
        });
        ++i;
    }
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    run(ui);
    using Fields = std::pair<std::string, std::string>;
    EXPECT_EQ(late, Fields(longAddress, "T")) << "a late, long reply is taken whole";
    EXPECT_EQ(empty, Fields("", "")) << "an empty reply empties the fields";
    EXPECT_EQ(silent, Fields("", "")) << "no reply within the time-out empties the fields";
    std::vector<std::string> warnings;
    for (const auto& box : ui.boxes()) {
        warnings.push_back(box.caption + " " + box.text);
    }
    EXPECT_EQ(warnings,
              (std::vector<std::string>{"警告 インターネットエクスプローラが起動されていません",
                                        "警告 ネットスケープ v.6～ が起動されていません",
                                        "警告 ネットスケープ v.4.X が起動されていません"}));
    for (const auto& fields : missing) {
        EXPECT_EQ(fields, Fields("a", "t"));
    }
}

// A browser installed where the dialog looks for it lends its button its icon.
TEST_F(AddressDialogTest, AnInstalledBrowserGivesItsButtonAnIcon) {
    const std::wstring folders[] = {L"C:\\Program Files\\Netscape",
                                    L"C:\\Program Files\\Netscape\\netscape"};
    const std::wstring program = folders[1] + L"\\netscp.exe";
    ASSERT_FALSE(test::fileExists(narrow(program)));
    for (const auto& folder : folders) {
        CreateDirectoryW(folder.c_str(), nullptr);
    }
    CopyFileW(L"C:\\windows\\notepad.exe", program.c_str(), TRUE);
    std::vector<bool> icons;
    UiDriver ui;
    ui.dialog([&](const DialogView& d) {
        for (int id : {Url::kInternetExplorerId, Url::kNetscape6Id, Url::kNetscape4Id}) {
            icons.push_back(SpeedButton::of(d.item(id))->hasGlyph());
        }
        d.key(VK_ESCAPE);
    });
    run(ui);
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folders[1].c_str());
    RemoveDirectoryW(folders[0].c_str());
    EXPECT_EQ(icons, (std::vector<bool>{false, true, false}));
}

using SlotMenuAddressTest = test::MainWindowTest;

TEST_F(SlotMenuAddressTest, AProgramSlotAsksFirstAndTheButtonTakesTheTitleWithoutItsIcon) {
    const std::string file =
        "[PG_KIND]\r\n1F2=1\r\n1F4=0\r\n\r\n[AP_NM]\r\n1F2=Notepad\r\n1F4=Home\r\n\r\n"
        "[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n\r\n[URL_KIND]\r\n1F2=0\r\n1F4=1\r\n"
        "\r\n[URL]\r\n1F4=mailto:a@b.jp\r\n\r\n";
    writeSettings(file);
    auto& w = open();
    constexpr int kAddressItem = 2;
    std::vector<std::pair<std::string, std::string>> opened;
    const auto see = [&](const DialogView& d) {
        opened.emplace_back(d.text(Url::kTitleId), d.text(Url::kAddressId));
    };
    UiDriver ui;
    ui.box(IDNO).box(IDYES).dialog([&](const DialogView& d) {
        EXPECT_EQ(d.caption(), "ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更");
        see(d);
        d.setText(Url::kTitleId, "表示😀");
        d.click(Url::kRegisterId);
    });
    ui.box(IDOK).dialog([&](const DialogView& d) {
        d.setText(Url::kTitleId, "ホーム");
        d.setText(Url::kAddressId, "http://a.jp/");
        d.click(Url::kRegisterId);
    });
    chooseFromSlotMenu(2, kAddressItem);
    chooseFromSlotMenu(2, kAddressItem);
    ui.dialog([&](const DialogView& d) {
        see(d);
        d.key(VK_ESCAPE);
    });
    chooseFromSlotMenu(4, kAddressItem);
    ui.dialog([&](const DialogView& d) {
        see(d);
        d.key(VK_ESCAPE);
    });
    chooseFromSlotMenu(5, kAddressItem);
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].text,
              replaceQuestion(text::kAskReplaceProgramHead, "Notepad", text::kPopUrl));
    EXPECT_NE(ui.boxes()[2].text.find("保存できない文字"), std::string::npos)
        << "a title Shift_JIS cannot hold is refused and the dialog stays open";
    EXPECT_EQ(opened, (std::vector<std::pair<std::string, std::string>>{
                          {"", "http://"}, {"Home", "mailto:a@b.jp"}, {"", "http://"}}));
    EXPECT_EQ(caption(2), "ホーム");
    EXPECT_FALSE(w.slotButton(2).hasGlyph());
    EXPECT_EQ(settingsBytes(),
              "[PG_KIND]\r\n1F2=0\r\n1F4=0\r\n\r\n[AP_NM]\r\n1F2=" +
                  systemCodec().encode("ホーム").value() +
                  "\r\n1F4=Home\r\n\r\n[LINK_PATH]\r\n1F2=\r\n\r\n[URL_KIND]\r\n1F2=1\r\n"
                  "1F4=1\r\n\r\n[URL]\r\n1F4=mailto:a@b.jp\r\n1F2=http://a.jp/\r\n\r\n");
}

} // namespace
