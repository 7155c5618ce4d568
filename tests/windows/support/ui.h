#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace tarvok {
class MainWindow;
}

namespace tarvok::test {

// Runs this thread's messages, passing them through the window's accelerators the way the
// program's own loop does, until the predicate holds or the time runs out; returns the
// predicate's last value.
bool pumpUntil(const MainWindow* window, const std::function<bool()>& done, int timeoutMs = 5000);
// Pumps until this thread has handled everything queued before the call and what that work
// queued in turn: a message of the test's own, posted now, has come back through the queue
// (whichever loop ran it, a modal one included) and nothing is left waiting. What a posted
// key, click or command does in this process has happened by then, and what it has not done
// it will not do later (a timer of its own aside). False when the time ran out first.
bool settle(const MainWindow* window, int timeoutMs = 5000);

// Posts a key press and release to a window as the keyboard would deliver it.
void postKey(HWND window, UINT virtualKey);
void postSystemKey(HWND window, UINT virtualKey);

std::string windowText(HWND window);

// What a screen reader hears of a window: the name and description of its client object, read
// with AccessibleObjectFromWindow as readers read them.
struct Spoken {
    std::string name;
    std::string description;
};
Spoken spoken(HWND window);

// The labels and buttons of a window whose letters need more room than their box gives them,
// each as "text: needs N of M pixels", measured in the control's own font.
std::vector<std::string> textsThatDoNotFit(HWND window);

// What a message box showed, read while it was open.
struct SeenBox {
    std::string caption;
    std::string text;
    std::vector<std::string> buttons;
    int focusedId = 0;
    int defaultId = 0;
};

// One of our dialogs as a user sees it: controls found by id, read, filled and pressed the
// way the keyboard and mouse would. Works on dialogs of other processes too.
class DialogView {
  public:
    explicit DialogView(HWND dialog) : hwnd_(dialog) {}
    HWND hwnd() const { return hwnd_; }
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string caption() const;
    std::string className() const;
    std::string text(int id) const;
    // Replaces a field's text as typing would (the field reports the change).
    void setText(int id, const std::string& value) const;
    bool checked(int id) const;
    bool enabled(int id) const { return IsWindowEnabled(item(id)) != FALSE; }
    bool visible(int id) const { return IsWindowVisible(item(id)) != FALSE; }
    // Clicks a button, check box or radio button (posted, as a real click arrives).
    void click(int id) const;
    // A key pressed in the control that has the focus (or in the dialog).
    void key(UINT virtualKey) const;
    // The close box.
    void close() const;
    int focusedId() const;
    // List and combo boxes: the rows' texts, the selected row (-1 for none), a mouse click or
    // double click on a row of a list, and a row chosen in a combo box as the keyboard would.
    std::vector<std::string> rows(int id) const;
    int selectedRow(int id) const;
    void clickRow(int id, int row) const;
    void doubleClickRow(int id, int row) const;
    void chooseRow(int id, int row) const;
    RECT clientRect(int id) const; // in the dialog's client coordinates
    HFONT font(int id) const;

  private:
    HWND hwnd_;
};

// How a user answers one of our message boxes: a click on one of its buttons (IDOK, IDYES,
// IDNO), Esc, the close box in its title bar, or a key pressed on the button that has the
// focus (Enter, Space). Works on boxes of other processes too.
class BoxReply {
  public:
    static BoxReply button(int id) { return {Kind::Button, id}; }
    static BoxReply escape() { return {Kind::Escape, VK_ESCAPE}; }
    static BoxReply closeBox() { return {Kind::CloseBox, 0}; }
    static BoxReply key(UINT virtualKey) { return {Kind::Key, static_cast<int>(virtualKey)}; }
    // Posts the answer to the open box, as the mouse or keyboard would deliver it.
    void giveTo(HWND box) const;
    // Whether the box has what the answer presses (a button of its own).
    bool fits(HWND box) const;

  private:
    enum class Kind { Button, Escape, CloseBox, Key };
    BoxReply(Kind kind, int value) : kind_(kind), value_(value) {}
    Kind kind_;
    int value_;
};

// Plays the user at the modal windows of this thread, from a timer that also runs inside
// their message loops. Steps run in order, one per tick: a box step waits for one of our
// message boxes, a dialog step for one of our dialogs. What a step posts (clicks, keys) has
// been handled by the next tick. Windows that come when no step is left are closed the safe
// way (Esc, close box) and counted as unexpected.
class UiDriver {
  public:
    UiDriver();
    ~UiDriver();
    UiDriver(const UiDriver&) = delete;
    UiDriver& operator=(const UiDriver&) = delete;

    // Answers the next message box; `meanwhile` runs first, while the box is open. A box
    // without the button the answer names is answered the safe way and counted as unexpected,
    // so a test fails instead of waiting on it.
    UiDriver& box(BoxReply answer, std::function<void()> meanwhile = {});
    UiDriver& dialog(std::function<void(const DialogView&)> act);
    // Acts on the next dialog of this thread that is not ours, such as the shell's folder
    // browser.
    UiDriver& systemDialog(std::function<void(HWND)> act);

    const std::vector<SeenBox>& boxes() const { return boxes_; }
    // Captions of the dialogs the steps acted on, in order.
    const std::vector<std::string>& dialogs() const { return dialogs_; }
    bool finished() const { return steps_.empty(); }
    int unexpected() const { return unexpected_; }

  protected:
    // What a box gets when no step is left.
    BoxReply fallbackAnswer_ = BoxReply::escape();
    bool countBoxesAsUnexpected_ = true;

  private:
    struct Step {
        bool isBox;
        BoxReply answer;
        std::function<void(const DialogView&)> act;
        std::function<void(HWND)> actOnSystem;
        std::function<void()> meanwhile;
    };
    bool actOnSystemDialog();
    static void CALLBACK onTimer(HWND, UINT, UINT_PTR, DWORD);
    void tick();

    UINT_PTR timer_;
    std::vector<Step> steps_;
    std::vector<SeenBox> boxes_;
    std::vector<std::string> dialogs_;
    HWND lastBox_ = nullptr;
    int unexpected_ = 0;
    UiDriver* previous_ = nullptr;
};

// Watches this thread for our message boxes and gives each the same answer.
class BoxAnswerer : public UiDriver {
  public:
    explicit BoxAnswerer(BoxReply answer = BoxReply::escape());
    const std::vector<SeenBox>& seen() const { return boxes(); }
};

} // namespace tarvok::test
