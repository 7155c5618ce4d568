#include "dialogs/start_menu_picker_rules.h"

#include <algorithm>
#include <numeric>

namespace tarvok {

std::vector<std::size_t> captionOrder(const std::vector<std::string>& captions,
                                      const CaptionComparison& compare) {
    std::vector<std::size_t> order(captions.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return compare(captions[a], captions[b]) < 0;
    });
    return order;
}

} // namespace tarvok
