// The one management-service moniker the back end binds: the CIM namespace
// root\cimv2 of this computer, with impersonation, as
// "winmgmts:{impersonationLevel=impersonate}!\\<computer>\root\cimv2".
#pragma once

#include <expected>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::linux_backend {

// Succeeds when the moniker names this computer: everything between the
// prefix and "\root\cimv2" is its name, whatever characters the name holds
// (backslashes included), compared without regard to letter case. Otherwise
// fails: a text not of that shape with "Invalid syntax", another computer
// with 462, another namespace of this computer with "Invalid namespace".
[[nodiscard]] std::expected<void, HostError> checkMoniker(std::string_view moniker,
                                                          std::string_view computerName);

}  // namespace tallowin::linux_backend
