// Win32_ComputerSystem: the machine itself, one instance, named as the
// network identity names it and described by its firmware.
#include <array>

#include "firmware.h"
#include "wmi_class.h"

namespace tallowin::linux_backend {
namespace {

enum Property : std::size_t { kName, kManufacturer, kModel };
constexpr std::array<std::string_view, 3> kProperties = {"Name", "Manufacturer", "Model"};

HostResult<std::vector<WmiRow>> instances(const Environment& environment) {
    WmiRow row(kProperties.size());
    // A host name that cannot be read leaves the name Null; the firmware's
    // facts are still answered.
    const auto hostName = environment.names->hostName();
    row[kName] = hostName ? HostValue(computerNameOf(*hostName)) : HostValue(Null{});
    auto found = firmwareMakerAndModel(rootFileReader(environment.root));
    row[kManufacturer] = textOrNull(std::move(found.manufacturer));
    row[kModel] = textOrNull(std::move(found.model));
    return std::vector<WmiRow>{std::move(row)};
}

}  // namespace

const WmiClass& computerSystemClass() {
    static const WmiClass kClass{"Win32_ComputerSystem", kProperties, instances};
    return kClass;
}

}  // namespace tallowin::linux_backend
