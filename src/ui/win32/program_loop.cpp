#include "ui/win32/program_loop.h"

#include <windows.h>
// Builds on <windows.h>.
#include <commctrl.h>

#include <cstdlib>

#include "ui/win32/form1.h"

namespace tallowin::ui::win32 {

int runMainWindow(SharedSysInfo& service, int showCommand) {
    // The themed common controls of the manifest's version 6.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    Form1 form1(service, [] { PostQuitMessage(0); });
    if (!form1.show(showCommand)) return EXIT_FAILURE;

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form1.isDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace tallowin::ui::win32
