// Where the back end learns the machine's network interfaces.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "sysinfo/host.h"

namespace tallowin::linux_backend {

struct NetInterface {
    std::uint32_t index = 0;
    std::string name;
    bool up = false;
    bool loopback = false;
    // Addresses as text, each family in the kernel's order; IPv6 addresses
    // carry no zone suffix.
    std::vector<std::string> ipv4;
    std::vector<std::string> ipv6;

    friend bool operator==(const NetInterface&, const NetInterface&) = default;
};

class InterfaceSource {
  public:
    virtual ~InterfaceSource() = default;
    // Every interface of the machine, in no particular order, each address
    // on the interface the kernel gives it to.
    [[nodiscard]] virtual HostResult<std::vector<NetInterface>> interfaces() = 0;
};

// The running system's interfaces, as the kernel lists them to any user.
[[nodiscard]] std::shared_ptr<InterfaceSource> makeSystemInterfaceSource();

}  // namespace tallowin::linux_backend
