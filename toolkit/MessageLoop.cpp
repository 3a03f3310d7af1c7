#include "toolkit/MessageLoop.h"

#include "toolkit/TWindow.h"

#include <windows.h>

void RunMessageLoop(TWindowList& dialogWindows) {
    MSG message{};
    for (;;) {
        const BOOL fetched = GetMessageW(&message, nullptr, 0, 0);
        if (fetched == 0 || fetched == -1) {
            return;
        }
        bool processed = false;
        // Indexed: a window made or destroyed while a message is handled changes the list.
        for (std::size_t index = 0; !processed && index < dialogWindows.size(); ++index) {
            processed = IsDialogMessageW(dialogWindows[index]->GetHandle(), &message) != FALSE;
        }
        if (!processed) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
}

void Quit() {
    PostQuitMessage(0);
}
