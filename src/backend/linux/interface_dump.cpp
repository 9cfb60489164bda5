// Message and attribute framing is libmnl's, which checks every length
// against the buffer; this file only reads the fields it needs, copied out
// of the buffer rather than read in place.
#include "interface_dump.h"

#include <arpa/inet.h>
#include <libmnl/libmnl.h>
#include <linux/if_addr.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>
#include <net/if.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>

namespace tallowin::linux_backend {
namespace {

// What the callbacks, called from C, share; an exception is carried across
// libmnl rather than thrown through it.
struct Reading {
    InterfaceDump& dump;
    std::exception_ptr failure;
};

template <class Header>
std::optional<Header> headerOf(const nlmsghdr* message) {
    if (mnl_nlmsg_get_payload_len(message) < sizeof(Header)) {
        return std::nullopt;
    }
    Header header{};
    std::memcpy(&header, mnl_nlmsg_get_payload(message), sizeof header);
    return header;
}

std::string_view payloadOf(const nlattr* attribute) {
    return {static_cast<const char*>(mnl_attr_get_payload(attribute)),
            mnl_attr_get_payload_len(attribute)};
}

// The attributes of one message by type; a later one of a type replaces an
// earlier one, as the kernel never sends two.
struct Attributes {
    std::array<const nlattr*, 16> byType{};
};

int collectAttribute(const nlattr* attribute, void* data) {
    auto& attributes = *static_cast<Attributes*>(data);
    const auto type = mnl_attr_get_type(attribute);
    if (type < attributes.byType.size()) {
        attributes.byType[type] = attribute;
    }
    return MNL_CB_OK;
}

Attributes attributesOf(const nlmsghdr* message, std::size_t headerSize) {
    Attributes attributes;
    mnl_attr_parse(message, static_cast<unsigned>(headerSize), collectAttribute, &attributes);
    return attributes;
}

void readLink(const nlmsghdr* message, InterfaceDump& dump) {
    const auto info = headerOf<ifinfomsg>(message);
    if (!info || info->ifi_index <= 0) {
        return;
    }
    NetInterface& nic = dump.at(static_cast<std::uint32_t>(info->ifi_index));
    nic.up = (info->ifi_flags & IFF_UP) != 0;
    // The kernel keeps IFF_RUNNING off while the link has no carrier, its
    // lower layer is down or it is dormant.
    nic.running = nic.up && (info->ifi_flags & IFF_RUNNING) != 0;
    nic.loopback = (info->ifi_flags & IFF_LOOPBACK) != 0;
    if (const nlattr* name = attributesOf(message, sizeof(ifinfomsg)).byType[IFLA_IFNAME]) {
        const std::string_view text = payloadOf(name);
        nic.name = std::string(text.substr(0, text.find('\0')));
    }
}

void readAddress(const nlmsghdr* message, InterfaceDump& dump) {
    const auto info = headerOf<ifaddrmsg>(message);
    if (!info || info->ifa_index == 0) {
        return;
    }
    const bool ipv4 = info->ifa_family == AF_INET;
    if (!ipv4 && info->ifa_family != AF_INET6) {
        return;
    }
    // The local address; IFA_ADDRESS is the peer's on a point-to-point link
    // and the local one only when IFA_LOCAL is absent.
    const Attributes attributes = attributesOf(message, sizeof(ifaddrmsg));
    // An address still being checked for a duplicate, or found to be one,
    // cannot be used. IFA_FLAGS holds every flag; the header only the first
    // eight.
    std::uint32_t flags = info->ifa_flags;
    if (const nlattr* all = attributes.byType[IFA_FLAGS];
        all != nullptr && mnl_attr_get_payload_len(all) == sizeof(std::uint32_t)) {
        flags = mnl_attr_get_u32(all);
    }
    if ((flags & (IFA_F_TENTATIVE | IFA_F_DADFAILED)) != 0) {
        return;
    }
    const nlattr* address = attributes.byType[IFA_LOCAL];
    if (address == nullptr) {
        address = attributes.byType[IFA_ADDRESS];
    }
    const std::size_t size = ipv4 ? 4 : 16;
    if (address == nullptr || mnl_attr_get_payload_len(address) != size) {
        return;
    }
    std::array<unsigned char, 16> bytes{};
    std::memcpy(bytes.data(), mnl_attr_get_payload(address), size);
    std::array<char, INET6_ADDRSTRLEN> text{};
    if (inet_ntop(info->ifa_family, bytes.data(), text.data(), text.size()) == nullptr) {
        return;
    }
    NetInterface& nic = dump.at(info->ifa_index);
    const bool linkLocal = !ipv4 && bytes[0] == 0xfe && (bytes[1] & 0xc0) == 0x80;
    (ipv4 ? nic.ipv4 : linkLocal ? nic.linkLocalIpv6 : nic.ipv6).emplace_back(text.data());
}

// The answer to a route lookup: the link a packet to its destination leaves
// through. A route without one (a blackhole, say) names no link.
void readRoute(const nlmsghdr* message, InterfaceDump& dump) {
    if (!headerOf<rtmsg>(message)) {
        return;
    }
    const nlattr* link = attributesOf(message, sizeof(rtmsg)).byType[RTA_OIF];
    if (link != nullptr && mnl_attr_get_payload_len(link) == sizeof(std::uint32_t)) {
        dump.routedThrough(mnl_attr_get_u32(link));
    }
}

int readMessage(const nlmsghdr* message, void* data) {
    auto& reading = *static_cast<Reading*>(data);
    try {
        if (message->nlmsg_type == RTM_NEWLINK) {
            readLink(message, reading.dump);
        } else if (message->nlmsg_type == RTM_NEWADDR) {
            readAddress(message, reading.dump);
        } else if (message->nlmsg_type == RTM_NEWROUTE) {
            readRoute(message, reading.dump);
        }
        return MNL_CB_OK;
    } catch (...) {
        reading.failure = std::current_exception();
        return MNL_CB_ERROR;
    }
}

}  // namespace

std::expected<InterfaceDump::Progress, int> InterfaceDump::take(std::span<const std::byte> buffer,
                                                                std::uint32_t sequence,
                                                                std::uint32_t portId) {
    // libmnl reads message headers in place, so they must be aligned.
    std::vector<nlmsghdr> aligned;
    const void* start = buffer.data();
    if (reinterpret_cast<std::uintptr_t>(start) % alignof(nlmsghdr) != 0) {
        aligned.resize(buffer.size() / sizeof(nlmsghdr) + 1);
        std::memcpy(aligned.data(), buffer.data(), buffer.size());
        start = aligned.data();
    }
    Reading reading{*this, nullptr};
    errno = 0;
    const int result = mnl_cb_run(start, buffer.size(), sequence, portId, readMessage, &reading);
    const int error = errno;
    if (reading.failure) {
        std::rethrow_exception(reading.failure);
    }
    if (result == MNL_CB_ERROR) {
        return std::unexpected(error != 0 ? error : EPROTO);
    }
    return result == MNL_CB_STOP ? Progress::Done : Progress::More;
}

NetInterface& InterfaceDump::at(std::uint32_t index) {
    const auto [known, added] = positionOf_.try_emplace(index, found_.size());
    if (added) {
        found_.emplace_back().index = index;
    }
    return found_[known->second];
}

void InterfaceDump::routedThrough(std::uint32_t index) {
    if (routedIndex_ == 0) {
        routedIndex_ = index;
    }
}

std::vector<NetInterface> InterfaceDump::interfaces() && {
    if (const auto routed = positionOf_.find(routedIndex_); routed != positionOf_.end()) {
        found_[routed->second].routed = true;
    }
    std::ranges::sort(found_, {}, &NetInterface::index);
    positionOf_.clear();
    return std::move(found_);
}

}  // namespace tallowin::linux_backend
