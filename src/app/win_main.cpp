// Program start on Windows: the main window is created, loaded and shown;
// closing it ends the program. The program takes no command line.
#include <windows.h>
// Builds on <windows.h>.
#include <commctrl.h>

#include <cstdlib>
#include <memory>

#include "backend/host_factory.h"
#include "ui/shared_sysinfo.h"
#include "ui/win32/form1.h"

namespace {

int run(int showCommand) {
    // The themed common controls of the manifest's version 6.
    INITCOMMONCONTROLSEX controls{};
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES;
    InitCommonControlsEx(&controls);

    // The back end shows its message boxes itself, owned by the active
    // window. COM stays initialised for as long as the host lives, which is
    // longer than the service and the windows.
    const std::unique_ptr<tallowin::Host> host = tallowin::makePlatformHost({});
    if (!host) return EXIT_FAILURE;
    tallowin::ui::SharedSysInfo service(*host);

    tallowin::ui::win32::Form1 form1(service, [] { PostQuitMessage(0); });
    if (!form1.show(showCommand)) return EXIT_FAILURE;

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form1.isDialogMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
    try {
        return run(showCommand);
    } catch (...) {
        // Only running out of memory can get here.
        return EXIT_FAILURE;
    }
}
