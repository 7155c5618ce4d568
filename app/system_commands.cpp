// System and utility commands of the main menu: Control Panel, the command prompt, the
// shell's shut-down dialog, the desktop shortcut, the files beside the program, the about box
// and the migration.
#include "app/commands.h"

#include "app/system_commands_rules.h"
#include "app/texts.h"
#include "dialogs/about_box.h"
#include "dialogs/summon_key_dialog.h"
#include "migration/migration_dialog.h"
#include "platform/files.h"
#include "platform/message_box.h"
#include "platform/shell.h"
#include "platform/shell_items.h"
#include "platform/system.h"
#include "settings/errors.h"

namespace tarvok {

void Commands::runFile(const std::string& fileName) {
    fileRun_.setFileName(fileName);
    if (options_.shellRun) {
        options_.shellRun(fileRun_.fileName(), fileRun_.workingFolder());
    } else {
        fileRun_.execute();
    }
}

void Commands::openControlPanel() {
    runFile(text::kControlPanelFile);
}

void Commands::openCommandPrompt() {
    const PromptCommand prompt = commandPromptFor(windowsPlatformId(), windowsFolder());
    if (prompt.workingFolder) {
        fileRun_.setWorkingFolder(*prompt.workingFolder);
    }
    runFile(prompt.fileName);
}

void Commands::shutDownWindows() {
    // The window stays until the shell has had the message; its position is stored first.
    screen_.close([] { askShellForShutDownDialog(); });
}

void Commands::addDesktopShortcut() {
    const std::string folder = options_.desktopFolder.empty()
                                   ? specialFolderPath(folder::kDesktopDirectory)
                                   : options_.desktopFolder;
    const std::string path = desktopShortcutPath(folder);
    if (fileExists(path)) {
        warningBox(screen_.window(), text::kMsgShortcutExists);
        return;
    }
    if (!askInformationYesNo(screen_.window(), text::kAskCreateShortcut)) {
        return;
    }
    if (const auto failure = createShortcut(path, programFilePath())) {
        warningBox(screen_.window(), shortcutNotSavedWarning(path, *failure));
        return;
    }
    informationBox(screen_.window(), text::kMsgShortcutCreated);
}

void Commands::editSummonKey() {
    // The key shown is the file's, not the start-up default.
    catchUpOnUnreadStart();
    SummonKey& summon = screen_.summonKey();
    SummonKeyDialog dialog(summon.key(), summon.active());
    dialog.run(screen_.window(), [&](const SummonKeyChoice& chosen) {
        const auto before = summon.key();
        // In effect before it is stored: a key another program holds is refused while the
        // dialog is still open, and nothing is written.
        summon.change(chosen.key);
        try {
            store_.edit([&](Settings& s) { writeSummonKey(s, chosen.key); });
        } catch (...) {
            // Not stored, so not kept either: the next start would not have it.
            try {
                summon.change(before);
            } catch (const AppError&) {
                // The old key was not working before either.
            }
            throw;
        }
    });
}

void Commands::openBesideProgram(const std::string& fileName, HWND owner) {
    const std::string path = programFolder_ + fileName;
    if (!fileExists(path)) {
        warningBox(owner, notBesideProgramWarning(fileName));
        return;
    }
    runFile(path);
}

void Commands::openHelp() {
    openBesideProgram(text::kHelpFile, screen_.window());
}

void Commands::openReadMe() {
    openBesideProgram(text::kReadMeFile, screen_.window());
}

void Commands::showAbout() {
    // There is no home page to point to: the link leads to the help page beside the program,
    // and shows its file name, the name the missing-file warning and the folder show too.
    AboutBox about(text::kAppTitle, text::kHelpFile,
                   [this](HWND box) { openBesideProgram(text::kHelpFile, box); });
    about.run(screen_.window());
}

void Commands::migrateEarlierData() {
    MigrationDialog migration(programFolder_);
    const auto migrated = migration.run(
        screen_.window(), [&](const std::string& dataFile) { store_.takeEarlierData(dataFile); });
    if (migrated) {
        // The main window is not redrawn with the migrated data: the program ends, and its
        // next start shows them.
        screen_.close({});
    }
}

} // namespace tarvok
