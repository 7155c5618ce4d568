// The program entry: one main window and its message loop.
#include "app/main_window.h"
#include "app/texts.h"
#include "platform/unhandled.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
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
