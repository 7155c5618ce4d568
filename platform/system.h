#pragma once

#include <optional>
#include <string>

namespace tarvok {

// The platform id the version query reports (1: the Windows 9x family, 2: the NT family);
// nullopt when the query fails.
std::optional<unsigned long> windowsPlatformId();
// The Windows folder.
std::string windowsFolder();

// Asks the shell's taskbar window ("Shell_TrayWnd") to close, which makes the shell show its
// own dialog for shutting down or restarting. False when there is no taskbar window.
bool askShellForShutDownDialog();

} // namespace tarvok
