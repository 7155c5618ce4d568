#include "app/system_commands_rules.h"

#include "app/texts.h"
#include "settings/text_format.h"

namespace tarvok {

namespace {
constexpr unsigned long kWindows9xPlatform = 1; // VER_PLATFORM_WIN32_WINDOWS
}

PromptCommand commandPromptFor(std::optional<unsigned long> platformId,
                               std::string_view windowsFolder) {
    if (platformId == kWindows9xPlatform) {
        return {"command.com", std::string(windowsFolder)};
    }
    return {"cmd.exe", std::nullopt};
}

std::string desktopShortcutPath(std::string_view desktopFolder) {
    while (!desktopFolder.empty() && desktopFolder.back() == '\\') {
        desktopFolder.remove_suffix(1);
    }
    return std::string(desktopFolder) + "\\" + text::kAppTitle + ".lnk";
}

std::string notBesideProgramWarning(std::string_view fileName) {
    return formatMessage(text::kMsgNotBesideProgram, {fileName});
}

std::string shortcutNotSavedWarning(std::string_view path, std::string_view reason) {
    return formatMessage(text::kMsgShortcutNotSaved, {path, reason});
}

} // namespace tarvok
