#include "settings/paths.h"

namespace tarvok {

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

} // namespace tarvok
