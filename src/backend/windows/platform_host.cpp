// The program's host on Windows: COM and Win32. The message boxes are
// Windows' own unless the front end brings its own.
#include <utility>

#include "backend/host_factory.h"
#include "windows_host.h"

namespace tallowin {

std::unique_ptr<Host> makePlatformHost(MessageBoxFn showMessageBox) {
    return std::make_unique<windows_backend::WindowsHost>(std::move(showMessageBox));
}

}  // namespace tallowin
