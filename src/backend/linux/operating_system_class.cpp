// Win32_OperatingSystem: the running system, one instance. Linux has no
// service packs; current Windows reports 0 and 0 for them too.
#include <array>

#include "os_release.h"
#include "wmi_class.h"

namespace tallowin::linux_backend {
namespace {

enum Property : std::size_t { kCaption, kServicePackMajorVersion, kServicePackMinorVersion };
constexpr std::array<std::string_view, 3> kProperties = {"Caption", "ServicePackMajorVersion",
                                                         "ServicePackMinorVersion"};

HostResult<std::vector<WmiRow>> instances(const Environment& environment) {
    WmiRow row(kProperties.size());
    row[kCaption] = operatingSystemCaption(rootFileReader(environment.root));
    row[kServicePackMajorVersion] = std::int64_t{0};
    row[kServicePackMinorVersion] = std::int64_t{0};
    return std::vector<WmiRow>{std::move(row)};
}

}  // namespace

const WmiClass& operatingSystemClass() {
    static const WmiClass kClass{"Win32_OperatingSystem", kProperties, instances};
    return kClass;
}

}  // namespace tallowin::linux_backend
