// An interface source that reads the same canned rtnetlink dump afresh at
// every listing, as the system's source reads the kernel's, and the dump of
// a machine with many addresses; shared by the tests and the benchmark.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "host_printing.h"
#include "interface_dump.h"
#include "interfaces.h"
#include "netlink_messages.h"

namespace tallowin::linux_backend::testing {

class CannedInterfaces final : public InterfaceSource {
  public:
    explicit CannedInterfaces(NetlinkMessages messages) : messages_(std::move(messages)) {}

    HostResult<std::vector<NetInterface>> interfaces() override {
        InterfaceDump dump;
        if (!dump.take(messages_.bytes())) {
            return std::unexpected(HostError{5, "the canned dump does not read"});
        }
        return std::move(dump).interfaces();
    }

  private:
    NetlinkMessages messages_;
};

// A loopback interface, then `links` Ethernet interfaces; address i goes to
// interface i modulo `links`, IPv4 for even i and IPv6 for odd i. When
// `routedLast`, the dump ends with a route through the last interface, as
// the kernel answers a route lookup, so that it is listed first.
inline NetlinkMessages manyAddresses(int addresses, int links, bool routedLast = false) {
    NetlinkMessages messages;
    messages.link(1, "lo", IFF_UP | IFF_LOOPBACK);
    for (int link = 0; link < links; ++link) {
        messages.link(static_cast<std::uint32_t>(link + 2), "eth" + std::to_string(link));
    }
    messages.ipv4(1, "127.0.0.1");
    for (int i = 0; i < addresses; ++i) {
        const auto index = static_cast<std::uint32_t>(i % links + 2);
        if (i % 2 == 0) {
            messages.ipv4(index, "10." + std::to_string(i / 65536) + '.' +
                                     std::to_string(i / 256 % 256) + '.' + std::to_string(i % 256));
        } else {
            messages.ipv6(index, "2001:db8::" + std::to_string(i));
        }
    }
    if (routedLast) {
        messages.route(static_cast<std::uint32_t>(links + 1));
    }
    return std::move(messages.done());
}

}  // namespace tallowin::linux_backend::testing
