// Lists the interfaces by asking the kernel for a dump of its links and of
// its addresses over a local rtnetlink socket, then which link it routes the
// wider network through, as `ip route get` asks: no traffic leaves the
// machine and no privilege is needed.
#include "interfaces.h"

#include <libmnl/libmnl.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "backend_errors.h"
#include "interface_dump.h"

namespace tallowin::linux_backend {
namespace {

struct CloseSocket {
    void operator()(mnl_socket* socket) const noexcept { mnl_socket_close(socket); }
};
using Socket = std::unique_ptr<mnl_socket, CloseSocket>;

// Large enough for any message the kernel puts in one dump reply.
constexpr std::size_t kReceiveBytes = std::size_t{32} * 1024;
constexpr std::size_t kRouteBytes = 4096;
// A dump that the kernel marks as interrupted by a change is asked again,
// this many times in all.
constexpr int kAttempts = 3;

// Destinations for the route lookup: global unicast addresses outside every
// private, shared, reserved and documentation range, so that only a route to
// the wider network (a default route, a VPN's split routes) matches them
// and no local subnet does. Nothing is sent to them.
constexpr std::array<unsigned char, 4> kGlobalIpv4 = {64, 0, 0, 1};  // 64.0.0.1
constexpr std::array<unsigned char, 16> kGlobalIpv6 = {0x20, 0, 0, 0, 0, 0, 0, 0,
                                                       0,    0, 0, 0, 0, 0, 0, 1};  // 2000::1

HostError cannotList(int error) {
    return errors::genericFailure(std::string("the network interfaces cannot be listed: ") +
                                  std::strerror(error));
}

// Sends one dump request, of the links or of the addresses of every family.
std::expected<void, int> requestDump(mnl_socket& socket, std::uint16_t type,
                                     std::uint32_t sequence) {
    std::vector<nlmsghdr> buffer(4);
    nlmsghdr* request = mnl_nlmsg_put_header(buffer.data());
    request->nlmsg_type = type;
    request->nlmsg_flags = NLM_F_REQUEST | NLM_F_DUMP;
    request->nlmsg_seq = sequence;
    // Both headers start with the family byte; AF_UNSPEC asks for all.
    const std::size_t header = type == RTM_GETLINK ? sizeof(ifinfomsg) : sizeof(ifaddrmsg);
    mnl_nlmsg_put_extra_header(request, header);
    if (mnl_socket_sendto(&socket, request, request->nlmsg_len) < 0) {
        return std::unexpected(errno);
    }
    return {};
}

// Asks which link a packet to `destination` would leave through; the answer
// is read into the dump. A refusal (no route: ENETUNREACH) leaves the dump
// without a route, as does any other failure of this one question: the
// listing stands without it, in index order.
template <std::size_t Size>
void lookUpRoute(mnl_socket& socket, unsigned char family,
                 const std::array<unsigned char, Size>& destination, std::uint32_t sequence,
                 InterfaceDump& dump) {
    // A route's answer is a few hundred bytes at most; one that did not fit
    // would read as no answer.
    std::array<nlmsghdr, kRouteBytes / sizeof(nlmsghdr)> buffer{};
    nlmsghdr* request = mnl_nlmsg_put_header(buffer.data());
    request->nlmsg_type = RTM_GETROUTE;
    request->nlmsg_flags = NLM_F_REQUEST;
    request->nlmsg_seq = sequence;
    auto* route = static_cast<rtmsg*>(mnl_nlmsg_put_extra_header(request, sizeof(rtmsg)));
    route->rtm_family = family;
    route->rtm_dst_len = Size * 8;
    mnl_attr_put(request, RTA_DST, Size, destination.data());
    if (mnl_socket_sendto(&socket, request, request->nlmsg_len) < 0) {
        return;
    }
    const ssize_t received = mnl_socket_recvfrom(&socket, buffer.data(), kRouteBytes);
    if (received > 0) {
        const auto bytes =
            std::as_bytes(std::span(buffer)).first(static_cast<std::size_t>(received));
        (void)dump.take(bytes, sequence, mnl_socket_get_portid(&socket));
    }
}

// Which link the kernel routes the wider network through: IPv4 first, as
// the adapters list it first; IPv6 when IPv4 has no route.
void lookUpRoutes(mnl_socket& socket, std::uint32_t sequence, InterfaceDump& dump) {
    lookUpRoute(socket, AF_INET, kGlobalIpv4, sequence, dump);
    if (dump.routedIndex() == 0) {
        lookUpRoute(socket, AF_INET6, kGlobalIpv6, sequence + 1, dump);
    }
}

Socket openSocket() {
    Socket socket(mnl_socket_open(NETLINK_ROUTE));
    if (socket && mnl_socket_bind(socket.get(), 0, MNL_SOCKET_AUTOPID) < 0) {
        socket.reset();
    }
    return socket;
}

std::expected<void, int> receiveDump(mnl_socket& socket, std::uint32_t sequence,
                                     InterfaceDump& dump) {
    std::vector<nlmsghdr> buffer(kReceiveBytes / sizeof(nlmsghdr));
    const std::uint32_t portId = mnl_socket_get_portid(&socket);
    for (;;) {
        const ssize_t received = mnl_socket_recvfrom(&socket, buffer.data(), kReceiveBytes);
        if (received < 0) {
            return std::unexpected(errno);
        }
        const auto bytes =
            std::as_bytes(std::span(buffer)).first(static_cast<std::size_t>(received));
        const auto progress = dump.take(bytes, sequence, portId);
        if (!progress) {
            return std::unexpected(progress.error());
        }
        if (*progress == InterfaceDump::Progress::Done) {
            return {};
        }
    }
}

InterfaceListing dumpOnce(RouteLookup routeLookup) {
    const Socket socket = openSocket();
    if (!socket) {
        return std::unexpected(errno);
    }
    InterfaceDump dump;
    std::uint32_t sequence = 1;
    for (const std::uint16_t type : {RTM_GETLINK, RTM_GETADDR}) {
        if (auto sent = requestDump(*socket, type, sequence); !sent) {
            return std::unexpected(sent.error());
        }
        if (auto received = receiveDump(*socket, sequence, dump); !received) {
            return std::unexpected(received.error());
        }
        ++sequence;
    }
    // A link that came or went since the dumps is not added: the lookup
    // only marks a link the dumps listed.
    if (routeLookup == RouteLookup::Kernel) {
        lookUpRoutes(*socket, sequence, dump);
    }
    return std::move(dump).interfaces();
}

class SystemInterfaceSource final : public InterfaceSource {
  public:
    explicit SystemInterfaceSource(RouteLookup routeLookup) : routeLookup_(routeLookup) {}

    HostResult<std::vector<NetInterface>> interfaces() override {
        auto listed = listedUntilWhole([this] { return dumpOnce(routeLookup_); });
        if (!listed) {
            return std::unexpected(cannotList(listed.error()));
        }
        return std::move(*listed);
    }

  private:
    RouteLookup routeLookup_;
};

}  // namespace

InterfaceListing listedUntilWhole(const std::function<InterfaceListing()>& dumpOnce) {
    InterfaceListing listed = std::unexpected(EINTR);
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        listed = dumpOnce();
        if (listed || listed.error() != EINTR) {
            break;
        }
    }
    return listed;
}

void RouteLookupSocket::Close::operator()(mnl_socket* socket) const noexcept {
    mnl_socket_close(socket);
}

RouteLookupSocket::RouteLookupSocket() : socket_(openSocket().release()) {}

std::uint32_t RouteLookupSocket::routedLink() {
    if (!socket_) {
        return 0;
    }
    InterfaceDump dump;
    sequence_ += 2;
    lookUpRoutes(*socket_, sequence_, dump);
    return dump.routedIndex();
}

std::shared_ptr<InterfaceSource> makeSystemInterfaceSource(RouteLookup routeLookup) {
    return std::make_shared<SystemInterfaceSource>(routeLookup);
}

}  // namespace tallowin::linux_backend
