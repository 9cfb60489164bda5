// Everything the back end reads the machine through. The running system is
// the default; tests put fixtures in its place.
#pragma once

#include <filesystem>
#include <memory>

#include "interfaces.h"
#include "names.h"
#include "uptime.h"

namespace tallowin::linux_backend {

struct Environment {
    // The folder that the machine's files are read below.
    std::filesystem::path root{"/"};
    std::shared_ptr<NameSource> names;
    std::shared_ptr<InterfaceSource> interfaces;
    BootClock bootClock;
    // Set by completed() when the boot clock is the system's and answers what
    // <root>/proc/uptime would: the tick count then comes from the clock.
    bool procUptimeIsBootClock = false;
};

// The environment with each part left unset filled in from the running system.
[[nodiscard]] Environment completed(Environment environment);

}  // namespace tallowin::linux_backend
