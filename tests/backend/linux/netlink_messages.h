// Writes rtnetlink messages as the kernel answers a link dump and an address
// dump, into one buffer, for the interface reader's tests and benchmark.
#pragma once

#include <arpa/inet.h>
#include <libmnl/libmnl.h>
#include <linux/if_addr.h>
#include <linux/if_link.h>
#include <linux/rtnetlink.h>
#include <net/if.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tallowin::linux_backend::testing {

class NetlinkMessages {
  public:
    // A link; by default one that is up and has its carrier.
    static constexpr unsigned kWorking = IFF_UP | IFF_RUNNING;

    NetlinkMessages& link(std::uint32_t index, const std::string& name, unsigned flags = kWorking) {
        Message message(RTM_NEWLINK);
        auto* info = message.header<ifinfomsg>();
        info->ifi_index = static_cast<int>(index);
        info->ifi_flags = flags;
        mnl_attr_put_strz(message.get(), IFLA_IFNAME, name.c_str());
        return append(message);
    }

    // An IPv4 address as `ip addr add ADDRESS [peer PEER] label LABEL dev
    // INDEX` gives it: the label is the interface's name unless one is set.
    NetlinkMessages& ipv4(std::uint32_t index, const std::string& address,
                          const std::string& label = {}, const std::string& peer = {}) {
        Message message(RTM_NEWADDR);
        addressHeader(message, AF_INET, index);
        putAddress(message, IFA_LOCAL, AF_INET, address);
        putAddress(message, IFA_ADDRESS, AF_INET, peer.empty() ? address : peer);
        if (!label.empty()) {
            mnl_attr_put_strz(message.get(), IFA_LABEL, label.c_str());
        }
        return append(message);
    }

    // An IPv6 address; its flags (IFA_F_*) in the header and in IFA_FLAGS,
    // as the kernel sends them.
    NetlinkMessages& ipv6(std::uint32_t index, const std::string& address,
                          std::uint32_t flags = 0) {
        Message message(RTM_NEWADDR);
        addressHeader(message, AF_INET6, index, flags);
        putAddress(message, IFA_ADDRESS, AF_INET6, address);
        mnl_attr_put_u32(message.get(), IFA_FLAGS, flags);
        return append(message);
    }

    // The answer to a route lookup: the route leaves through this link.
    NetlinkMessages& route(std::uint32_t outgoingLink) {
        Message message(RTM_NEWROUTE);
        message.header<rtmsg>()->rtm_family = AF_INET;
        mnl_attr_put_u32(message.get(), RTA_OIF, outgoingLink);
        return append(message);
    }

    // The end of a dump.
    NetlinkMessages& done() {
        Message message(NLMSG_DONE);
        message.header<std::int32_t>();
        return append(message);
    }

    // The kernel's refusal of a request, with its errno.
    NetlinkMessages& error(int number) {
        Message message(NLMSG_ERROR);
        message.header<nlmsgerr>()->error = -number;
        return append(message);
    }

    // The kernel's mark, on every message from here on, of a dump that a
    // change interrupted.
    NetlinkMessages& interrupted() {
        flags_ |= NLM_F_DUMP_INTR;
        return *this;
    }

    [[nodiscard]] std::span<const std::byte> bytes() const {
        return std::as_bytes(std::span(words_));
    }

  private:
    class Message {
      public:
        explicit Message(std::uint16_t type) : message_(mnl_nlmsg_put_header(buffer_.data())) {
            message_->nlmsg_type = type;
            message_->nlmsg_flags = NLM_F_MULTI;
        }
        Message(const Message&) = delete;
        Message& operator=(const Message&) = delete;
        template <class Header>
        Header* header() {
            return static_cast<Header*>(mnl_nlmsg_put_extra_header(message_, sizeof(Header)));
        }
        nlmsghdr* get() { return message_; }
        // The message as written so far: whole words, since netlink pads
        // every message to four bytes.
        [[nodiscard]] std::span<const std::uint32_t> words() const {
            return std::span(buffer_).first(message_->nlmsg_len / sizeof(std::uint32_t));
        }

      private:
        std::array<std::uint32_t, 128> buffer_{};
        nlmsghdr* message_;
    };

    static void addressHeader(Message& message, unsigned char family, std::uint32_t index,
                              std::uint32_t flags = 0) {
        auto* info = message.header<ifaddrmsg>();
        info->ifa_family = family;
        info->ifa_flags = static_cast<unsigned char>(flags);
        info->ifa_index = index;
    }

    static void putAddress(Message& message, std::uint16_t type, int family,
                           const std::string& text) {
        std::array<unsigned char, 16> bytes{};
        inet_pton(family, text.c_str(), bytes.data());
        mnl_attr_put(message.get(), type, family == AF_INET ? 4 : 16, bytes.data());
    }

    NetlinkMessages& append(Message& message) {
        message.get()->nlmsg_flags |= flags_;
        const auto words = message.words();
        words_.insert(words_.end(), words.begin(), words.end());
        return *this;
    }

    std::vector<std::uint32_t> words_;
    std::uint16_t flags_ = 0;
};

}  // namespace tallowin::linux_backend::testing
