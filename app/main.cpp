// The program entry: one main window and its message loop.
#include "app/main_window.h"
#include "app/texts.h"
#include "platform/com.h"
#include "platform/unhandled.h"

#include <windows.h>

#include <commctrl.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    // The shell's icon and shortcut calls want a single-threaded apartment, and files dragged
    // from other programs arrive through OLE.
    const tarvok::OleApartment ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    tarvok::setUnhandledErrorTitle(tarvok::text::kAppTitle);

    tarvok::MainWindow window;
    if (window.create() == nullptr) {
        return 1;
    }
    window.show(showCommand);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!window.preTranslateMessage(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}
