#pragma once

#include "platform/controls.h"
#include "platform/speed_button.h"
#include "platform/win_handles.h"

#include <windows.h>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace tarvok {

// One control of a screen, as the screen's design table gives it. Controls are created in
// the order of the table, which is also their tab order.
struct ControlSpec {
    enum class Kind {
        Label,         // static text; a zero width or height is sized to the text
        Edit,          // one-line field
        ReadOnlyEdit,  // one-line field the user can select but not change
        Button,        // push button
        DefaultButton, // the push button Enter presses
        CheckBox,
        Frame,       // an etched rectangle around other controls
        RadioGroup,  // a captioned box of radio buttons; text: caption, then "\n"-separated items
        SpeedButton, // a flat button that leaves the focus where it is
        // The label of a field: its text ends at box.left and is centred on the band from
        // box.top to box.top + box.height (the field's top and height).
        FieldLabel,
        Link,         // a label that reports clicks (and Enter or Space once Tab reaches it),
                      // underlined in the link colour, with the hand
        ListBox,      // rows the screen draws (onDrawItem), one selected
        DropDownList, // a closed box of box.height whose list drops `listHeight` further
        ListView,     // a report list view, one row selected, headers that do nothing
    };
    Kind kind;
    int id = -1; // radio items take id + 1, id + 2, ...
    std::string text;
    Box box;
    int fontPixels = 0; // 0: the dialog's font
    int columns = 1;    // radio groups
    const wchar_t* face = nullptr;
    int listHeight = 0; // drop-down lists
};

// A modal dialog from an in-memory template: the dialog manager gives Tab order, Esc and the
// default button; the controls are created at their design positions scaled by the DPI.
// A screen derives from it, builds its controls in build() and handles its own commands.
// Every message passes through the program's error guard, so an error in a handler ends
// that operation with its message and leaves the dialog open.
class Dialog {
  public:
    struct Frame {
        const wchar_t* windowClass = nullptr; // registered on first use; nullptr: #32770
        int clientWidth = 0;                  // design pixels
        int clientHeight = 0;
        int fontPixels = 12;
        // Esc presses the cancel button (and the close box cancels): screens with a
        // "キャンセル" button. Without one Esc does nothing.
        bool escapeCancels = true;
        // The close box (and Alt+F4) closes with IDCANCEL.
        bool closeBoxCancels = true;
        // Centred on the screen; otherwise centred on the owner.
        bool centreOnScreen = true;
        // The height of the rows of owner-drawn lists (design pixels); 0: the system's.
        int rowHeight = 0;
    };

    explicit Dialog(Frame frame);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Sets the window caption; before or while the dialog is shown.
    void setCaption(const std::string& caption);
    const std::string& caption() const { return caption_; }

    // Shows the dialog modally and returns the result given to end() (IDCANCEL when the
    // dialog could not be shown).
    int showModal(HWND owner);
    HWND hwnd() const { return hwnd_; }
    UINT dpi() const { return dpi_; }

  protected:
    // Creates the controls (with add()); the window exists and has its size.
    virtual void build() = 0;
    // The controls exist; fill them. The first control in tab order gets the focus unless
    // this gives it elsewhere.
    virtual void onInit() {}
    virtual bool onCommand(int id, int notification, HWND control) {
        (void)id, (void)notification, (void)control;
        return false;
    }
    // Paints what the screen draws on its own face (texts that are not controls).
    virtual void onPaint(HDC dc) { (void)dc; }
    // A notification of a common control; returns whether it was handled and sets its result.
    virtual bool onNotify(NMHDR& header, LRESULT& result) {
        (void)header, (void)result;
        return false;
    }
    // A row of a list or drop-down list the screen draws; true when it drew it.
    virtual bool onDrawItem(const DRAWITEMSTRUCT& item) {
        (void)item;
        return false;
    }
    // The colours of a control; a brush for its background, or nullptr for the system's.
    virtual HBRUSH onCtlColor(HDC dc, HWND control) {
        (void)dc, (void)control;
        return nullptr;
    }

    void end(int result);
    // Runs a check; what it throws is shown, the focus goes to `fieldAtFault` (0: stays) and
    // false comes back, so the dialog stays open with everything typed still in it.
    bool passes(int fieldAtFault, const std::function<void()>& check);
    // For screens that size themselves to their content (device pixels).
    void setClientSize(int width, int height);

    HWND add(const ControlSpec& control);
    void addAll(std::span<const ControlSpec> controls);
    SpeedButton& speedButton(int id);
    HWND item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string text(int id) const { return windowText(item(id)); }
    void setText(int id, const std::string& value) { setWindowText(item(id), value); }
    // Moves the focus as the dialog manager does (the default button follows it).
    void focusOn(int id);
    // The interface font at a height in design pixels; created once per dialog.
    HFONT font(int pixels, bool bold = false, const wchar_t* face = kUiFace);
    int px(int designPixels) const;

  private:
    static INT_PTR CALLBACK procedure(HWND h, UINT m, WPARAM w, LPARAM l);
    INT_PTR dispatch(UINT m, WPARAM w, LPARAM l);
    void initialise();
    void addRadioGroup(const ControlSpec& control, HFONT font);
    HWND addControl(const ControlSpec& control);
    HWND addLink(const ControlSpec& control, HFONT font);
    static LRESULT CALLBACK linkSubclass(HWND, UINT, WPARAM, LPARAM, UINT_PTR, DWORD_PTR);
    void placeFieldLabel(HWND label, const Box& band);
    void fitDropDownList(HWND box, const ControlSpec& control);
    bool isLink(HWND control) const;

    Frame frame_;
    std::string caption_;
    HWND hwnd_ = nullptr;
    UINT dpi_ = 96;
    std::map<std::tuple<int, bool, std::wstring>, UniqueFont> fonts_;
    std::map<int, std::unique_ptr<SpeedButton>> speedButtons_;
    std::vector<int> links_;
    UniqueFont linkFont_;
    std::string lastLabel_; // the text of the label just added, which names a list after it
};

// A dialog that ends with what the user chose. The caller's accept step sees the choice before
// the dialog closes on it (and stores it); a choice it refuses by throwing is reported, and
// the dialog stays open on the field at fault.
template <typename Choice> class ChoiceDialog : public Dialog {
  public:
    using Dialog::Dialog;
    using Accept = std::function<void(const Choice&)>;

    // Shows the dialog modally; the choice the caller accepted, nullopt when cancelled.
    std::optional<Choice> run(HWND owner, Accept accept = {}) {
        accept_ = std::move(accept);
        chosen_.reset();
        showModal(owner);
        return std::exchange(chosen_, std::nullopt);
    }

  protected:
    // The user confirmed `choice`; false when the caller refused it. The screen ends the
    // dialog after an accepted choice.
    bool accept(Choice choice, int fieldAtFault = 0) {
        if (!passes(fieldAtFault, [&] {
                if (accept_) {
                    accept_(choice);
                }
            })) {
            return false;
        }
        chosen_ = std::move(choice);
        return true;
    }

  private:
    Accept accept_;
    std::optional<Choice> chosen_;
};

// The window property that marks our dialogs, so tools and tests can tell them apart.
inline constexpr wchar_t kDialogProperty[] = L"tarvok.Dialog";

} // namespace tarvok
