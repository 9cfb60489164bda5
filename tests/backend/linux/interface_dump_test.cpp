// The interfaces read from rtnetlink dumps written as the kernel writes
// them, checked through the adapters that the back end's query answers.
#include "interface_dump.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <functional>

#include "fixture_host.h"
#include "netlink_messages.h"

namespace tallowin::linux_backend {
namespace {

using testing::NetlinkMessages;

// The addresses of each adapter, in walk order, of a machine whose kernel
// dumps these messages.
std::vector<TextArray> adaptersOf(const NetlinkMessages& messages) {
    InterfaceDump dump;
    const auto progress = dump.take(messages.bytes());
    EXPECT_EQ(progress, InterfaceDump::Progress::Done);
    auto host = testing::fixtureHost("pc7", std::move(dump).interfaces());
    std::vector<TextArray> adapters;
    for (const auto& item : testing::itemsOf(
             *host, "SELECT * FROM Win32_NetworkAdapterConfiguration WHERE IPEnabled=TRUE")) {
        const auto addresses = item->property("IPAddress");
        const auto* list = std::get_if<TextArray>(&*addresses);
        adapters.push_back(list != nullptr ? *list : TextArray{});
    }
    return adapters;
}

TEST(TheInterfaceDump, PutsEachAddressOnItsInterfaceInTheKernelsOrder) {
    constexpr unsigned kLoopback = IFF_UP | IFF_LOOPBACK;
    TextArray many;
    NetlinkMessages manyMessages;
    manyMessages.link(2, "eth0");
    for (int i = 0; i < 5000; ++i) {
        many.push_back("10." + std::to_string(i / 256) + '.' + std::to_string(i % 256) + ".1");
        manyMessages.ipv4(2, many.back());
    }
    struct Case {
        const char* what;
        NetlinkMessages messages;
        std::vector<TextArray> adapters;  // each adapter's addresses, in walk order
    };
    const std::vector<Case> cases = {
        {"a label other than the interface's name",
         NetlinkMessages()
             .link(1, "lo", kLoopback)
             .link(2, "eth0")
             .ipv4(1, "127.0.0.1")
             .ipv4(2, "203.0.113.20")
             .ipv4(2, "203.0.113.99", "ghost")
             .done(),
         {{"203.0.113.20", "203.0.113.99"}}},
        {"another interface's label",
         NetlinkMessages()
             .link(2, "eth0")
             .link(3, "eth1")
             .ipv4(2, "203.0.113.99", "eth1:x")
             .ipv4(2, "203.0.113.20")
             .ipv4(3, "198.51.100.7")
             .done(),
         {{"203.0.113.99", "203.0.113.20"}, {"198.51.100.7"}}},
        {"interfaces in index order",
         NetlinkMessages()
             .link(7, "wlan0")
             .link(2, "eth0")
             .link(4, "br0")
             .ipv4(7, "192.0.2.7")
             .ipv4(4, "192.0.2.4")
             .ipv4(2, "192.0.2.2")
             .done(),
         {{"192.0.2.2"}, {"192.0.2.4"}, {"192.0.2.7"}}},
        {"IPv4, global IPv6, link-local IPv6, each in the kernel's order; no unusable one",
         NetlinkMessages()
             .link(2, "eth0")
             .ipv6(2, "fe80::1")
             .ipv4(2, "10.0.0.3")
             .ipv6(2, "2001:db8::2")
             .ipv6(2, "2001:db8::3", IFA_F_TENTATIVE)
             .ipv6(2, "febf::4")
             .ipv6(2, "2001:db8::5", IFA_F_DADFAILED)
             .ipv4(2, "169.254.10.20")
             .ipv6(2, "fec0::6")
             .done(),
         {{"10.0.0.3", "169.254.10.20", "2001:db8::2", "fec0::6", "fe80::1", "febf::4"}}},
        {"the routed link first, the others in index order",
         NetlinkMessages()
             .link(2, "br0")
             .link(3, "eth0")
             .link(4, "tun0")
             .ipv4(2, "172.17.0.1")
             .ipv4(3, "192.0.2.10")
             .ipv4(4, "10.8.0.6")
             .route(4)
             .route(2)
             .done(),
         {{"10.8.0.6"}, {"172.17.0.1"}, {"192.0.2.10"}}},
        {"no address on a link without its carrier, routed or not",
         NetlinkMessages()
             .link(2, "eth0", IFF_UP)
             .link(3, "eth1")
             .ipv4(2, "10.9.9.9")
             .ipv4(3, "169.254.10.20")
             .route(2)
             .done(),
         {{"169.254.10.20"}}},
        {"a route through a link the dumps did not list",
         NetlinkMessages()
             .link(3, "eth1")
             .link(2, "eth0")
             .ipv4(2, "192.0.2.2")
             .ipv4(3, "192.0.2.3")
             .route(9)
             .done(),
         {{"192.0.2.2"}, {"192.0.2.3"}}},
        {"the local address of a point-to-point link, not its peer's",
         NetlinkMessages().link(5, "tun0").ipv4(5, "10.8.0.6", "", "10.8.0.5").done(),
         {{"10.8.0.6"}}},
        {"a link that comes after its addresses",
         NetlinkMessages().ipv4(3, "192.0.2.3").ipv6(3, "2001:db8::3").link(3, "eth2").done(),
         {{"192.0.2.3", "2001:db8::3"}}},
        {"an interface that is down",
         NetlinkMessages().link(2, "eth0", 0).ipv4(2, "192.0.2.2").done(),
         {}},
        {"5000 addresses on one interface", manyMessages.done(), {many}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(adaptersOf(c.messages), c.adapters);
    }
}

TEST(TheInterfaceDump, EndsOnlyAtTheDumpsEndAndPassesTheKernelsErrorOn) {
    using Progress = InterfaceDump::Progress;
    const NetlinkMessages whole = NetlinkMessages().link(2, "eth0").ipv4(2, "192.0.2.2").done();
    const auto bytes = whole.bytes();
    struct Case {
        const char* what;
        std::span<const std::byte> buffer;
        std::expected<Progress, int> progress;
    };
    const NetlinkMessages refused = NetlinkMessages().error(EPERM);
    const NetlinkMessages unfinished = NetlinkMessages().link(2, "eth0");
    std::vector<std::byte> shifted(1);
    shifted.insert(shifted.end(), bytes.begin(), bytes.end());
    const std::vector<Case> cases = {
        {"a whole dump", bytes, Progress::Done},
        {"a dump still going on", unfinished.bytes(), Progress::More},
        {"a message cut short", bytes.first(bytes.size() - 3), Progress::More},
        {"a whole dump not aligned", std::span(shifted).subspan(1), Progress::Done},
        {"nothing", {}, Progress::More},
        {"the kernel's refusal", refused.bytes(), std::unexpected(EPERM)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InterfaceDump dump;
        EXPECT_EQ(dump.take(c.buffer), c.progress);
    }
}

// Only a dump that the kernel marks as interrupted is asked again; each
// dump after the first reads as whole.
TEST(TheInterfaceListing, AsksAgainOnlyForADumpInterruptedByAChange) {
    const NetlinkMessages whole = NetlinkMessages().link(2, "eth0").done();
    const NetlinkMessages interrupted = NetlinkMessages().interrupted().link(2, "eth0").done();
    const NetlinkMessages refused = NetlinkMessages().error(EPERM);
    struct Case {
        const NetlinkMessages& first;  // the kernel's answer to the first dump
        int error;                     // the listing's, 0 for none
        std::size_t asked;
    };
    for (const Case& c : {Case{interrupted, 0, 2}, Case{refused, EPERM, 1}}) {
        std::size_t asked = 0;
        const auto listed = listedUntilWhole([&]() -> InterfaceListing {
            InterfaceDump dump;
            const auto progress = dump.take((asked++ == 0 ? c.first : whole).bytes());
            if (!progress) return std::unexpected(progress.error());
            return std::move(dump).interfaces();
        });
        EXPECT_EQ(listed ? 0 : listed.error(), c.error);
        EXPECT_EQ(asked, c.asked);
    }
}

}  // namespace
}  // namespace tallowin::linux_backend
