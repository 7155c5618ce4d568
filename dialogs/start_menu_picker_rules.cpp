#include "dialogs/start_menu_picker_rules.h"

#include <algorithm>
#include <numeric>

namespace tarvok {

namespace {

std::string_view extensionOf(std::string_view path) {
    const auto name = path.find_last_of('\\');
    const auto dot = path.find_last_of('.');
    if (dot == std::string_view::npos || (name != std::string_view::npos && dot < name)) {
        return {};
    }
    return path.substr(dot);
}

} // namespace

std::string proposedButtonName(std::string_view caption) {
    return std::string(caption.substr(0, caption.find_last_of('.')));
}

bool hasShortcutExtension(std::string_view path) {
    std::string extension(extensionOf(path));
    // ASCII only: a trail byte never occurs in UTF-8, and ".lnk" is plain ASCII.
    std::transform(extension.begin(), extension.end(), extension.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return extension == ".lnk";
}

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    // A drive root ("C:\") already ends with its separator.
    if (path.empty() || path.back() != '\\') {
        path.push_back('\\');
    }
    path.append(name);
    return path;
}

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
