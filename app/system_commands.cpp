// System and utility commands (still to be built; the items are greyed).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::openControlPanel() {}
void MainWindow::openCommandPrompt() {}
void MainWindow::shutDownWindows() {}
void MainWindow::addDesktopShortcut() {}
void MainWindow::openHelp() {}
void MainWindow::openReadMe() {}
void MainWindow::showAbout() {}
void MainWindow::migrateEarlierData() {}

} // namespace tarvok
