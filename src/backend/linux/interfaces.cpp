// Lists the interfaces with getifaddrs, which asks the kernel over a local
// netlink socket: no traffic leaves the machine and no privilege is needed.
#include "interfaces.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <linux/if_packet.h>
#include <net/if.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <string_view>

#include "backend_errors.h"

namespace tallowin::linux_backend {
namespace {

struct FreeIfaddrs {
    void operator()(ifaddrs* list) const noexcept { freeifaddrs(list); }
};
using IfaddrsList = std::unique_ptr<ifaddrs, FreeIfaddrs>;

// An IPv4 address may be listed under a label such as "eth0:1"; the label
// names the interface before its colon (no interface name holds a colon).
std::string_view interfaceNameOf(const char* label) {
    const std::string_view name(label != nullptr ? label : "");
    return name.substr(0, name.find(':'));
}

NetInterface& entryFor(std::vector<NetInterface>& found, std::string_view name) {
    const auto known = std::ranges::find(found, name, &NetInterface::name);
    if (known != found.end()) {
        return *known;
    }
    NetInterface& added = found.emplace_back();
    added.name = std::string(name);
    return added;
}

std::string addressText(int family, const void* address) {
    std::array<char, INET6_ADDRSTRLEN> text{};
    if (inet_ntop(family, address, text.data(), text.size()) == nullptr) {
        return {};
    }
    return text.data();
}

class SystemInterfaceSource final : public InterfaceSource {
  public:
    HostResult<std::vector<NetInterface>> interfaces() override {
        ifaddrs* raw = nullptr;
        if (getifaddrs(&raw) != 0) {
            return std::unexpected(errors::genericFailure(
                std::string("the network interfaces cannot be listed: ") + std::strerror(errno)));
        }
        const IfaddrsList list(raw);
        std::vector<NetInterface> found;
        for (const ifaddrs* entry = list.get(); entry != nullptr; entry = entry->ifa_next) {
            NetInterface& item = entryFor(found, interfaceNameOf(entry->ifa_name));
            item.up = item.up || (entry->ifa_flags & IFF_UP) != 0;
            item.loopback = item.loopback || (entry->ifa_flags & IFF_LOOPBACK) != 0;
            if (entry->ifa_addr == nullptr) {
                continue;
            }
            switch (entry->ifa_addr->sa_family) {
                case AF_PACKET: {
                    sockaddr_ll link{};
                    std::memcpy(&link, entry->ifa_addr, sizeof link);
                    item.index = static_cast<std::uint32_t>(link.sll_ifindex);
                    break;
                }
                case AF_INET: {
                    sockaddr_in address{};
                    std::memcpy(&address, entry->ifa_addr, sizeof address);
                    item.ipv4.push_back(addressText(AF_INET, &address.sin_addr));
                    break;
                }
                case AF_INET6: {
                    sockaddr_in6 address{};
                    std::memcpy(&address, entry->ifa_addr, sizeof address);
                    item.ipv6.push_back(addressText(AF_INET6, &address.sin6_addr));
                    break;
                }
                default:
                    break;
            }
        }
        for (NetInterface& item : found) {
            if (item.index == 0) {
                item.index = if_nametoindex(item.name.c_str());
            }
        }
        return found;
    }
};

}  // namespace

std::shared_ptr<InterfaceSource> makeSystemInterfaceSource() {
    return std::make_shared<SystemInterfaceSource>();
}

}  // namespace tallowin::linux_backend
