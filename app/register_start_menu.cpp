// Registering a Start-menu shortcut from the slot menu (still to be built; the item is greyed).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::registerFromStartMenu() {}

} // namespace tarvok
