#include "settings/paths.h"

#include <algorithm>

namespace tarvok {

namespace {

bool isSeparator(char c) {
    return c == '\\' || c == '/';
}

std::size_t lastSeparator(std::string_view path) {
    return path.find_last_of("\\/");
}

} // namespace

std::string programFolderOf(std::string_view programPath) {
    const auto slash = programPath.find_last_of("\\/");
    std::string folder(slash == std::string_view::npos ? std::string_view{}
                                                       : programPath.substr(0, slash));
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) {
        folder.pop_back();
    }
    folder.push_back('\\');
    return folder;
}

std::string settingsPathIn(std::string_view programFolder) {
    std::string path(programFolder);
    path.append(kSettingsFileName);
    return path;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string lowerAscii(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(), [](char c) { return lowerAscii(c); });
    return out;
}

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
        const char c = lowerAscii(path[0]);
        return c >= 'a' && c <= 'z' ? c : 0;
    }
    return 0;
}

std::string folderPartOf(std::string_view path) {
    const auto last = path.find_last_of('\\');
    std::string_view folder =
        last == std::string_view::npos ? std::string_view{} : path.substr(0, last);
    while (!folder.empty() && folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

std::string withOneBackslash(std::string_view folder) {
    while (!folder.empty() && folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder) + "\\";
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

std::string plainDisplayName(std::string_view path) {
    const std::string_view name = fileNameOf(path);
    if (name.empty()) {
        return std::string(path);
    }
    return isShortcutPath(name) ? proposedName(name) : std::string(name);
}

} // namespace tarvok
