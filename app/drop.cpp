// Files dropped on the window (still to be built: drops are not accepted yet).
#include "app/main_window.h"

namespace tarvok {

void MainWindow::acceptDrops() {}
void MainWindow::onDropFiles(HDROP drop) {
    DragFinish(drop);
}

} // namespace tarvok
