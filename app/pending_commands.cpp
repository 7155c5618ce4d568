// Commands whose screens are still being built: their menu items stay greyed meanwhile.
#include "app/main_window.h"

namespace tarvok {

void MainWindow::registerFromStartMenu() {}
void MainWindow::registerFileOrFolder() {}
void MainWindow::registerAddress() {}
void MainWindow::acceptDrops() {}
void MainWindow::onDropFiles(HDROP drop) {
    DragFinish(drop);
}
void MainWindow::editPageNames() {}
void MainWindow::clearPage() {}
void MainWindow::openControlPanel() {}
void MainWindow::openCommandPrompt() {}
void MainWindow::shutDownWindows() {}
void MainWindow::addDesktopShortcut() {}
void MainWindow::openHelp() {}
void MainWindow::openReadMe() {}
void MainWindow::showAbout() {}
void MainWindow::migrateEarlierData() {}

} // namespace tarvok
