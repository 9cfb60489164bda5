// Reads the kernel's rtnetlink answers to a link dump and an address dump
// (RTM_NEWLINK and RTM_NEWADDR messages) into the machine's interfaces. Pure:
// it takes buffers as they were received, so the same code reads the socket,
// the tests' messages and the benchmark's.
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
    // family's addresses stay in the kernel's order.
    [[nodiscard]] std::vector<NetInterface> interfaces() &&;

    // Called by the message reader: the entry for one interface index.
    NetInterface& at(std::uint32_t index);

  private:
    std::vector<NetInterface> found_;
    std::unordered_map<std::uint32_t, std::size_t> positionOf_;
};

}  // namespace tallowin::linux_backend
