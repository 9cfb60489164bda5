// Lists the interfaces by asking the kernel for a dump of its links and of
// its addresses over a local rtnetlink socket: no traffic leaves the machine
// and no privilege is needed.
#include "interfaces.h"

#include <libmnl/libmnl.h>
#include <linux/rtnetlink.h>
#include <sys/socket.h>

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
// A dump that the kernel marks as interrupted by a change is asked again,
// this many times in all.
constexpr int kAttempts = 3;

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

std::expected<std::vector<NetInterface>, int> dumpOnce() {
    const Socket socket(mnl_socket_open(NETLINK_ROUTE));
    if (!socket) {
        return std::unexpected(errno);
    }
    if (mnl_socket_bind(socket.get(), 0, MNL_SOCKET_AUTOPID) < 0) {
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
    return std::move(dump).interfaces();
}

class SystemInterfaceSource final : public InterfaceSource {
  public:
    HostResult<std::vector<NetInterface>> interfaces() override {
        int error = 0;
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            auto listed = dumpOnce();
            if (listed) {
                return std::move(*listed);
            }
            error = listed.error();
            if (error != EINTR) {
                break;
            }
        }
        return std::unexpected(cannotList(error));
    }
};

}  // namespace

std::shared_ptr<InterfaceSource> makeSystemInterfaceSource() {
    return std::make_shared<SystemInterfaceSource>();
}

}  // namespace tallowin::linux_backend
