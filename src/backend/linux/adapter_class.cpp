// Win32_NetworkAdapterConfiguration: one instance per network interface but
// the loopback ones, in interface-index order.
#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

#include "wmi_class.h"

namespace tallowin::linux_backend {
namespace {

enum Property : std::size_t { kIndex, kDescription, kIPEnabled, kIPAddress };
constexpr std::array<std::string_view, 4> kProperties = {"Index", "Description", "IPEnabled",
                                                         "IPAddress"};

// Takes the interface's addresses rather than copying them: on a machine
// with thousands of addresses the copy would be most of the query's cost.
HostValue addressesOf(NetInterface& nic) {
    if (nic.ipv4.empty() && nic.ipv6.empty()) {
        return Null{};
    }
    TextArray addresses = std::move(nic.ipv4);
    addresses.reserve(addresses.size() + nic.ipv6.size());
    std::ranges::move(nic.ipv6, std::back_inserter(addresses));
    return addresses;
}

HostResult<std::vector<WmiRow>> instances(const Environment& environment) {
    auto listed = environment.interfaces->interfaces();
    if (!listed) {
        return std::unexpected(std::move(listed.error()));
    }
    std::vector<NetInterface>& interfaces = *listed;
    std::erase_if(interfaces, [](const NetInterface& nic) { return nic.loopback; });
    std::ranges::stable_sort(interfaces, {}, &NetInterface::index);
    std::vector<WmiRow> rows;
    rows.reserve(interfaces.size());
    for (NetInterface& nic : interfaces) {
        WmiRow row(kProperties.size());
        row[kIndex] = static_cast<std::int64_t>(nic.index);
        row[kDescription] = nic.name;
        row[kIPEnabled] = nic.up;
        row[kIPAddress] = addressesOf(nic);
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace

const WmiClass& networkAdapterConfigurationClass() {
    static const WmiClass kClass{"Win32_NetworkAdapterConfiguration", kProperties, instances};
    return kClass;
}

}  // namespace tallowin::linux_backend
