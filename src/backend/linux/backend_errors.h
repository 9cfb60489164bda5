// The failures only the Linux back end reports, numbered as the Windows host
// numbers the same conditions so that callers handle them alike. Those that
// every back end shares are in sysinfo/host_errors.h.
#pragma once

#include <string>

#include "sysinfo/host.h"

namespace tallowin::linux_backend::errors {

[[nodiscard]] HostError invalidArgument(std::string detail);  // 5
[[nodiscard]] HostError noSuchMember();                       // 438
[[nodiscard]] HostError noSuchComputer();                     // 462
[[nodiscard]] HostError unspecified(std::string detail);      // 0x80004005
[[nodiscard]] HostError invalidSyntax();                      // 0x800401E4 (moniker)
[[nodiscard]] HostError genericFailure(std::string detail);   // 0x80041001
[[nodiscard]] HostError invalidNamespace();                   // 0x8004100E
[[nodiscard]] HostError invalidClass();                       // 0x80041010
[[nodiscard]] HostError invalidQuery();                       // 0x80041017

}  // namespace tallowin::linux_backend::errors
