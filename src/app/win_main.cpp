// Program start on Windows: the main window is created, loaded and shown;
// closing it ends the program. The program takes no command line.
#include <windows.h>

#include <cstdlib>
#include <memory>

#include "backend/host_factory.h"
#include "ui/shared_sysinfo.h"
#include "ui/win32/program_loop.h"
#include "ui/window_designs.h"

// The setup finds a running program, to close it before replacing or
// removing it, by its main window's caption, which it knows as the
// program's name.
static_assert(tallowin::ui::design::form1::kWindow.caption == TALLOWIN_NAME,
              "the main window's caption is the program's name");

namespace {

int run(int showCommand) {
    // The back end shows its message boxes itself, owned by the active
    // window. COM stays initialised for as long as the host lives, which is
    // longer than the service and the windows.
    const std::unique_ptr<tallowin::Host> host = tallowin::makePlatformHost({});
    if (!host) return EXIT_FAILURE;
    tallowin::ui::SharedSysInfo service(*host);
    return tallowin::ui::win32::runMainWindow(service, showCommand);
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
