// The driver that answers the dialogs and boxes a test expects, from a timer, while the code
// under test waits in their modal loops.
#include "tests/windows/support/ui.h"

#include "platform/controls.h"
#include "platform/dialog.h"
#include "platform/message_box.h"
#include "platform/text.h"

#include <algorithm>

namespace tarvok::test {

namespace {

UiDriver* g_driver = nullptr;

bool isOurBox(HWND h) {
    return GetDlgItem(h, kBoxTextId) != nullptr;
}

// The window the user would be looking at on this thread: a visible, enabled dialog of ours,
// or (ours false) a system dialog (#32770) such as the shell's folder browser.
HWND activeWindow(bool ours) {
    struct Search {
        bool ours;
        HWND found = nullptr;
    } search{ours};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND h, LPARAM p) -> BOOL {
            auto* s = reinterpret_cast<Search*>(p);
            wchar_t name[16] = {};
            GetClassNameW(h, name, 16);
            const bool isOurs = GetPropW(h, kDialogProperty) != nullptr;
            if (IsWindowVisible(h) && IsWindowEnabled(h) && isOurs == s->ours &&
                (isOurs || lstrcmpW(name, L"#32770") == 0)) {
                s->found = h;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

} // namespace

UiDriver::UiDriver() : previous_(g_driver) {
    g_driver = this;
    timer_ = SetTimer(nullptr, 0, 30, onTimer);
}

UiDriver::~UiDriver() {
    KillTimer(nullptr, timer_);
    g_driver = previous_;
}

UiDriver& UiDriver::box(BoxReply answer, std::function<void()> meanwhile) {
    steps_.push_back({true, answer, {}, {}, std::move(meanwhile)});
    return *this;
}

UiDriver& UiDriver::dialog(std::function<void(const DialogView&)> act) {
    steps_.push_back({false, BoxReply::escape(), std::move(act), {}, {}});
    return *this;
}

UiDriver& UiDriver::systemDialog(std::function<void(HWND)> act) {
    steps_.push_back({false, BoxReply::escape(), {}, std::move(act), {}});
    return *this;
}

bool UiDriver::actOnSystemDialog() {
    if (steps_.empty() || !steps_.front().actOnSystem) {
        return false;
    }
    const HWND found = activeWindow(false);
    if (found == nullptr) {
        return false;
    }
    const auto act = std::move(steps_.front().actOnSystem);
    steps_.erase(steps_.begin());
    dialogs_.push_back(windowText(found));
    act(found);
    return true;
}

void CALLBACK UiDriver::onTimer(HWND, UINT, UINT_PTR, DWORD) {
    // A step that waits runs messages, this timer's among them: the next step waits for it.
    static bool s_acting = false;
    if (g_driver != nullptr && !s_acting) {
        s_acting = true;
        g_driver->tick();
        s_acting = false;
    }
}

void BoxReply::giveTo(HWND box) const {
    // Keys go where the keyboard would send them: the box's focused control, whichever
    // thread the box belongs to.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info);
    const HWND focus =
        info.hwndFocus != nullptr && (info.hwndFocus == box || IsChild(box, info.hwndFocus))
            ? info.hwndFocus
            : box;
    switch (kind_) {
    case Kind::Button:
        PostMessageW(GetDlgItem(box, value_), BM_CLICK, 0, 0);
        break;
    case Kind::CloseBox:
        PostMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case Kind::Escape:
    case Kind::Key:
        postKey(focus, static_cast<UINT>(value_));
        break;
    }
}

bool BoxReply::fits(HWND box) const {
    return kind_ != Kind::Button || GetDlgItem(box, value_) != nullptr;
}

void UiDriver::tick() {
    if (actOnSystemDialog()) {
        return;
    }
    HWND window = activeWindow(true);
    if (window == nullptr) {
        lastBox_ = nullptr;
        return;
    }
    const bool box = isOurBox(window);
    if (box && window == lastBox_) {
        return; // answered already; its answer is on the way
    }
    if (box) {
        lastBox_ = window;
        SeenBox seen;
        seen.caption = windowText(window);
        seen.text = windowText(GetDlgItem(window, kBoxTextId));
        for (int id : {IDOK, IDYES, IDNO}) {
            if (HWND b = GetDlgItem(window, id)) {
                seen.buttons.push_back(windowText(b));
            }
        }
        seen.focusedId = GetDlgCtrlID(GetFocus());
        seen.defaultId = LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0));
        boxes_.push_back(seen);
    }
    if (!steps_.empty() && steps_.front().isBox == box && !steps_.front().actOnSystem) {
        Step step = std::move(steps_.front());
        steps_.erase(steps_.begin());
        if (box) {
            if (step.meanwhile) {
                step.meanwhile();
            }
            if (!step.answer.fits(window)) {
                ++unexpected_;
                fallbackAnswer_.giveTo(window);
                return;
            }
            step.answer.giveTo(window);
        } else {
            dialogs_.push_back(windowText(window));
            step.act(DialogView(window));
        }
        return;
    }
    if (box) {
        if (countBoxesAsUnexpected_) {
            ++unexpected_;
        }
        fallbackAnswer_.giveTo(window);
    } else {
        ++unexpected_;
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

BoxAnswerer::BoxAnswerer(BoxReply answer) {
    countBoxesAsUnexpected_ = false;
    fallbackAnswer_ = answer;
}

} // namespace tarvok::test
