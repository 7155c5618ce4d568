// The page commands of the 設定 menu (still to be built; the items are greyed).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::editPageNames() {}
void MainWindow::clearPage() {}

} // namespace tarvok
