// The program's host on Linux: the running system, with the front end's
// message box, in a process whose heap keeps what each call frees.
#include <utility>

#include "backend/host_factory.h"
#include "heap.h"
#include "linux_host.h"

namespace tallowin {

std::unique_ptr<Host> makePlatformHost(MessageBoxFn showMessageBox) {
    linux_backend::keepFreedHeapForTheNextCall();
    return std::make_unique<linux_backend::LinuxHost>(linux_backend::Environment{},
                                                      std::move(showMessageBox));
}

}  // namespace tallowin
