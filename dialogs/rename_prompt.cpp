#include "dialogs/rename_prompt.h"

#include "dialogs/rename_prompt_texts.h"
#include "platform/ui_texts.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

const ControlSpec kControls[] = {
    {Kind::Label, RenamePrompt::kPromptId, text::kRenamePrompt, {12, 12, 0, 0}},
    {Kind::Edit, RenamePrompt::kNameId, "", {12, 32, 276, 21}},
    {Kind::DefaultButton, IDOK, ui::kButtonOk, {69, 68, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {156, 68, 75, 25}},
};

} // namespace

RenamePrompt::RenamePrompt(std::string name)
    : Dialog(Frame{.clientWidth = 300, .clientHeight = 104}), name_(std::move(name)) {
    setCaption(text::kRenameCaption);
}

std::optional<std::string> RenamePrompt::run(HWND owner) {
    if (showModal(owner) != IDOK) {
        return std::nullopt;
    }
    return name_;
}

void RenamePrompt::build() {
    addAll(kControls);
    SendMessageW(item(kNameId), EM_LIMITTEXT, kMaxLength, 0);
}

void RenamePrompt::onInit() {
    setText(kNameId, name_);
    // Tabbing into a field selects its text: the present name is typed over at once.
    focusOn(kNameId);
}

bool RenamePrompt::onCommand(int id, int, HWND) {
    if (id == IDOK) {
        name_ = text(kNameId);
        end(IDOK);
        return true;
    }
    return false;
}

} // namespace tarvok
