// The back end on the machine the tests run on, checked against what the
// kernel shows through other doors (uname, /sys/class/net, /proc/net), and
// answering the system classes in their shapes.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <linux/if_addr.h>
#include <net/if.h>
#include <sys/utsname.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>

#include "backend/host_factory.h"
#include "host_printing.h"

namespace tallowin {
namespace {

// What a walk shows of one adapter: whether it is IP-enabled and its IPv6
// addresses (those that sysfs and /proc list for its link too).
struct Adapter {
    bool enabled = false;
    std::set<std::string> ipv6;
    friend bool operator==(const Adapter&, const Adapter&) = default;
};

struct Link {
    std::int64_t index = 0;
    std::string name;
    bool running = false;  // up, with the kernel's operational state up or unknown
};

// The non-loopback interfaces in index order, as sysfs lists them.
std::vector<Link> sysfsLinks() {
    std::vector<Link> links;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/sys/class/net", error)) {
        Link link;
        link.name = entry.path().filename().string();
        unsigned flags = 0;
        std::string state;
        std::ifstream(entry.path() / "ifindex") >> link.index;
        std::ifstream(entry.path() / "flags") >> std::hex >> flags;
        std::ifstream(entry.path() / "operstate") >> state;
        link.running = (flags & IFF_UP) != 0 && (state == "up" || state == "unknown");
        if ((flags & IFF_LOOPBACK) == 0) {
            links.push_back(link);
        }
    }
    std::ranges::sort(links, {}, &Link::index);
    return links;
}

// The usable IPv6 addresses of one interface, as /proc/net/if_inet6 lists
// them: neither tentative nor found duplicate.
std::set<std::string> procIPv6Addresses(const std::string& name) {
    std::set<std::string> addresses;
    std::ifstream table("/proc/net/if_inet6");
    std::string hex, index, prefix, scope, flags, device;
    while (table >> hex >> index >> prefix >> scope >> flags >> device) {
        if (device != name || hex.size() != 32 ||
            (std::stoul(flags, nullptr, 16) & (IFA_F_TENTATIVE | IFA_F_DADFAILED)) != 0) {
            continue;
        }
        in6_addr address{};
        for (std::size_t i = 0; i < 16; ++i) {
            address.s6_addr[i] =
                static_cast<std::uint8_t>(std::stoul(hex.substr(2 * i, 2), nullptr, 16));
        }
        char text[INET6_ADDRSTRLEN] = {};
        addresses.insert(inet_ntop(AF_INET6, &address, text, sizeof text));
    }
    return addresses;
}

std::string firstLabelOfNodeName() {
    utsname names{};
    uname(&names);
    const std::string node = names.nodename;
    return node.substr(0, node.find('.'));
}

std::string monikerFor(const std::string& computer) {
    return R"(winmgmts:{impersonationLevel=impersonate}!\\)" + computer + R"(\root\cimv2)";
}

TEST(ThisMachine, IsNamedByTheFirstLabelOfItsNodeName) {
    auto host = makePlatformHost({});
    auto identity = host->createNetworkIdentity();
    ASSERT_TRUE(identity);
    EXPECT_EQ((*identity)->property("ComputerName"), HostValue(firstLabelOfNodeName()));
    const auto user = (*identity)->property("UserName");
    ASSERT_TRUE(user);
    EXPECT_FALSE(std::get<std::string>(*user).empty());
}

TEST(ThisMachine, BindsItsOwnMonikerInAnyCase) {
    auto host = makePlatformHost({});
    std::string name = firstLabelOfNodeName();
    EXPECT_TRUE(host->bindWmi(monikerFor(name)));
    std::ranges::transform(name, name.begin(), [](unsigned char c) { return std::toupper(c); });
    EXPECT_TRUE(host->bindWmi(monikerFor(name)));
}

TEST(ThisMachine, ListsItsRunningInterfacesAddressesOneLinkFirstTheOthersInIndexOrder) {
    const auto links = sysfsLinks();
    if (links.empty()) {
        GTEST_SKIP() << "/sys/class/net shows no interface here";
    }
    auto host = makePlatformHost({});
    auto service = host->bindWmi(monikerFor(firstLabelOfNodeName()));
    ASSERT_TRUE(service);
    auto collection = (*service)->execQuery("SELECT * FROM Win32_NetworkAdapterConfiguration");
    ASSERT_TRUE(collection);
    auto walk = *(*collection)->walk();
    std::vector<Adapter> walked;
    for (auto item = walk->next(); item && *item; item = walk->next()) {
        auto& adapter = **item;
        const auto enabled = adapter.property("IPEnabled");
        ASSERT_TRUE(enabled && std::holds_alternative<bool>(*enabled));
        walked.push_back({std::get<bool>(*enabled), {}});
        const auto addresses = adapter.property("IPAddress");
        ASSERT_TRUE(addresses);
        const auto* list = std::get_if<TextArray>(&*addresses);
        if (list == nullptr) {
            continue;
        }
        ASSERT_FALSE(list->empty());
        // IPv4, then global IPv6, then link-local IPv6.
        int rank = 0;
        for (const std::string& address : *list) {
            in6_addr buffer{};
            const bool isIPv6 = inet_pton(AF_INET6, address.c_str(), &buffer) == 1;
            EXPECT_TRUE(isIPv6 || inet_pton(AF_INET, address.c_str(), &buffer) == 1) << address;
            const int rankHere = !isIPv6 ? 0 : IN6_IS_ADDR_LINKLOCAL(&buffer) ? 2 : 1;
            EXPECT_LE(rank, rankHere) << "out of order: " << address;
            rank = std::max(rank, rankHere);
            if (isIPv6) {
                walked.back().ipv6.insert(address);
            }
        }
    }
    // The routed link may come first; the others keep their index order.
    std::vector<Adapter> inIndexOrder;
    for (const Link& link : links) {
        inIndexOrder.push_back(
            {link.running, link.running ? procIPv6Addresses(link.name) : std::set<std::string>{}});
    }
    bool matches = false;
    for (std::size_t first = 0; first < inIndexOrder.size() && !matches; ++first) {
        std::vector<Adapter> expected = inIndexOrder;
        std::rotate(expected.begin(), expected.begin() + static_cast<std::ptrdiff_t>(first),
                    expected.begin() + static_cast<std::ptrdiff_t>(first) + 1);
        matches = expected == walked;
    }
    EXPECT_TRUE(matches) << walked.size() << " adapters walked, " << links.size() << " links";
}

bool isTextOrNull(const HostResult<HostValue>& value) {
    return value && (std::holds_alternative<std::string>(*value) || isNull(*value));
}

TEST(ThisMachine, DescribesItselfInOneItemOfEachSystemClass) {
    auto host = makePlatformHost({});
    auto service = host->bindWmi(monikerFor(firstLabelOfNodeName()));
    ASSERT_TRUE(service);
    const auto onlyItem = [&](std::string_view wql) -> std::unique_ptr<WmiItem> {
        auto collection = (*service)->execQuery(wql);
        if (!collection) {
            ADD_FAILURE() << wql << ": " << collection.error().description;
            return nullptr;
        }
        auto walk = *(*collection)->walk();
        auto item = walk->next();
        EXPECT_TRUE(item && *item) << wql;
        EXPECT_EQ(walk->next(), nullptr) << wql << " answers one item";
        return item ? std::move(*item) : nullptr;
    };

    const auto bios = onlyItem("SELECT * FROM Win32_BIOS");
    ASSERT_TRUE(bios);
    EXPECT_TRUE(isTextOrNull(bios->property("SerialNumber")));

    const auto system = onlyItem("SELECT * FROM Win32_OperatingSystem");
    ASSERT_TRUE(system);
    const auto caption = system->property("Caption");
    ASSERT_TRUE(caption && std::holds_alternative<std::string>(*caption));
    EXPECT_FALSE(std::get<std::string>(*caption).empty());
    EXPECT_EQ(system->property("ServicePackMajorVersion"), HostValue(std::int64_t{0}));
    EXPECT_EQ(system->property("ServicePackMinorVersion"), HostValue(std::int64_t{0}));

    const auto computer = onlyItem("SELECT * FROM Win32_ComputerSystem");
    ASSERT_TRUE(computer);
    EXPECT_EQ(computer->property("Name"), HostValue(firstLabelOfNodeName()));
    EXPECT_TRUE(isTextOrNull(computer->property("Manufacturer")));
    EXPECT_TRUE(isTextOrNull(computer->property("Model")));
}

}  // namespace
}  // namespace tallowin
