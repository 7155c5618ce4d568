// The control kinds a screen's table names, made and placed in pixels of the window's DPI.
#include "platform/dialog.h"

#include "platform/accessibility.h"
#include "platform/dpi.h"
#include "platform/text.h"

#include <commctrl.h>
#include <oleacc.h>

#include <algorithm>

namespace tarvok {

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

} // namespace tarvok
