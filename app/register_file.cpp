// Registering a file or folder from the slot menu (still to be built; the item is greyed).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::registerFileOrFolder() {}

} // namespace tarvok
