// The home-page and mail address dialog: its controls, the kind and title rules, the browser
// buttons against the browser stand-in and windows made by the test, and the slot menu's
// command around it.
#include "app/slot_menu_rules.h"
#include "app/texts.h"
#include "dialogs/address_dialog.h"
#include "platform/cp932_codec.h"
#include "platform/shell.h"
#include "platform/text.h"
#include "tests/windows/support/main_window_fixture.h"
#include "tests/windows/support/process.h"

#include <gtest/gtest.h>

#include <imm.h>

using namespace tarvok;
using test::BoxReply;
using test::DialogView;
using test::FakeBrowser;
using test::UiDriver;
using Url = AddressDialog;
using Fields = std::pair<std::string, std::string>; // address, title
using Texts = std::vector<std::string>;

namespace {

// The stand-in's arguments for a reply, quotes escaped.
std::string reply(const std::string& text, const std::string& more = {}) {
    std::string arg = "--reply \"";
    for (char c : text) {
        arg += c == '"' ? std::string("\\\"") : std::string(1, c);
    }
    return arg + "\" " + more;
}

// A top-level window of the test, as a browser would show one.
UniqueWindow browserWindow(const wchar_t* cls, const std::string& caption, bool visible = true,
                           HWND owner = nullptr) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.lpszClassName = cls;
    RegisterClassW(&wc);
    UniqueWindow window(CreateWindowExW(WS_EX_NOACTIVATE, cls, widen(caption).c_str(),
                                        WS_OVERLAPPED, 0, 0, 100, 50, owner, nullptr, nullptr,
                                        nullptr));
    ShowWindow(window.get(), visible ? SW_SHOWNOACTIVATE : SW_HIDE);
    return window;
}

class AddressDialogTest : public ::testing::Test {
  protected:
    std::optional<std::string> run(UiDriver& ui, const std::string& address = "http://old.jp/") {
        AddressDialog dialog;
        auto result = dialog.run(nullptr, "Title", address, [this](const AddressChoice& c) {
            stored.emplace_back(c.title, c.address);
        });
        EXPECT_TRUE(ui.finished());
        EXPECT_EQ(ui.unexpected(), 0);
        return result ? std::optional<std::string>(result->title) : std::nullopt;
    }
    // Does `act` in the dialog, then notes what the two fields hold.
    void then(UiDriver& ui, std::function<void(const DialogView&)> act) {
        ui.dialog(std::move(act)).dialog([this](const DialogView& d) {
            seen.emplace_back(d.text(Url::kAddressId), d.text(Url::kTitleId));
        });
    }
    void ask(UiDriver& ui, int button) {
        then(ui, [button](const DialogView& d) { d.click(button); });
    }
    test::TempDir dir;
    std::vector<Fields> stored, seen;
    // No browser answers but the stand-in: Wine's own iexplore would be started by the
    // Internet Explorer button and answer it.
    const test::SetAside wineBrowser{"C:\\windows\\system32\\iexplore.exe"};
    const test::SetAside installedBrowser{"C:\\Program Files\\Internet Explorer\\iexplore.exe"};
};

TEST_F(AddressDialogTest, OpensAsDesignedTheKindReplacesTheAddressAndTheTitleIsRequired) {
    // A browser installed where the dialog looks for it lends its button its icon. It is
    // gone again however the test ends.
    struct InstalledBrowser {
        const std::wstring folder = L"C:\\Program Files\\Netscape";
        const std::wstring program = folder + L"\\netscape\\netscp.exe";
        InstalledBrowser() {
            CreateDirectoryW(folder.c_str(), nullptr);
            CreateDirectoryW((folder + L"\\netscape").c_str(), nullptr);
            CopyFileW(L"C:\\windows\\notepad.exe", program.c_str(), FALSE);
        }
        ~InstalledBrowser() {
            DeleteFileW(program.c_str());
            RemoveDirectoryW((folder + L"\\netscape").c_str());
            RemoveDirectoryW(folder.c_str());
        }
    } const browser;
    std::vector<int> tabOrder;
    std::vector<bool> icons, imeOpen;
    UiDriver ui;
    then(ui, [&](const DialogView& d) {
        EXPECT_EQ(d.className(), "TF_URLSET");
        EXPECT_TRUE(d.checked(Url::kHomePageId)) << "always opens on the home page kind";
        EXPECT_FALSE(d.checked(Url::kKeepTitleId));
        EXPECT_FALSE(d.visible(Url::kNetscape4Id));
        for (HWND h = d.item(Url::kTitleId); tabOrder.size() < 9;
             h = GetNextDlgTabItem(d.hwnd(), h, FALSE)) {
            tabOrder.push_back(GetDlgCtrlID(h));
        }
        for (int id : {Url::kInternetExplorerId, Url::kNetscape6Id, Url::kNetscape4Id}) {
            icons.push_back(SpeedButton::of(d.item(id))->hasGlyph());
        }
        for (int id : {Url::kTitleId, Url::kAddressId}) {
            SetFocus(d.item(id));
            HIMC context = ImmGetContext(d.item(id));
            imeOpen.push_back(ImmGetOpenStatus(context) != FALSE);
            ImmReleaseContext(d.item(id), context);
        }
        d.click(Url::kMailAddressId);
    });
    then(ui, [](const DialogView& d) {
        d.setText(Url::kAddressId, "mailto:me@b.jp");
        d.click(Url::kMailAddressId); // the kind already chosen: the text stays
    });
    then(ui, [](const DialogView& d) { d.click(Url::kHomePageId); });
    ui.dialog([](const DialogView& d) {
          d.setText(Url::kTitleId, "");
          d.click(Url::kRegisterId);
      })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            EXPECT_EQ(d.focusedId(), Url::kTitleId);
            d.setText(Url::kTitleId, " ");
            d.key(VK_RETURN); // not a default button: Enter does not register
        })
        .dialog([&](const DialogView& d) {
            d.setText(Url::kAddressId, "http://" + std::string(ShellRunAction::kLongestName, 'a'));
            d.click(Url::kRegisterId);
        })
        .box(BoxReply::button(IDOK))
        .dialog([&](const DialogView& d) {
            EXPECT_EQ(d.focusedId(), Url::kAddressId);
            d.setText(Url::kAddressId, "http://");
            d.click(Url::kRegisterId);
        });
    EXPECT_EQ(run(ui, "mailto:a@b.jp"), " ") << "a blank title is a title";
    EXPECT_EQ(tabOrder,
              (std::vector<int>{Url::kTitleId, Url::kKeepTitleId, Url::kHomePageId, Url::kAddressId,
                                Url::kRegisterId, IDCANCEL, Url::kInternetExplorerId,
                                Url::kNetscape6Id, Url::kTitleId}));
    EXPECT_EQ(icons, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(imeOpen, (std::vector<bool>{true, false}));
    EXPECT_EQ(seen, (std::vector<Fields>{
                        {"mailto:", "Title"}, {"mailto:me@b.jp", "Title"}, {"http://", "Title"}}));
    ASSERT_EQ(ui.boxes().size(), 2u);
    EXPECT_EQ(ui.boxes()[0].caption + ui.boxes()[0].text, "警告タイトル(ボタン名)が未入力です");
    EXPECT_EQ(ui.boxes()[1].caption + ui.boxes()[1].text, "警告" + ShellRunAction::tooLongText())
        << "an address longer than the shell takes is refused";
    EXPECT_EQ(stored, (std::vector<Fields>{{" ", "http://"}}));
}

TEST_F(AddressDialogTest, EachBrowserButtonFillsTheAddressAndTitleByItsOwnRule) {
    FakeBrowser netscape(dir.file("n4.log"), {"netscape"}, reply(R"("http://a.jp/?q=1,2","T, x")"));
    FakeBrowser iexplore(dir.file("ie.log"), {"Iexplore"}, reply(R"("http://ie.jp/")"));
    FakeBrowser netscape6(dir.file("n6.log"), {"netscape6"}, reply(R"("http://n6.jp/","x","y")"));
    UniqueWindow frame = browserWindow(L"IEFrame", "Start - Microsoft Internet Explorer 6");
    const UniqueWindow n6 = browserWindow(L"TarvokTestBrowser", "Page - Netscape 6");
    // Passed over: owned, hidden, and the marker past the 254 characters read.
    const UniqueWindow owned =
        browserWindow(L"TarvokTestBrowser", "Owned - Netscape", true, n6.get());
    const UniqueWindow hidden = browserWindow(L"TarvokTestBrowser", "Hidden - Netscape", false);
    const UniqueWindow cut =
        browserWindow(L"TarvokTestBrowser", std::string(250, 'x') + " - Netscape");
    const auto setTitle = [](const DialogView& d) { d.setText(Url::kTitleId, "mine"); };
    UiDriver ui;
    ask(ui, Url::kNetscape4Id);
    then(ui, [&](const DialogView& d) {
        setTitle(d);
        d.click(Url::kKeepTitleId);
        d.click(Url::kNetscape4Id);
    });
    ui.dialog([](const DialogView& d) { d.click(Url::kKeepTitleId); });
    ask(ui, Url::kInternetExplorerId);
    then(ui, [&](const DialogView& d) {
        SetWindowTextW(frame.get(), L"Start");
        d.click(Url::kInternetExplorerId);
    });
    then(ui, [&](const DialogView& d) {
        frame.reset();
        setTitle(d);
        d.click(Url::kInternetExplorerId);
    });
    ask(ui, Url::kNetscape6Id);
    then(ui, [&](const DialogView& d) {
        ShowWindow(n6.get(), SW_HIDE);
        setTitle(d);
        d.click(Url::kNetscape6Id);
    });
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    EXPECT_EQ(run(ui), std::nullopt);
    EXPECT_EQ(seen, (std::vector<Fields>{{"http://a.jp/?q=1,2", "T, x"},
                                         {"http://a.jp/?q=1,2", "mine"},
                                         {"http://ie.jp/", "Start"},
                                         {"http://ie.jp/", ""},
                                         {"http://ie.jp/", "mine"},
                                         {"http://n6.jp/", "Page"},
                                         {"http://n6.jp/", "mine"}}));
    Texts conversations;
    for (int click = 0; click < 3; ++click) {
        conversations.insert(conversations.end(),
                             {"connect|Iexplore|WWW_GetWindowInfo",
                              "request|Iexplore|WWW_GetWindowInfo|0xFFFFFFFF|1",
                              "disconnect|Iexplore"});
    }
    test::waitFor([&] { return iexplore.log().size() >= conversations.size(); });
    EXPECT_EQ(iexplore.log(), conversations) << "one conversation per click, closed each time";
}

TEST_F(AddressDialogTest, LateEmptySilentAndMissingBrowsers) {
    const std::string longAddress = "http://example.jp/" + std::string(600, 'a');
    std::optional<FakeBrowser> browser(std::in_place, dir.file("late.log"), Texts{"netscape"},
                                       reply("\"" + longAddress + "\",\"T\"", "--delay 400"));
    const auto serve = [&](const std::string& arguments) {
        return [&, arguments](const DialogView& d) {
            browser.emplace(dir.file(std::to_string(seen.size()) + ".log"), Texts{"netscape"},
                            arguments);
            d.setText(Url::kAddressId, "a");
            d.click(Url::kNetscape4Id);
        };
    };
    UiDriver ui;
    ask(ui, Url::kNetscape4Id);
    then(ui, serve(reply("")));
    then(ui, serve("--never"));
    ui.dialog([&](const DialogView& d) {
        browser.reset();
        d.setText(Url::kTitleId, "t");
        d.setText(Url::kAddressId, "a");
    });
    for (int button : {Url::kInternetExplorerId, Url::kNetscape6Id, Url::kNetscape4Id}) {
        ui.dialog([=](const DialogView& d) { d.click(button); }).box(BoxReply::button(IDOK));
        then(ui, [](const DialogView&) {});
    }
    ui.dialog([](const DialogView& d) { d.key(VK_ESCAPE); });
    run(ui);
    EXPECT_EQ(seen, (std::vector<Fields>{{longAddress, "T"}, // late and long: taken whole
                                         {"", ""},           // empty reply
                                         {"", ""},           // no reply within the time-out
                                         {"a", "t"},
                                         {"a", "t"},
                                         {"a", "t"}}));
    Texts warnings;
    for (const auto& box : ui.boxes()) {
        warnings.push_back(box.caption + " " + box.text);
    }
    EXPECT_EQ(warnings, (Texts{"警告 インターネットエクスプローラが起動されていません",
                               "警告 ネットスケープ v.6～ が起動されていません",
                               "警告 ネットスケープ v.4.X が起動されていません"}));
}

using SlotMenuAddressTest = test::MainWindowTest;

TEST_F(SlotMenuAddressTest, AProgramSlotAsksFirstAndTheButtonTakesTheTitleWithoutItsIcon) {
    // 1F3's kind 2 opens as a program but is not one to the question.
    const std::string file =
        "[PG_KIND]\r\n1F2=1\r\n1F3=2\r\n1F4=0\r\n\r\n[AP_NM]\r\n1F2=Notepad\r\n1F3=Two\r\n"
        "1F4=Home\r\n\r\n"
        "[LINK_PATH]\r\n1F2=C:\\windows\\notepad.exe\r\n\r\n[URL_KIND]\r\n1F2=0\r\n1F4=1\r\n"
        "\r\n[URL]\r\n1F4=mailto:a@b.jp\r\n\r\n";
    writeSettings(file);
    auto& w = open();
    constexpr int kAddressItem = 2;
    std::vector<Fields> opened;
    const auto see = [&](const DialogView& d) {
        opened.emplace_back(d.text(Url::kAddressId), d.text(Url::kTitleId));
        EXPECT_EQ(d.caption(), "ﾎｰﾑﾍﾟｰｼﾞやﾒｰﾙｱﾄﾞﾚｽの登録/変更");
    };
    UiDriver ui;
    ui.box(BoxReply::button(IDNO)).box(BoxReply::button(IDYES)).dialog([&](const DialogView& d) {
        see(d);
        d.setText(Url::kTitleId, "表示😀");
        d.click(Url::kRegisterId);
    });
    ui.box(BoxReply::button(IDOK)).dialog([&](const DialogView& d) {
        d.setText(Url::kTitleId, "ホーム");
        d.setText(Url::kAddressId, "http://a.jp/");
        d.click(Url::kRegisterId);
    });
    chooseFromSlotMenu(2, kAddressItem);
    chooseFromSlotMenu(2, kAddressItem);
    for (int slot : {3, 4, 5}) {
        ui.dialog([&](const DialogView& d) {
            see(d);
            d.key(VK_ESCAPE);
        });
        chooseFromSlotMenu(slot, kAddressItem);
    }
    EXPECT_TRUE(ui.finished());
    ASSERT_EQ(ui.boxes().size(), 3u);
    EXPECT_EQ(ui.boxes()[0].text,
              replaceQuestion(text::kAskReplaceProgramHead, "Notepad", text::kMenuRegisterAddress));
    EXPECT_NE(ui.boxes()[2].text.find("保存できない文字"), std::string::npos)
        << "a title Shift_JIS cannot hold is refused and the dialog stays open";
    EXPECT_EQ(
        opened,
        (std::vector<Fields>{
            {"http://", ""}, {"http://", "Two"}, {"mailto:a@b.jp", "Home"}, {"http://", ""}}));
    EXPECT_EQ(caption(2), "ホーム");
    EXPECT_FALSE(w.slotButton(2).hasGlyph());
    EXPECT_EQ(
        settingsBytes(),
        "[PG_KIND]\r\n1F2=0\r\n1F3=2\r\n1F4=0\r\n\r\n[AP_NM]\r\n1F2=" +
            systemCodec().encode("ホーム").value() +
            "\r\n1F3=Two\r\n1F4=Home\r\n\r\n[LINK_PATH]\r\n1F2=\r\n\r\n[URL_KIND]\r\n1F2=1\r\n"
            "1F4=1\r\n\r\n[URL]\r\n1F4=mailto:a@b.jp\r\n1F2=http://a.jp/\r\n\r\n");
}

} // namespace
