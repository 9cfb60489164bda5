// Where the back end learns the machine's host name and the user's login
// name, and how the network identity's names are derived from them.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::linux_backend {

class NameSource {
  public:
    virtual ~NameSource() = default;
    // The host name as the kernel holds it; it may carry a DNS domain.
    [[nodiscard]] virtual HostResult<std::string> hostName() = 0;
    // The login name of the user running the program.
    [[nodiscard]] virtual HostResult<std::string> userName() = 0;
};

// The running system's names: the kernel's node name and the password
// database entry of the real user id. Makes no network lookups of its own.
[[nodiscard]] std::shared_ptr<NameSource> makeSystemNameSource();

// The host name's first non-empty label: "pc7" for "pc7.example" and for
// ".pc7.example".
[[nodiscard]] std::string computerNameOf(std::string_view hostName);

// The host name's DNS domain (the text after the computer name's label and
// its dot) when it has one, else the computer name, as a local account
// reports its domain.
[[nodiscard]] std::string userDomainOf(std::string_view hostName);

}  // namespace tallowin::linux_backend
