#pragma once

#include "platform/dde.h"
#include "platform/dialog.h"

#include <optional>
#include <string>

namespace tarvok {

// A home page or mail address and its title (the button name). The address is as typed:
// "http://" alone or an empty field included.
struct AddressChoice {
    std::string title;
    std::string address;
};

// TF_URLSET: a home page or mail address and its title, typed in or taken from a running
// browser over DDE with one click.
class AddressDialog final : public ChoiceDialog<AddressChoice> {
  public:
    static constexpr int kGetAddressLabelId = 100;
    static constexpr int kInternetExplorerId = 101; // SPD_IE
    static constexpr int kNetscape6Id = 102;        // SPD_N6
    static constexpr int kNetscape4Id = 103;        // SPD_N4, never shown
    static constexpr int kTitleLabelId = 104;
    static constexpr int kTitleId = 105;
    static constexpr int kKeepTitleId = 106;
    static constexpr int kKindGroupId = 107; // items: 108 home page, 109 mail address
    static constexpr int kHomePageId = kKindGroupId + 1;
    static constexpr int kMailAddressId = kKindGroupId + 2;
    static constexpr int kAddressLabelId = 110;
    static constexpr int kAddressId = 111;
    static constexpr int kRegisterId = 112;

    AddressDialog();
    // Shows the dialog with the fields filled.
    std::optional<AddressChoice> run(HWND owner, const std::string& title,
                                     const std::string& address, Accept accept) {
        title_ = title;
        address_ = address;
        return ChoiceDialog::run(owner, std::move(accept));
    }

    // A browser the buttons ask: its button, DDE service, installed program and warning.
    struct Browser;

  private:
    void build() override;
    void onInit() override;
    bool onCommand(int id, int notification, HWND control) override;

    void fillFrom(const Browser& browser);
    void chooseKind(int index);
    void registerAddress();

    std::string title_;
    std::string address_;
    int kind_ = 0;
    BrowserDdeClient dde_; // DdeClientConv1
};

} // namespace tarvok
