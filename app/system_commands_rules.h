#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tarvok {

// What the command prompt item hands to the shell-run action. The working folder, when set,
// stays with the action for every later use in the run.
struct PromptCommand {
    std::string fileName;
    std::optional<std::string> workingFolder;
};
// The Windows 9x family (platform id 1) has "command.com", started in the Windows folder;
// everything else, an unknown id and a failed version query included, gets "cmd.exe" rather
// than whatever file the action held from its last use.
PromptCommand commandPromptFor(std::optional<unsigned long> platformId,
                               std::string_view windowsFolder);

// The desktop shortcut: named after the application title, in the desktop folder.
std::string desktopShortcutPath(std::string_view desktopFolder);

// The warning for a help or read-me file missing beside the program.
std::string notBesideProgramWarning(std::string_view fileName);
// Saving the shortcut failed: where, and the system's reason.
std::string shortcutNotSavedWarning(std::string_view path, std::string_view reason);

} // namespace tarvok
