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
    // A shell result of 32 or less raises AppError with the system's text for that code; a
    // name the action does not take raises AppError with tooLongText().
    void execute() const;

    // The longest name the action hands to the shell, in UTF-16 code units. Wine 8's shell
    // copies a name that is no file (an address) behind a 52-character registry path into a
    // buffer of 1 024: from 972 characters on it overruns the stack and ends the program.
    // It also cuts the handler's command line short of 1 024 characters, so a longer address
    // would reach the browser cut; 960 leaves some 60 characters for the handler's own
    // command (Wine's browser command takes 43). On Windows an address may be longer, but the
    // same slot must open under both.
    static constexpr std::size_t kLongestName = 960;
    static bool takes(const std::string& name);
    // The refusal of a longer address, naming the limit.
    static std::string tooLongText();

  private:
    std::string fileName_;
    std::string workingFolder_;
};

// Full path of the running program file.
std::string programFilePath();

} // namespace tarvok
