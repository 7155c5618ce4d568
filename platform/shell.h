#pragma once

#include "platform/win_handles.h"

#include <string>

namespace tarvok {

// The beep used where there is nothing to do (MessageBeep with type 0).
void defaultBeep();

// The shell's large icon for a path; empty when the shell has none (for instance when the
// path no longer exists).
UniqueIcon shellLargeIcon(const std::string& path);

// Opens a slot's file or folder with its default action (owner window, SW_SHOWNORMAL).
// Whether the shell managed is not examined: it shows its own message where it has one.
void shellOpenItem(HWND owner, const std::string& path);
// The same with the shell's "runas" verb: Windows asks for an administrator's consent first.
// A user who declines gets no message; any other failure raises AppError with the system's
// text.
void shellOpenItemAsAdministrator(HWND owner, const std::string& path);

// The main window's one object for asking the shell to open a file, program or address by
// name (operation "open", no parameters, SW_SHOWNORMAL, no owner window). It keeps its file
// name and working folder from one use to the next, and does nothing while its file name is
// empty.
class ShellRunAction {
  public:
    void setFileName(std::string fileName) { fileName_ = std::move(fileName); }
    void setWorkingFolder(std::string folder) { workingFolder_ = std::move(folder); }
    const std::string& fileName() const { return fileName_; }
    const std::string& workingFolder() const { return workingFolder_; }
    bool enabled() const { return !fileName_.empty(); }
    // A shell result of 32 or less raises AppError with the system's text for that code.
    void execute() const;

  private:
    std::string fileName_;
    std::string workingFolder_;
};

// Full path of the running program file.
std::string programFilePath();

} // namespace tarvok
