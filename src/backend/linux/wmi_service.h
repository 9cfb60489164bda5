// The management service bound by moniker, and the query results it answers.
#pragma once

#include <memory>

#include "environment.h"
#include "sysinfo/host.h"

namespace tallowin::linux_backend {

// A service that answers queries about this machine. Each query result is a
// snapshot of the instances taken when the query runs.
[[nodiscard]] std::unique_ptr<WmiService> makeWmiService(
    std::shared_ptr<const Environment> environment);

}  // namespace tallowin::linux_backend
