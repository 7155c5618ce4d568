#pragma once

#include "platform/win_handles.h"
#include "settings/ini_model.h"
#include "settings/settings.h"

#include <string>

namespace tarvok {

// The system's description of an error code, without the trailing line break.
std::string systemErrorText(unsigned long code);

// A missing file gives an empty model. A file that exists but cannot be read raises AppError
// "ファイル "path". cause は開けません".
IniModel loadSettingsFile(const std::string& path);

// Writes a temporary file beside the settings file, flushes it and puts it in place in one
// step, so a crash or a full disk leaves the old file whole. A failure raises AppError
// "ファイル "path". cause を作成できません" and leaves the old file exactly as it was.
// Saves of several copies of the launcher in one folder do not collide: the last one wins.
void saveSettingsFile(const std::string& path, const IniModel& model);

// Deletes the temporary files a crashed save left beside the settings file. Those that a
// save in progress holds open stay. Never fails.
void removeLeftoverTemporaries(const std::string& settingsPath);

// Held by one copy of the launcher from loading the settings file to saving it, so two copies
// in one folder never write over each other's change. The lock is a byte range of a file
// beside the settings file, so the system releases it when a holder dies. A lock not had
// within `timeoutMs` raises AppError as a save that cannot create the file does.
class SettingsLock {
  public:
    explicit SettingsLock(const std::string& settingsPath, unsigned long timeoutMs = 5000);
    ~SettingsLock();
    SettingsLock(const SettingsLock&) = delete;
    SettingsLock& operator=(const SettingsLock&) = delete;

  private:
    UniqueFile file_;
};

// One operation on the settings file: load with the system's code page 932 conversion.
Settings openSettings(const std::string& path);
// Saves only when the operation wrote something.
void saveIfChanged(const std::string& path, const Settings& settings);

} // namespace tarvok
