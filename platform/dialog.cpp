#include "platform/dialog.h"

#include "platform/accessibility.h"
#include "platform/dpi.h"
#include "platform/text.h"
#include "platform/unhandled.h"

#include <commctrl.h>
#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <set>

namespace tarvok {

namespace {

constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr COLORREF kLinkColour = RGB(0, 0, 255);

// Screens have the window class their design names, so automation can find them; the class
// is a dialog class (DefDlgProc, DLGWINDOWEXTRA) registered on first use.
void registerDialogClass(const wchar_t* name) {
    static std::set<std::wstring> registered;
    if (name == nullptr || registered.contains(name)) {
        return;
    }
    WNDCLASSEXW cls{};
    cls.cbSize = sizeof cls;
    cls.lpfnWndProc = DefDlgProcW;
    cls.cbWndExtra = DLGWINDOWEXTRA;
    cls.hInstance = GetModuleHandleW(nullptr);
    cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = name;
    RegisterClassExW(&cls);
    registered.insert(name);
}

// An empty template: the controls are created in pixels at WM_INITDIALOG.
std::vector<WORD> emptyTemplate(const wchar_t* windowClass) {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = kDialogStyle;
    header->dwExtendedStyle = WS_EX_DLGMODALFRAME;
    words.push_back(0); // no menu
    if (windowClass == nullptr) {
        words.push_back(0);
    } else {
        for (const wchar_t* c = windowClass; *c != 0; ++c) {
            words.push_back(static_cast<WORD>(*c));
        }
        words.push_back(0);
    }
    words.push_back(0); // the caption is set at WM_INITDIALOG
    return words;
}

} // namespace

Dialog::Dialog(Frame frame) : frame_(frame) {}

Dialog::~Dialog() {
    if (hwnd_ != nullptr) {
        EndDialog(hwnd_, IDCANCEL);
    }
}

void Dialog::setCaption(const std::string& caption) {
    caption_ = caption;
    if (hwnd_ != nullptr) {
        setWindowText(hwnd_, caption_);
    }
}

int Dialog::showModal(HWND owner) {
    registerDialogClass(frame_.windowClass);
    const std::vector<WORD> tpl = emptyTemplate(frame_.windowClass);
    // The control that had the keyboard gets it back when the dialog closes, not its window:
    // the menu key and Tab then carry on from where the user was.
    const HWND focus = GetFocus();
    const INT_PTR result = DialogBoxIndirectParamW(
        GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(tpl.data()), owner,
        procedure, reinterpret_cast<LPARAM>(this));
    if (focus != nullptr && IsWindow(focus) && IsWindowVisible(focus) &&
        IsWindowEnabled(GetAncestor(focus, GA_ROOT))) {
        SetFocus(focus);
    }
    return result <= 0 ? IDCANCEL : static_cast<int>(result);
}

void Dialog::end(int result) {
    EndDialog(hwnd_, result);
}

bool Dialog::passes(int fieldAtFault, const std::function<void()>& check) {
    try {
        check();
        return true;
    } catch (const std::exception& e) {
        if (fieldAtFault != 0) {
            focusOn(fieldAtFault);
        }
        reportUnhandledError(hwnd_, e);
        return false;
    }
}

void Dialog::setClientSize(int width, int height) {
    RECT frame{0, 0, width, height};
    adjustWindowRectForDpi(frame, static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrW(hwnd_, GWL_EXSTYLE)), dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Dialog::px(int designPixels) const {
    return scale(designPixels, dpi_);
}

HFONT Dialog::font(int pixels, bool bold, const wchar_t* face) {
    const auto key = std::make_tuple(pixels, bold, std::wstring(face));
    auto found = fonts_.find(key);
    if (found == fonts_.end()) {
        found = fonts_.emplace(key, uiFont(pixels, bold, dpi_, face)).first;
    }
    return found->second.get();
}

void Dialog::focusOn(int id) {
    SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(item(id)), TRUE);
}

SpeedButton& Dialog::speedButton(int id) {
    return *speedButtons_.at(id);
}

void Dialog::addAll(std::span<const ControlSpec> controls) {
    for (const auto& control : controls) {
        add(control);
    }
}

HWND Dialog::add(const ControlSpec& control) {
    using Kind = ControlSpec::Kind;
    // The system's objects for lists and drop-down lists take no name from the label before
    // them under Wine (edit fields do): they are named after it here.
    const std::string label = std::exchange(lastLabel_, {});
    if (control.kind == Kind::Label || control.kind == Kind::FieldLabel) {
        lastLabel_ = control.text;
    }
    HWND made = addControl(control);
    if ((control.kind == Kind::ListBox || control.kind == Kind::DropDownList ||
         control.kind == Kind::ListView) &&
        !label.empty()) {
        setAccessibleName(made, label);
    }
    return made;
}

HWND Dialog::addControl(const ControlSpec& control) {
    using Kind = ControlSpec::Kind;
    HFONT f = font(control.fontPixels > 0 ? control.fontPixels : frame_.fontPixels, false,
                   control.face != nullptr ? control.face : kUiFace);
    if (control.kind == Kind::RadioGroup) {
        addRadioGroup(control, f);
        return item(control.id);
    }
    HWND h = nullptr;
    switch (control.kind) {
    case Kind::Label:
        h = makeChild(hwnd_, L"STATIC", control.text, SS_LEFT | SS_NOPREFIX, control.id);
        break;
    case Kind::Edit:
    case Kind::ReadOnlyEdit:
        h = makeChild(hwnd_, L"EDIT", control.text,
                      WS_TABSTOP | WS_GROUP | ES_AUTOHSCROLL |
                          (control.kind == Kind::ReadOnlyEdit ? ES_READONLY : 0),
                      control.id, WS_EX_CLIENTEDGE);
        break;
    case Kind::Button:
    case Kind::DefaultButton:
    case Kind::CheckBox: {
        const DWORD type = control.kind == Kind::Button          ? BS_PUSHBUTTON
                           : control.kind == Kind::DefaultButton ? BS_DEFPUSHBUTTON
                                                                 : BS_AUTOCHECKBOX;
        h = makeChild(hwnd_, L"BUTTON", control.text, WS_TABSTOP | WS_GROUP | type, control.id);
        if (control.kind == Kind::DefaultButton) {
            SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(control.id), 0);
        }
        break;
    }
    case Kind::Frame:
        h = makeChild(hwnd_, L"STATIC", "", SS_ETCHEDFRAME, control.id);
        break;
    case Kind::SpeedButton: {
        auto button = std::make_unique<SpeedButton>();
        button->create(hwnd_, control.id, control.text, SpeedButton::Focus::Keeps);
        // As tool buttons are: glyph and caption in the middle, unless a screen says where.
        button->setMargin(SpeedButton::kCentred);
        h = button->hwnd();
        speedButtons_[control.id] = std::move(button);
        break;
    }
    case Kind::FieldLabel:
        h = makeChild(hwnd_, L"STATIC", control.text, SS_LEFT | SS_NOPREFIX, control.id);
        setFont(h, f);
        placeFieldLabel(h, control.box);
        return h;
    case Kind::Link:
        return addLink(control, f);
    case Kind::ListBox:
        h = makeChild(hwnd_, L"LISTBOX", "",
                      WS_TABSTOP | WS_GROUP | WS_VSCROLL | LBS_NOTIFY | LBS_OWNERDRAWFIXED |
                          LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT,
                      control.id, WS_EX_CLIENTEDGE);
        break;
    case Kind::DropDownList:
        h = makeChild(hwnd_, L"COMBOBOX", "",
                      WS_TABSTOP | WS_GROUP | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED |
                          CBS_HASSTRINGS,
                      control.id);
        setFont(h, f);
        fitDropDownList(h, control);
        return h;
    case Kind::ListView:
        h = makeChild(hwnd_, WC_LISTVIEWW, "",
                      WS_TABSTOP | WS_GROUP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS |
                          LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
                      control.id, WS_EX_CLIENTEDGE);
        break;
    case Kind::RadioGroup:
        break;
    }
    setFont(h, f);
    const Box& box = control.box;
    // A label is at least as wide as its text: glyphs do not grow exactly with the DPI, so a
    // box that holds its text at 96 DPI can lose the last letters at another.
    if (box.width == 0 || box.height == 0 || control.kind == Kind::Label) {
        const SIZE size = measureText(h, f, widen(control.text));
        MoveWindow(h, px(box.left), px(box.top), std::max<int>(px(box.width), size.cx),
                   box.height == 0 ? size.cy : px(box.height), FALSE);
    } else {
        moveTo(h, box, dpi_);
    }
    return h;
}

// The label ends where the gap before its field begins, at the middle of the field's height;
// its left edge follows from the width of its text.
void Dialog::placeFieldLabel(HWND label, const Box& band) {
    const SIZE size =
        measureText(label, reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0)),
                    widen(windowText(label)));
    MoveWindow(label, px(band.left) - size.cx, px(band.top) + (px(band.height) - size.cy) / 2,
               size.cx, size.cy, FALSE);
}

// The closed box is as high as the design says, whatever the borders add to the height of
// its text row.
void Dialog::fitDropDownList(HWND box, const ControlSpec& control) {
    Box whole = control.box;
    whole.height += control.listHeight;
    moveTo(box, whole, dpi_);
    RECT closed{};
    GetWindowRect(box, &closed);
    const auto field = SendMessageW(box, CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0);
    SendMessageW(box, CB_SETITEMHEIGHT, static_cast<WPARAM>(-1),
                 field + px(control.box.height) - (closed.bottom - closed.top));
}

HWND Dialog::addLink(const ControlSpec& control, HFONT font) {
    HWND link = makeChild(hwnd_, L"STATIC", control.text,
                          WS_TABSTOP | WS_GROUP | SS_LEFT | SS_NOPREFIX | SS_NOTIFY, control.id);
    LOGFONTW lf{};
    GetObjectW(font, sizeof lf, &lf);
    lf.lfUnderline = TRUE;
    linkFont_.reset(CreateFontIndirectW(&lf));
    setFont(link, linkFont_.get());
    // The underline lies below the design height: the label grows to keep it.
    const SIZE text = measureText(link, linkFont_.get(), widen(control.text));
    const int height = std::max<int>(px(control.box.height), text.cy + 1);
    MoveWindow(link, px(control.box.left), px(control.box.top),
               std::max<int>(px(control.box.width), text.cx), height, FALSE);
    SetWindowSubclass(link, linkSubclass, 1, 0);
    annotateAccessible(link, {.role = ROLE_SYSTEM_LINK});
    links_.push_back(control.id);
    return link;
}

// A label takes no focus and no keys: the link does, so the keyboard can follow it.
LRESULT CALLBACK Dialog::linkSubclass(HWND h, UINT m, WPARAM w, LPARAM l, UINT_PTR, DWORD_PTR) {
    switch (m) {
    case WM_GETDLGCODE:
        if (const auto* message = reinterpret_cast<const MSG*>(l);
            message != nullptr && message->message == WM_KEYDOWN &&
            (message->wParam == VK_RETURN || message->wParam == VK_SPACE)) {
            return DefSubclassProc(h, m, w, l) | DLGC_WANTMESSAGE;
        }
        break;
    case WM_KEYDOWN:
        if (w == VK_RETURN || w == VK_SPACE) {
            SendMessageW(GetParent(h), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(h), STN_CLICKED),
                         reinterpret_cast<LPARAM>(h));
            return 0;
        }
        break;
    case WM_SETFOCUS:
        // Only the keyboard brings the focus here: a click on a label does not.
        showFocusCues(GetAncestor(h, GA_ROOT));
        InvalidateRect(h, nullptr, TRUE);
        break;
    case WM_KILLFOCUS:
        InvalidateRect(h, nullptr, TRUE);
        break;
    case WM_PAINT:
        if (GetFocus() == h) {
            const LRESULT painted = DefSubclassProc(h, m, w, l);
            // The frame goes round the text, not round the whole design box.
            const WindowDc dc(h);
            const Selection font(dc.get(),
                                 reinterpret_cast<HFONT>(SendMessageW(h, WM_GETFONT, 0, 0)));
            const std::wstring text = widen(windowText(h));
            RECT r{};
            DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
                      DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
            RECT client{};
            GetClientRect(h, &client);
            r.right = std::min(r.right + 2, client.right);
            r.bottom = std::min(r.bottom + 1, client.bottom);
            DrawFocusRect(dc.get(), &r);
            return painted;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(h, linkSubclass, 1);
        break;
    default:
        break;
    }
    return DefSubclassProc(h, m, w, l);
}

bool Dialog::isLink(HWND control) const {
    return control != nullptr &&
           std::find(links_.begin(), links_.end(), GetDlgCtrlID(control)) != links_.end() &&
           GetParent(control) == hwnd_;
}

// A captioned box of radio buttons laid out in columns, the first column filled first: the
// caption's line at the top, the rows sharing the height below it.
void Dialog::addRadioGroup(const ControlSpec& control, HFONT itemFont) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        const auto end = control.text.find('\n', start);
        lines.push_back(control.text.substr(start, end - start));
        if (end == std::string::npos) {
            break;
        }
        start = end + 1;
    }
    const std::string caption = lines.front();
    lines.erase(lines.begin());
    HFONT captionFont = font(frame_.fontPixels);
    HWND group = makeChild(hwnd_, L"BUTTON", caption, BS_GROUPBOX, control.id);
    setFont(group, captionFont);
    moveTo(group, control.box, dpi_);

    const int count = static_cast<int>(lines.size());
    const int columns = std::max(1, control.columns);
    const int perColumn = (count + columns - 1) / columns;
    const int lineHeight = measureText(group, captionFont, L"0").cy;
    const int width = px(control.box.width);
    const int height = px(control.box.height);
    const int columnWidth = (width - px(10)) / columns;
    const int usable = height - lineHeight - px(5);
    const int rowHeight = usable / std::max(1, perColumn);
    const int topMargin = lineHeight + 1 + (usable % std::max(1, perColumn)) / 2;
    for (int i = 0; i < count; ++i) {
        const DWORD style =
            BS_AUTORADIOBUTTON | (i == 0 ? WS_GROUP | WS_TABSTOP : 0) | BS_MULTILINE;
        HWND radio = makeChild(hwnd_, L"BUTTON", lines[static_cast<std::size_t>(i)], style,
                               control.id + 1 + i);
        setFont(radio, itemFont);
        MoveWindow(radio, px(control.box.left) + (i / perColumn) * columnWidth + px(8),
                   px(control.box.top) + (i % perColumn) * rowHeight + topMargin, columnWidth,
                   rowHeight, FALSE);
    }
}

void Dialog::initialise() {
    dpi_ = windowDpi(hwnd_);
    fonts_.clear();
    speedButtons_.clear();
    links_.clear();
    lastLabel_.clear();
    setWindowText(hwnd_, caption_);
    setClientSize(px(frame_.clientWidth), px(frame_.clientHeight));
    build();
    HWND owner = GetWindow(hwnd_, GW_OWNER);
    RECT around{};
    if (!frame_.centreOnScreen && owner != nullptr && IsWindowVisible(owner) &&
        GetWindowRect(owner, &around)) {
        RECT mine{};
        GetWindowRect(hwnd_, &mine);
        const int w = mine.right - mine.left;
        const int h = mine.bottom - mine.top;
        const int left = (around.left + around.right - w) / 2;
        const int top = (around.top + around.bottom - h) / 2;
        const POINT at = keptOnMonitor({left, top, left + w, top + h});
        SetWindowPos(hwnd_, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        centreOnScreen(hwnd_);
    }
    onInit();
    if (!IsChild(hwnd_, GetFocus())) {
        if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) {
            SendMessageW(hwnd_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(first), TRUE);
        }
    }
}

INT_PTR Dialog::dispatch(UINT m, WPARAM w, LPARAM l) {
    LRESULT result = 0;
    switch (m) {
    case WM_COMMAND: {
        const int id = LOWORD(w);
        if (onCommand(id, HIWORD(w), reinterpret_cast<HWND>(l))) {
            return TRUE;
        }
        // The close box arrives as WM_CLOSE (below); IDCANCEL here is Esc.
        if (id == IDCANCEL && frame_.escapeCancels) {
            end(IDCANCEL);
        }
        // A screen without a default button ignores Enter: the dialog manager sends IDOK.
        return TRUE;
    }
    case WM_CLOSE:
        if (frame_.closeBoxCancels) {
            end(IDCANCEL);
        }
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        onPaint(dc);
        EndPaint(hwnd_, &ps);
        return TRUE;
    }
    case WM_DRAWITEM: {
        const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(l);
        if (const auto button = speedButtons_.find(static_cast<int>(item.CtlID));
            item.CtlType == ODT_BUTTON && button != speedButtons_.end()) {
            button->second->paint(item, dpi_);
            return SetDlgMsgResult(hwnd_, m, TRUE);
        }
        return SetDlgMsgResult(hwnd_, m, onDrawItem(item));
    }
    case WM_MEASUREITEM: {
        auto& measure = *reinterpret_cast<MEASUREITEMSTRUCT*>(l);
        if (frame_.rowHeight == 0 ||
            (measure.CtlType != ODT_LISTBOX && measure.CtlType != ODT_COMBOBOX)) {
            return FALSE;
        }
        measure.itemHeight = static_cast<UINT>(px(frame_.rowHeight));
        return SetDlgMsgResult(hwnd_, m, TRUE);
    }
    case WM_NOTIFY:
        return onNotify(*reinterpret_cast<NMHDR*>(l), result) ? SetDlgMsgResult(hwnd_, m, result)
                                                              : FALSE;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN: {
        const HDC dc = reinterpret_cast<HDC>(w);
        const HWND control = reinterpret_cast<HWND>(l);
        if (isLink(control)) {
            SetTextColor(dc, kLinkColour);
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            return reinterpret_cast<INT_PTR>(GetSysColorBrush(COLOR_BTNFACE));
        }
        return reinterpret_cast<INT_PTR>(onCtlColor(dc, control));
    }
    case WM_SETCURSOR:
        if (isLink(reinterpret_cast<HWND>(w))) {
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return SetDlgMsgResult(hwnd_, m, TRUE);
        }
        return FALSE;
    default:
        return FALSE;
    }
}

INT_PTR CALLBACK Dialog::procedure(HWND h, UINT m, WPARAM w, LPARAM l) {
    Dialog* self = nullptr;
    if (m == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(l);
        SetWindowLongPtrW(h, DWLP_USER, l);
        SetPropW(h, kDialogProperty, self);
        self->hwnd_ = h;
        // A screen that cannot be built is not shown half-built: its error is reported and
        // the dialog ends as if cancelled.
        if (!runGuarded(
                h,
                [&] {
                    self->initialise();
                    return true;
                },
                false)) {
            EndDialog(h, IDCANCEL);
        }
        return FALSE;
    }
    self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(h, DWLP_USER));
    if (self == nullptr) {
        return FALSE;
    }
    if (m == WM_NCDESTROY) {
        RemovePropW(h, kDialogProperty);
        SetWindowLongPtrW(h, DWLP_USER, 0);
        self->hwnd_ = nullptr;
        return FALSE;
    }
    return runGuarded(
        h, [&] { return self->dispatch(m, w, l); }, INT_PTR{TRUE});
}

} // namespace tarvok
