// Registering a home page or mail address from the slot menu (still to be built; the item is
// greyed).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::registerAddress() {}

} // namespace tarvok
