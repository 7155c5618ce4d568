#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

// Paths are joined, and names proposed and taken for shortcuts, as in the file picker, by the
// rules of settings/paths.h: joinPath, proposedName, isShortcutPath.

// The order in which a list shows its entries: by caption under the given comparison
// (negative, zero, positive), folders and files mixed; entries that compare equal keep the
// order in which the folder listed them. Returns indices into `captions`.
using CaptionComparison = std::function<int(const std::string&, const std::string&)>;
std::vector<std::size_t> captionOrder(const std::vector<std::string>& captions,
                                      const CaptionComparison& compare);

} // namespace tarvok
