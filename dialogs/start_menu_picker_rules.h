#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvok {

// The button name proposed for a list entry: its caption without the extension (from the
// last "." to the end). "Notepad.lnk" gives "Notepad"; a caption without a dot stays whole.
std::string proposedButtonName(std::string_view caption);

// Whether a path names a shortcut file by its extension, compared in lower case, so that
// "Editor.LNK" counts and "desktop.ini" or "Site.url" do not.
bool hasShortcutExtension(std::string_view path);

// A folder and a name below it, with exactly one backslash between them.
std::string joinPath(std::string_view folder, std::string_view name);

// The order in which a list shows its entries: by caption under the given comparison
// (negative, zero, positive), folders and files mixed; entries that compare equal keep the
// order in which the folder listed them. Returns indices into `captions`.
using CaptionComparison = std::function<int(const std::string&, const std::string&)>;
std::vector<std::size_t> captionOrder(const std::vector<std::string>& captions,
                                      const CaptionComparison& compare);

} // namespace tarvok
