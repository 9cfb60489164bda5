// What Linux answers for each management class the service asks about.
// Each class lists only the properties that the service's queries read
// (src/sysinfo/wmi_names.h); a row holds them in the order listed.
#include "wmi_classes.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <string>
#include <utility>

#include "firmware.h"
#include "os_release.h"
#include "text.h"

namespace tallowin::linux_backend {
namespace {

using Rows = HostResult<std::vector<WmiRow>>;

// The text as a property value, or Null when there is none.
HostValue textOrNull(std::optional<std::string> text) {
    if (!text) {
        return Null{};
    }
    return std::move(*text);
}

// A row of these values, moved in: a braced list would copy each of them,
// and an adapter's addresses may be thousands.
template <class... Values>
WmiRow rowOf(Values&&... values) {
    WmiRow row;
    row.reserve(sizeof...(values));
    (row.emplace_back(std::forward<Values>(values)), ...);
    return row;
}

// The one instance of a class that describes the machine itself.
Rows onlyRow(WmiRow row) {
    std::vector<WmiRow> rows;
    rows.push_back(std::move(row));
    return rows;
}

// Win32_BIOS: the machine's firmware, one instance.
constexpr std::array<std::string_view, 1> kBiosProperties = {"SerialNumber"};

Rows biosInstances(const Environment& environment) {
    const FileReader read = rootFileReader(environment.root);
    return onlyRow(rowOf(textOrNull(firmwareSerialNumber(read))));
}

// Win32_OperatingSystem: the running system, one instance. Linux has no
// service packs; current Windows reports 0 and 0 for them too.
constexpr std::array<std::string_view, 3> kOperatingSystemProperties = {
    "Caption", "ServicePackMajorVersion", "ServicePackMinorVersion"};

Rows operatingSystemInstances(const Environment& environment) {
    return onlyRow(rowOf(operatingSystemCaption(rootFileReader(environment.root)), std::int64_t{0},
                         std::int64_t{0}));
}

// Win32_ComputerSystem: the machine itself, one instance, named as the
// network identity names it and described by its firmware.
constexpr std::array<std::string_view, 3> kComputerSystemProperties = {"Name", "Manufacturer",
                                                                       "Model"};

Rows computerSystemInstances(const Environment& environment) {
    // A host name that cannot be read leaves the name Null; the firmware's
    // facts are still answered.
    const auto hostName = environment.names->hostName();
    HostValue name = hostName ? HostValue(computerNameOf(*hostName)) : HostValue(Null{});
    auto found = firmwareMakerAndModel(rootFileReader(environment.root));
    return onlyRow(rowOf(std::move(name), textOrNull(std::move(found.manufacturer)),
                         textOrNull(std::move(found.model))));
}

// Win32_NetworkAdapterConfiguration: one instance per network interface but
// the loopback ones. As on Windows, where an adapter without its cable has
// no addresses, an interface is IP-enabled and has addresses only while it
// is up and running. The adapters come in the order a person needs them: the
// link the machine reaches the wider network through first, then the others
// in interface-index order, so the first address is one that others can
// reach. An adapter's addresses are its IPv4 ones, then its IPv6 ones with
// the link-local ones last, or Null when it has none.
constexpr std::array<std::string_view, 2> kAdapterProperties = {"IPEnabled", "IPAddress"};

// Takes the interface's addresses rather than copying them: on a machine
// with thousands of addresses the copy would be most of the query's cost.
HostValue addressesOf(NetInterface& nic) {
    if (!nic.running || (nic.ipv4.empty() && nic.ipv6.empty() && nic.linkLocalIpv6.empty())) {
        return Null{};
    }
    TextArray addresses = std::move(nic.ipv4);
    addresses.reserve(addresses.size() + nic.ipv6.size() + nic.linkLocalIpv6.size());
    std::ranges::move(nic.ipv6, std::back_inserter(addresses));
    std::ranges::move(nic.linkLocalIpv6, std::back_inserter(addresses));
    return addresses;
}

Rows adapterInstances(const Environment& environment) {
    auto listed = environment.interfaces->interfaces();
    if (!listed) {
        return std::unexpected(std::move(listed.error()));
    }
    std::vector<NetInterface>& interfaces = *listed;
    std::erase_if(interfaces, [](const NetInterface& nic) { return nic.loopback; });
    std::ranges::sort(interfaces, {}, [](const NetInterface& nic) {
        return std::pair(!(nic.routed && nic.running), nic.index);
    });
    std::vector<WmiRow> rows;
    rows.reserve(interfaces.size());
    for (NetInterface& nic : interfaces) {
        rows.push_back(rowOf(nic.running, addressesOf(nic)));
    }
    return rows;
}

constexpr std::array<WmiClass, 4> kClasses = {{
    {"Win32_BIOS", kBiosProperties, biosInstances},
    {"Win32_OperatingSystem", kOperatingSystemProperties, operatingSystemInstances},
    {"Win32_ComputerSystem", kComputerSystemProperties, computerSystemInstances},
    {"Win32_NetworkAdapterConfiguration", kAdapterProperties, adapterInstances},
}};

}  // namespace

std::optional<std::size_t> WmiClass::propertyIndex(std::string_view property) const {
    for (std::size_t i = 0; i < properties.size(); ++i) {
        if (equalsIgnoringCase(properties[i], property)) {
            return i;
        }
    }
    return std::nullopt;
}

const WmiClass* findWmiClass(std::string_view name) {
    const auto found = std::ranges::find_if(
        kClasses, [&](const WmiClass& known) { return equalsIgnoringCase(known.name, name); });
    return found == kClasses.end() ? nullptr : &*found;
}

}  // namespace tallowin::linux_backend
