// System and utility commands of the main menu: Control Panel, the command prompt, the
// shell's shut-down dialog, the desktop shortcut, the files beside the program, the about box
// and the migration.
#include "app/main_window.h"

#include "app/system_commands_rules.h"
#include "app/texts.h"
#include "dialogs/about_box.h"
#include "migration/migration_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/shell_items.h"
#include "platform/system.h"

namespace tarvok {

void MainWindow::runFile(const std::string& fileName) {
    fileRun_.setFileName(fileName);
    if (options_.shellRun) {
        options_.shellRun(fileRun_.fileName(), fileRun_.workingFolder());
    } else {
        fileRun_.execute();
    }
}

void MainWindow::openControlPanel() {
    runFile(text::kControlPanelFile);
}

void MainWindow::openCommandPrompt() {
    const PromptCommand prompt = commandPromptFor(windowsPlatformId(), windowsFolder());
    if (prompt.workingFolder) {
        fileRun_.setWorkingFolder(*prompt.workingFolder);
    }
    runFile(prompt.fileName);
}

void MainWindow::shutDownWindows() {
    // The position is stored first; the window stays until the shell has had the message.
    closeQuery();
    askShellForShutDownDialog();
    DestroyWindow(hwnd_);
}

void MainWindow::addDesktopShortcut() {
    const std::string folder = options_.desktopFolder.empty()
                                   ? specialFolderPath(folder::kDesktopDirectory)
                                   : options_.desktopFolder;
    const std::string path = desktopShortcutPath(folder);
    if (fileExists(path)) {
        warningBox(hwnd_, text::kMsgShortcutExists);
        return;
    }
    if (!askInformationYesNo(hwnd_, text::kAskCreateShortcut)) {
        return;
    }
    if (const auto failure = createShortcut(path, programFilePath())) {
        warningBox(hwnd_, shortcutNotSavedWarning(path, *failure));
        return;
    }
    informationBox(hwnd_, text::kMsgShortcutCreated);
}

void MainWindow::openBesideProgram(const std::string& fileName) {
    const std::string path = programFolder_ + fileName;
    if (!fileExists(path)) {
        warningBox(hwnd_, notBesideProgramWarning(fileName));
        return;
    }
    runFile(path);
}

void MainWindow::openHelp() {
    openBesideProgram(text::kHelpFile);
}

void MainWindow::openReadMe() {
    openBesideProgram(text::kReadMeFile);
}

void MainWindow::showAbout() {
    AboutBox about(text::kAppTitle, [this](const std::string& address) { runFile(address); });
    about.run(hwnd_);
}

void MainWindow::migrateEarlierData() {
    MigrationDialog migration(settingsPath_, programFolder_);
    if (migration.run(hwnd_)) {
        // The main window is not redrawn with the migrated data: the program ends, and its
        // next start shows them.
        SendMessageW(hwnd_, WM_CLOSE, 0, 0);
    }
}

} // namespace tarvok
