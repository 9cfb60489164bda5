// Win32_BIOS: the machine's firmware, one instance.
#include <array>

#include "firmware.h"
#include "wmi_class.h"

namespace tallowin::linux_backend {
namespace {

enum Property : std::size_t { kSerialNumber };
constexpr std::array<std::string_view, 1> kProperties = {"SerialNumber"};

HostResult<std::vector<WmiRow>> instances(const Environment& environment) {
    const FileReader read = rootFileReader(environment.root);
    WmiRow row(kProperties.size());
    row[kSerialNumber] = textOrNull(firmwareSerialNumber(read));
    return std::vector<WmiRow>{std::move(row)};
}

}  // namespace

const WmiClass& biosClass() {
    static const WmiClass kClass{"Win32_BIOS", kProperties, instances};
    return kClass;
}

}  // namespace tallowin::linux_backend
