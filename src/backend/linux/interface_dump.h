// Reads the kernel's rtnetlink answers to a link dump, an address dump and a
// route lookup (RTM_NEWLINK, RTM_NEWADDR and RTM_NEWROUTE messages) into the
// machine's interfaces. Pure: it takes buffers as they were received, so the
// same code reads the socket, the tests' messages and the benchmark's.
#pragma once

#include <cstddef>
#include <cstdint>
#include <expected>
#include <span>
#include <unordered_map>
#include <vector>

#include "interfaces.h"

namespace tallowin::linux_backend {

class InterfaceDump {
  public:
    enum class Progress { More, Done };

    // Takes one received buffer of messages. Answers Done once the dump's
    // end (NLMSG_DONE) is read, More while messages are still to come, or
    // the errno that the kernel or a malformed answer gives (EINTR when the
    // kernel marks the dump as interrupted by a change, so it can be asked
    // again). A sequence number or port id other than 0 must match each
    // message's. Malformed messages and attributes are passed over.
    [[nodiscard]] std::expected<Progress, int> take(std::span<const std::byte> buffer,
                                                    std::uint32_t sequence = 0,
                                                    std::uint32_t portId = 0);

    // The interfaces read so far in index order. Each address is on the
    // interface whose index the kernel gives it, whatever its label; each
    // family's addresses stay in the kernel's order. The link of the first
    // route read is marked as routed, when the dumps listed it: a route read
    // never adds an interface of its own.
    [[nodiscard]] std::vector<NetInterface> interfaces() &&;

    // The outgoing link of the first route read, or 0 when none was.
    [[nodiscard]] std::uint32_t routedIndex() const { return routedIndex_; }

    // Called by the message reader: the entry for one interface index, and
    // the outgoing link of a route.
    NetInterface& at(std::uint32_t index);
    void routedThrough(std::uint32_t index);

  private:
    std::vector<NetInterface> found_;
    std::unordered_map<std::uint32_t, std::size_t> positionOf_;
    std::uint32_t routedIndex_ = 0;  // 0: no route read; no link has index 0
};

}  // namespace tallowin::linux_backend
