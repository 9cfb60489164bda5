// Where the back end learns the machine's network interfaces.
#pragma once

#include <cstdint>
#include <expected>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sysinfo/host.h"

struct mnl_socket;

namespace tallowin::linux_backend {

struct NetInterface {
    std::uint32_t index = 0;
    std::string name;
    bool up = false;
    // Up and with its carrier: a link that can carry traffic. A link that is
    // up without a cable, an idle bridge or a dormant link is not running.
    bool running = false;
    bool loopback = false;
    // The link that the kernel routes traffic to the wider network through.
    bool routed = false;
    // Usable addresses as text, each list in the kernel's order: addresses
    // still being checked for duplicates or found duplicate are left out.
    // IPv6 addresses carry no zone suffix; the link-local ones (fe80::/10)
    // are apart from the others.
    std::vector<std::string> ipv4;
    std::vector<std::string> ipv6;
    std::vector<std::string> linkLocalIpv6;

    friend bool operator==(const NetInterface&, const NetInterface&) = default;
};

class InterfaceSource {
  public:
    virtual ~InterfaceSource() = default;
    // Every interface of the machine, in no particular order, each address
    // on the interface the kernel gives it to; at most one is the routed one.
    [[nodiscard]] virtual HostResult<std::vector<NetInterface>> interfaces() = 0;
};

// One listing of the interfaces, or the errno that ended it.
using InterfaceListing = std::expected<std::vector<NetInterface>, int>;

// Lists by `dumpOnce` until a listing is whole: a dump that the kernel marks
// as interrupted by a change (EINTR) is asked again, three times in all; any
// other error ends the listing at once.
[[nodiscard]] InterfaceListing listedUntilWhole(const std::function<InterfaceListing()>& dumpOnce);

// Whether the system's source asks the kernel which link it routes through;
// without, no interface is marked as routed (the benchmarks compare both).
enum class RouteLookup : std::uint8_t { Kernel, None };

// The listing's own route lookup over a socket kept open, as the listing
// keeps one for its dumps, for the benchmarks to time alone.
class RouteLookupSocket {
  public:
    RouteLookupSocket();
    // The index of the link the kernel routes the wider network through, or
    // 0 when it has no route (or the socket could not be opened).
    [[nodiscard]] std::uint32_t routedLink();

  private:
    struct Close {
        void operator()(mnl_socket* socket) const noexcept;
    };
    std::unique_ptr<mnl_socket, Close> socket_;
    std::uint32_t sequence_ = 0;
};

// The running system's interfaces, as the kernel lists them to any user.
[[nodiscard]] std::shared_ptr<InterfaceSource> makeSystemInterfaceSource(
    RouteLookup routeLookup = RouteLookup::Kernel);

}  // namespace tallowin::linux_backend
