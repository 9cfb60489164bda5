// The program's life on Windows: the main window shown over the shared
// service, and the message loop that runs until the window has gone.
#pragma once

#include "ui/shared_sysinfo.h"

namespace tallowin::ui::win32 {

// Loads the themed common controls, shows Form1 and dispatches messages
// (with Tab, Enter, Esc and the access keys) until it is closed. Answers the
// program's exit code.
[[nodiscard]] int runMainWindow(SharedSysInfo& service, int showCommand);

}  // namespace tallowin::ui::win32
