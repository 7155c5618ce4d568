// The rules of the start-menu picker that need no window.
#include "dialogs/start_menu_picker_rules.h"

#include <gtest/gtest.h>

#include <cctype>

namespace tarvok {
namespace {

TEST(StartMenuRules, EntriesFollowTheComparisonFoldersAndFilesMixedTiesInListedOrder) {
    const std::vector<std::string> captions{"b.lnk", "Tools", "a.lnk", "B.LNK", "c"};
    // Case-blind, as a locale comparison may be: "b.lnk" and "B.LNK" tie.
    const auto caseBlind = [](const std::string& x, const std::string& y) {
        const auto lower = [](std::string s) {
            for (auto& c : s) {
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            }
            return s;
        };
        return lower(x).compare(lower(y));
    };
    std::vector<std::string> shown;
    for (auto i : captionOrder(captions, caseBlind)) {
        shown.push_back(captions[i]);
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"a.lnk", "b.lnk", "B.LNK", "c", "Tools"}));
}

} // namespace
} // namespace tarvok
