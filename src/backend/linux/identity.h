// The network identity object: UserName, ComputerName and UserDomain.
#pragma once

#include <memory>

#include "environment.h"
#include "sysinfo/host.h"

namespace tallowin::linux_backend {

// Each property read asks the name source afresh. Property names are
// compared without regard to case; any other name fails with 438.
[[nodiscard]] std::unique_ptr<NetworkIdentity> makeNetworkIdentity(
    std::shared_ptr<const Environment> environment);

}  // namespace tallowin::linux_backend
