#include "platform/message_box.h"

#include "platform/dialog.h"
#include "platform/text.h"
#include "platform/ui_texts.h"

#include <algorithm>
#include <vector>

namespace tarvok {

namespace {

LPCWSTR systemIcon(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Warning:
        return IDI_WARNING;
    case BoxIcon::Question:
        return IDI_QUESTION;
    case BoxIcon::Stop:
        return IDI_HAND;
    case BoxIcon::Information:
        break;
    }
    return IDI_INFORMATION;
}

UINT iconSound(BoxIcon icon) {
    switch (icon) {
    case BoxIcon::Warning:
        return MB_ICONEXCLAMATION;
    case BoxIcon::Question:
        return MB_ICONQUESTION;
    case BoxIcon::Stop:
        return MB_ICONHAND;
    case BoxIcon::Information:
        break;
    }
    return MB_ICONASTERISK;
}

// Laid out from its content: the icon, the text wrapped at a readable width, the buttons
// centred below; the box is centred on its owner where there is one.
class MessageBoxDialog final : public Dialog {
  public:
    explicit MessageBoxDialog(const MessageBoxContent& content)
        : Dialog(Frame{.windowClass = nullptr, .centreOnScreen = false}), content_(content),
          answer_(content.buttons == BoxButtons::YesNo ? BoxAnswer::No : BoxAnswer::Ok) {
        setCaption(content.caption);
    }
    BoxAnswer answer() const { return answer_; }

  private:
    void build() override {
        const HFONT f = font(12);
        const int margin = px(12);
        const int iconSize = px(32);
        const int buttonHeight = px(23);
        const int gap = px(8);
        const std::wstring text = widen(content_.text);
        const SIZE textSize =
            measureText(hwnd(), f, text, px(420), DT_WORDBREAK | DT_EXPANDTABS | DT_EDITCONTROL);

        HWND icon = makeChild(hwnd(), L"STATIC", "", SS_ICON | SS_REALSIZECONTROL, kBoxIconId);
        HANDLE image = LoadImageW(nullptr, systemIcon(content_.icon), IMAGE_ICON, iconSize,
                                  iconSize, LR_SHARED);
        SendMessageW(icon, STM_SETICON, reinterpret_cast<WPARAM>(image), 0);
        HWND label = makeChild(hwnd(), L"STATIC", content_.text,
                               SS_LEFT | SS_NOPREFIX | SS_EDITCONTROL, kBoxTextId);
        setFont(label, f);

        std::vector<std::pair<int, std::string>> buttons;
        if (content_.buttons == BoxButtons::YesNo) {
            buttons = {{IDYES, ui::kButtonYes}, {IDNO, ui::kButtonNo}};
        } else {
            buttons = {{IDOK, ui::kButtonOk}};
        }
        int buttonWidth = px(75);
        for (const auto& [id, caption] : buttons) {
            buttonWidth = std::max<int>(buttonWidth, textWidth(hwnd(), f, widen(caption)) + px(16));
        }
        const int count = static_cast<int>(buttons.size());
        const int buttonsWidth = count * buttonWidth + (count - 1) * gap;
        const int contentHeight = std::max<int>(iconSize, textSize.cy);
        const int clientWidth = std::max<int>(margin + iconSize + margin + textSize.cx + margin,
                                              buttonsWidth + 2 * margin);
        setClientSize(clientWidth, margin + contentHeight + margin + buttonHeight + margin);
        MoveWindow(icon, margin, margin, iconSize, iconSize, FALSE);
        MoveWindow(label, margin + iconSize + margin, margin + (contentHeight - textSize.cy) / 2,
                   textSize.cx, textSize.cy, FALSE);
        int x = (clientWidth - buttonsWidth) / 2;
        for (const auto& [id, caption] : buttons) {
            HWND b = add(
                {id == defaultId() ? ControlSpec::Kind::DefaultButton : ControlSpec::Kind::Button,
                 id,
                 caption,
                 {}});
            MoveWindow(b, x, margin + contentHeight + margin, buttonWidth, buttonHeight, FALSE);
            x += buttonWidth + gap;
        }
    }

    void onInit() override { focusOn(defaultId()); }

    bool onCommand(int id, int, HWND) override {
        const bool yesNo = content_.buttons == BoxButtons::YesNo;
        switch (id) {
        case IDYES:
            answer_ = BoxAnswer::Yes;
            break;
        case IDNO:
            answer_ = BoxAnswer::No;
            break;
        case IDOK:
            answer_ =
                yesNo ? (defaultId() == IDNO ? BoxAnswer::No : BoxAnswer::Yes) : BoxAnswer::Ok;
            break;
        case IDCANCEL: // Esc
            answer_ = yesNo ? BoxAnswer::No : BoxAnswer::Ok;
            break;
        default:
            return false;
        }
        end(IDOK);
        return true;
    }

    int defaultId() const {
        if (content_.buttons != BoxButtons::YesNo) {
            return IDOK;
        }
        return content_.noIsDefault ? IDNO : IDYES;
    }

    const MessageBoxContent& content_;
    BoxAnswer answer_;
};

} // namespace

BoxAnswer showMessageBox(HWND owner, const MessageBoxContent& content) {
    MessageBeep(iconSound(content.icon));
    MessageBoxDialog box(content);
    box.showModal(owner);
    return box.answer();
}

void warningBox(HWND owner, const std::string& text) {
    showMessageBox(owner, {ui::kCaptionWarning, text, BoxIcon::Warning, BoxButtons::Ok, false});
}

void informationBox(HWND owner, const std::string& text) {
    showMessageBox(owner,
                   {ui::kCaptionInformation, text, BoxIcon::Information, BoxButtons::Ok, false});
}

bool askInformationYesNo(HWND owner, const std::string& text) {
    return showMessageBox(owner, {ui::kCaptionInformation, text, BoxIcon::Information,
                                  BoxButtons::YesNo, false}) == BoxAnswer::Yes;
}

bool confirmYesNo(HWND owner, const std::string& text, bool noIsDefault) {
    return showMessageBox(owner, {ui::kCaptionConfirmation, text, BoxIcon::Question,
                                  BoxButtons::YesNo, noIsDefault}) == BoxAnswer::Yes;
}

void stopBox(HWND owner, const std::string& caption, const std::string& text) {
    showMessageBox(owner, {caption, text, BoxIcon::Stop, BoxButtons::Ok, false});
}

} // namespace tarvok
