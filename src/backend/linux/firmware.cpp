#include "firmware.h"

#include <array>

#include "placeholders.h"
#include "text.h"

namespace tallowin::linux_backend {
namespace {

constexpr std::string_view kDmiFolder = "sys/class/dmi/id/";

// /proc/device-tree is a link to the firmware folder; either may be missing
// from a container's view, so both are tried.
constexpr std::array<std::string_view, 2> kDeviceTreeFolders = {"proc/device-tree/",
                                                                "sys/firmware/devicetree/base/"};

std::string pathOf(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += name;
    return path;
}

std::optional<std::string> dmiValue(const FileReader& read, std::string_view name) {
    const auto bytes = read(pathOf(kDmiFolder, name));
    if (!bytes) {
        return std::nullopt;
    }
    return firmwareValue(*bytes);
}

// A device-tree text property is a NUL-terminated string; one that lists
// several strings holds its value in the first.
std::optional<std::string> deviceTreeValue(const FileReader& read, std::string_view name) {
    for (const std::string_view folder : kDeviceTreeFolders) {
        const auto bytes = read(pathOf(folder, name));
        if (!bytes) {
            continue;
        }
        const std::string_view whole = *bytes;
        if (auto value = firmwareValue(whole.substr(0, whole.find('\0')))) {
            return value;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> firmwareValue(std::string_view raw) {
    if (isFirmwarePlaceholder(raw)) {
        return std::nullopt;
    }
    return std::string(trimTrailingBlanks(raw));
}

std::optional<std::string> firmwareSerialNumber(const FileReader& read) {
    if (auto serial = dmiValue(read, "product_serial")) {
        return serial;
    }
    if (auto serial = dmiValue(read, "board_serial")) {
        return serial;
    }
    return deviceTreeValue(read, "serial-number");
}

MakerAndModel firmwareMakerAndModel(const FileReader& read) {
    MakerAndModel found;
    found.manufacturer = dmiValue(read, "sys_vendor");
    if (found.manufacturer && equalsIgnoringCase(trimBlanks(*found.manufacturer), "LENOVO")) {
        found.model = dmiValue(read, "product_version");
    }
    if (!found.model) {
        found.model = dmiValue(read, "product_name");
    }
    if (!found.manufacturer) {
        found.manufacturer = dmiValue(read, "board_vendor");
    }
    if (!found.model) {
        found.model = dmiValue(read, "board_name");
    }
    if (!found.manufacturer) {
        found.manufacturer = deviceTreeValue(read, "manufacturer");
    }
    if (!found.model) {
        found.model = deviceTreeValue(read, "model");
    }
    return found;
}

}  // namespace tallowin::linux_backend
