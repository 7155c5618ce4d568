#include "dialogs/file_picker_rules.h"

#include "dialogs/file_picker_texts.h"
#include "settings/text_format.h"

#include <algorithm>

namespace tarvok {

namespace {

// Only ASCII letters fold: every byte of a multibyte UTF-8 character is 0x80 or above, so
// folding byte by byte never touches one.
char foldAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), foldAscii);
    return out;
}

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t lastSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

// Wildcard match with backtracking to the last "*": linear for the masks of the filter.
bool wildcardMatch(std::string_view name, std::string_view mask) {
    std::size_t n = 0, m = 0;
    std::size_t starMask = std::string_view::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && (mask[m] == '?' || foldAscii(mask[m]) == foldAscii(name[n]))) {
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

std::string joinPath(std::string_view folder, std::string_view name) {
    std::string path(folder);
    if (!path.empty() && !isSeparator(path.back())) {
        path.push_back('\\');
    }
    path.append(name);
    return path;
}

std::string_view fileNameOf(std::string_view path) {
    const auto at = lastSeparator(path);
    return at == std::string_view::npos ? path : path.substr(at + 1);
}

std::string rootOf(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        return std::string(path.substr(0, 2)) + "\\";
    }
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1])) {
        // \\server\share\ : the root ends after the share name.
        const auto server = path.find_first_of("\\/", 2);
        if (server == std::string_view::npos) {
            return std::string(path) + "\\";
        }
        const auto share = path.find_first_of("\\/", server + 1);
        return std::string(path.substr(0, share == std::string_view::npos ? path.size() : share)) +
               "\\";
    }
    return {};
}

std::string normalFolder(std::string_view path) {
    const std::string root = rootOf(path);
    if (!root.empty() && path.size() <= root.size()) {
        return root;
    }
    std::string folder(path);
    while (folder.size() > root.size() && isSeparator(folder.back())) {
        folder.pop_back();
    }
    return folder;
}

std::string parentFolderOf(std::string_view path) {
    const std::string folder = normalFolder(path);
    const std::string root = rootOf(folder);
    const auto at = lastSeparator(folder);
    if (at == std::string::npos) {
        return root;
    }
    if (at + 1 <= root.size()) {
        return root;
    }
    return folder.substr(0, at);
}

char driveLetterOf(std::string_view path) {
    if (path.size() >= 2 && path[1] == ':') {
        const char c = foldAscii(path[0]);
        return c >= 'a' && c <= 'z' ? c : 0;
    }
    return 0;
}

std::string_view extensionOf(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

bool isShortcutPath(std::string_view path) {
    return lowerAscii(extensionOf(path)) == ".lnk";
}

bool isProgramName(std::string_view name) {
    const std::string ext = lowerAscii(extensionOf(name));
    return ext == ".exe" || ext == ".com" || ext == ".bat" || ext == ".pif";
}

std::string proposedName(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    return std::string(name.substr(0, name.size() - extensionOf(name).size()));
}

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
        const auto x = static_cast<unsigned char>(foldAscii(a[i]));
        const auto y = static_cast<unsigned char>(foldAscii(b[i]));
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
    const std::string name(1, foldAscii(letter));
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
