#include "dialogs/file_picker_rules.h"

#include "dialogs/file_picker_texts.h"
#include "settings/paths.h"
#include "settings/text_format.h"

#include <algorithm>

namespace tarvok {

namespace {

// Wildcard match with backtracking to the last "*": linear for the masks of the filter.
bool wildcardMatch(std::string_view name, std::string_view mask) {
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || lowerAscii(mask[m]) == lowerAscii(name[n]))) {
            // "?" stands for one character, not one byte: skip a whole UTF-8 sequence.
            if (mask[m] == '?') {
                ++n;
                while (n < name.size() && (static_cast<unsigned char>(name[n]) & 0xC0) == 0x80) {
                    ++n;
                }
            } else {
                ++n;
            }
            ++m;
        } else if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (starMask != std::string_view::npos) {
            m = starMask + 1;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*') {
        ++m;
    }
    return m == mask.size();
}

} // namespace

bool matchesMask(std::string_view name, std::string_view mask) {
    if (wildcardMatch(name, mask)) {
        return true;
    }
    // "*.*" and "x.*" also take names without any dot, as the system's masks do.
    if (mask.size() >= 2 && mask.substr(mask.size() - 2) == ".*" &&
        name.find('.') == std::string_view::npos) {
        return wildcardMatch(name, mask.substr(0, mask.size() - 2));
    }
    return false;
}

bool nameBefore(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const auto x = static_cast<unsigned char>(lowerAscii(a[i]));
        const auto y = static_cast<unsigned char>(lowerAscii(b[i]));
        if (x != y) {
            return x < y;
        }
    }
    if (a.size() != b.size()) {
        return a.size() < b.size();
    }
    return a < b;
}

void sortNames(std::vector<std::string>& names) {
    std::sort(names.begin(), names.end(),
              [](const std::string& a, const std::string& b) { return nameBefore(a, b); });
}

std::vector<FolderRow> folderRows(std::string_view currentFolder,
                                  std::vector<std::string> subfolders) {
    const std::string current = normalFolder(currentFolder);
    const std::string root = rootOf(current);
    std::vector<FolderRow> rows;
    rows.push_back({root, root, 0, true});
    std::string path = root;
    std::size_t start = root.size();
    int level = 1;
    while (start < current.size()) {
        auto end = current.find_first_of("\\/", start);
        if (end == std::string::npos) {
            end = current.size();
        }
        if (end > start) {
            const std::string name = current.substr(start, end - start);
            path = joinPath(path, name);
            rows.push_back({name, path, level++, true});
        }
        start = end + 1;
    }
    sortNames(subfolders);
    for (auto& name : subfolders) {
        rows.push_back({name, joinPath(current, name), level, false});
    }
    return rows;
}

std::size_t currentFolderRow(const std::vector<FolderRow>& rows) {
    std::size_t at = 0;
    while (at + 1 < rows.size() && rows[at + 1].open) {
        ++at;
    }
    return at;
}

std::string driveEntry(char letter, DriveKind kind, std::string_view lowerLabel,
                       std::string_view remoteName) {
    const std::string name(1, lowerAscii(letter));
    switch (kind) {
    case DriveKind::Fixed:
    case DriveKind::CdRom:
    case DriveKind::RamDisk:
        return formatMessage(text::kDriveWithDetail,
                             {name, formatMessage(text::kVolumeLabel, {lowerLabel})});
    case DriveKind::Network:
        return formatMessage(text::kDriveWithDetail, {name, remoteName});
    case DriveKind::Removable:
    case DriveKind::Unknown:
        break;
    }
    return formatMessage(text::kDriveAlone, {name});
}

} // namespace tarvok
