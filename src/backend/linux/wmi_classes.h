// The management classes the back end answers queries about. Each class
// names its properties and lists its instances as rows, one value per
// property in the class's order. Adding a class is adding one entry to the
// table in wmi_class.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "environment.h"
#include "sysinfo/host.h"

namespace tallowin::linux_backend {

using WmiRow = std::vector<HostValue>;

struct WmiClass {
    std::string_view name;
    std::span<const std::string_view> properties;
    HostResult<std::vector<WmiRow>> (*instances)(const Environment& environment);

    // The position of a property, its name compared without regard to case.
    [[nodiscard]] std::optional<std::size_t> propertyIndex(std::string_view property) const;
};

// The class of that name (compared without regard to case), or null.
[[nodiscard]] const WmiClass* findWmiClass(std::string_view name);

// Win32_NetworkAdapterConfiguration: the non-loopback interfaces.
[[nodiscard]] const WmiClass& networkAdapterConfigurationClass();
// Win32_BIOS: the firmware's serial number.
[[nodiscard]] const WmiClass& biosClass();
// Win32_OperatingSystem: the system's caption and service-pack numbers.
[[nodiscard]] const WmiClass& operatingSystemClass();
// Win32_ComputerSystem: the machine's name, maker and model.
[[nodiscard]] const WmiClass& computerSystemClass();

// The text as a property value, or Null when there is none.
[[nodiscard]] HostValue textOrNull(std::optional<std::string> text);

}  // namespace tallowin::linux_backend
