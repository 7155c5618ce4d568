#include "platform/message_box.h"
#include "platform/unhandled.h"
#include "settings/errors.h"
#include "tests/windows/support/ui.h"

#include <gtest/gtest.h>

using namespace tarvok;
using test::BoxAnswerer;
using test::BoxReply;

namespace {

TEST(MessageBoxes, WarningHasItsCaptionOkButtonAndExactText) {
    BoxAnswerer answer(BoxReply::escape());
    const std::string text = "ﾌｧｲﾙ(ﾌｫﾙﾀﾞ)名:　C:\\a b\\x.exe　がありません";
    warningBox(nullptr, text);
    ASSERT_EQ(answer.seen().size(), 1u);
    const auto& box = answer.seen()[0];
    EXPECT_EQ(box.caption, "警告");
    EXPECT_EQ(box.text, text);
    EXPECT_EQ(box.buttons, std::vector<std::string>{"OK"});
    EXPECT_EQ(box.focusedId, IDOK);
}

TEST(MessageBoxes, LineBreaksAndAmpersandsAreShownAsWritten) {
    BoxAnswerer answer(BoxReply::key(VK_RETURN));
    const std::string text =
        "ブラウザが起動されていません。あるいは\r\nこのソフトでは未対応のブラウザです & more";
    informationBox(nullptr, text);
    ASSERT_EQ(answer.seen().size(), 1u);
    EXPECT_EQ(answer.seen()[0].caption, "情報");
    EXPECT_EQ(answer.seen()[0].text, text);
}

TEST(MessageBoxes, YesIsFocusedByDefaultAndEnterAnswersYes) {
    BoxAnswerer answer(BoxReply::key(VK_RETURN));
    EXPECT_TRUE(confirmYesNo(nullptr, "消去しますか？"));
    ASSERT_EQ(answer.seen().size(), 1u);
    const auto& box = answer.seen()[0];
    EXPECT_EQ(box.caption, "確認");
    EXPECT_EQ(box.buttons, (std::vector<std::string>{"はい(&Y)", "いいえ(&N)"}));
    EXPECT_EQ(box.focusedId, IDYES);
    EXPECT_EQ(box.defaultId, IDYES);
}

TEST(MessageBoxes, EscapeAnswersNoInEveryYesNoBox) {
    BoxAnswerer answer(BoxReply::escape());
    EXPECT_FALSE(confirmYesNo(nullptr, "a"));
    EXPECT_FALSE(askInformationYesNo(nullptr, "デスクトップにショートカット\r\nを作成しますか？"));
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_EQ(answer.seen()[1].caption, "情報");
    EXPECT_EQ(answer.seen()[1].buttons.size(), 2u);
}

TEST(MessageBoxes, NoCanBeTheFocusedDefault) {
    {
        BoxAnswerer answer(BoxReply::key(VK_RETURN));
        EXPECT_FALSE(confirmYesNo(nullptr, "b", true));
        ASSERT_EQ(answer.seen().size(), 1u);
        EXPECT_EQ(answer.seen()[0].focusedId, IDNO);
        EXPECT_EQ(answer.seen()[0].defaultId, IDNO);
    }
    BoxAnswerer click(BoxReply::button(IDYES));
    EXPECT_TRUE(confirmYesNo(nullptr, "c", true));
}

TEST(MessageBoxes, TheOwnerIsDisabledOnlyWhileTheBoxIsOpen) {
    HWND owner = CreateWindowExW(0, L"STATIC", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                                 200, 100, nullptr, nullptr, nullptr, nullptr);
    bool disabledWhileOpen = false;
    BoxAnswerer answer(BoxReply::escape());
    MessageBoxContent content{"警告", "x", BoxIcon::Warning, BoxButtons::Ok, false};
    // Read the owner's state from inside the box's loop through a thread timer.
    static HWND s_owner;
    static bool* s_flag;
    s_owner = owner;
    s_flag = &disabledWhileOpen;
    const UINT_PTR probe = SetTimer(nullptr, 0, 5, [](HWND, UINT, UINT_PTR, DWORD) {
        if (!IsWindowEnabled(s_owner)) {
            *s_flag = true;
        }
    });
    showMessageBox(owner, content);
    KillTimer(nullptr, probe);
    EXPECT_TRUE(disabledWhileOpen);
    EXPECT_TRUE(IsWindowEnabled(owner));
    DestroyWindow(owner);
}

TEST(UnhandledErrors, StopBoxIsTitledWithTheApplicationTitleAndEndsWithAFullStop) {
    setUnhandledErrorTitle("ダルメDのペルノ COM");
    BoxAnswerer answer(BoxReply::escape());
    reportUnhandledError(nullptr,
                         AppError("ファイル \"C:\\x\". アクセスが拒否されました は開けません"));
    reportUnhandledError(nullptr, AppError("Already ends."));
    reportUnhandledError(nullptr, AppError("(ends with a bracket)"));
    ASSERT_EQ(answer.seen().size(), 3u);
    EXPECT_EQ(answer.seen()[0].caption, "ダルメDのペルノ COM");
    EXPECT_EQ(answer.seen()[0].text, "ファイル \"C:\\x\". アクセスが拒否されました は開けません.");
    EXPECT_EQ(answer.seen()[1].text, "Already ends.");
    EXPECT_EQ(answer.seen()[2].text, "(ends with a bracket)");
    EXPECT_EQ(answer.seen()[0].buttons, std::vector<std::string>{"OK"});
}

TEST(UnhandledErrors, GuardedHandlersNeverLetAnErrorEscape) {
    setUnhandledErrorTitle("t");
    BoxAnswerer answer(BoxReply::escape());
    const int r = runGuarded(
        nullptr, []() -> int { throw std::logic_error("boom"); }, -7);
    EXPECT_EQ(r, -7);
    const int u = runGuarded(
        nullptr, []() -> int { throw 42; }, -8);
    EXPECT_EQ(u, -8);
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_EQ(answer.seen()[0].text, "boom.");
}

// Kept last in this program: the medium-error handler stays installed for the rest of a run.
// Other errors are still shown: a failed save of the settings file must not pass as success.
TEST(UnhandledErrorsZ, MediumHandlerShowsInputOutputErrorsAsAMissingMedium) {
    setUnhandledErrorTitle("t");
    installMediumErrorHandler();
    BoxAnswerer answer(BoxReply::escape());
    reportUnhandledError(nullptr, AppError("drive", AppError::Kind::InputOutput));
    reportUnhandledError(nullptr, AppError("ファイル \"C:\\x\". y を作成できません"));
    ASSERT_EQ(answer.seen().size(), 2u);
    EXPECT_EQ(answer.seen()[0].caption, "情報");
    EXPECT_EQ(answer.seen()[0].text, "CD-R/RW, ﾌﾛｯﾋﾟｰ等が正常にセットされていません");
    EXPECT_EQ(answer.seen()[1].caption, "t");
    EXPECT_EQ(answer.seen()[1].text, "ファイル \"C:\\x\". y を作成できません.");
}

} // namespace
