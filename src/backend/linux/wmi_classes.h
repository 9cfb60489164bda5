// The management classes the back end answers queries about. Each class
// names its properties and lists its instances as rows, one value per
// property in the class's order. What Linux answers for each class is on one
// page, wmi_classes.cpp.
#pragma once

#include <cstddef>
#include <optional>
#include <span>
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

}  // namespace tallowin::linux_backend
