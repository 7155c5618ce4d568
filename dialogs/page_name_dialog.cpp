#include "dialogs/page_name_dialog.h"

#include "dialogs/page_name_dialog_texts.h"
#include "platform/cp932_codec.h"
#include "platform/text.h"
#include "platform/ui_texts.h"
#include "settings/slot_keys.h"

namespace tarvok {

namespace {

using Kind = ControlSpec::Kind;

constexpr int kFieldLeft = 79;
constexpr int kFieldTop = 16;
constexpr int kFieldPitch = 32;
constexpr int kFieldWidth = 100;
constexpr int kFieldHeight = 20;
constexpr int kLabelGap = 15;
constexpr int kLabelFont = 13;

const ControlSpec kButtons[] = {
    {Kind::Button, PageNameDialog::kOkId, ui::kButtonOk, {23, 181, 75, 25}},
    {Kind::Button, IDCANCEL, ui::kButtonCancel, {103, 181, 75, 25}},
    // Last, so it lies under the fields and labels it encloses.
    {Kind::Frame, PageNameDialog::kFrameId, "", {8, 7, 185, 167}},
};

std::size_t index(int page) {
    return static_cast<std::size_t>(page - kFirstPage);
}

} // namespace

PageNameDialog::PageNameDialog(PageNames names)
    : ChoiceDialog(Frame{.windowClass = L"TF_PAGE_NM", .clientWidth = 203, .clientHeight = 211}),
      names_(std::move(names)) {
    setCaption(text::kPageNameCaption);
}

void PageNameDialog::build() {
    // Each label just before its field, which takes its accessible name from it.
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        const int top = kFieldTop + kFieldPitch * (page - kFirstPage);
        add({Kind::FieldLabel,
             kLabelBase + page,
             text::kPageNameLabels[index(page)],
             {kFieldLeft - kLabelGap, top, 0, kFieldHeight},
             kLabelFont});
        HWND field =
            add({Kind::Edit, kFieldBase + page, "", {kFieldLeft, top, kFieldWidth, kFieldHeight}});
        // A page name has no length limit.
        SendMessageW(field, EM_LIMITTEXT, 0, 0);
    }
    addAll(kButtons);
}

void PageNameDialog::onInit() {
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        setText(kFieldBase + page, names_[index(page)]);
    }
}

bool PageNameDialog::onCommand(int id, int, HWND) {
    if (id != kOkId) {
        return false;
    }
    PageNames typed;
    for (int page = kFirstPage; page <= kLastPage; ++page) {
        typed[index(page)] = text(kFieldBase + page);
        if (!passes(kFieldBase + page,
                    [&] { (void)encodeStorable(systemCodec(), typed[index(page)]); })) {
            return true;
        }
    }
    if (accept(std::move(typed))) {
        end(IDOK);
    }
    return true;
}

} // namespace tarvok
