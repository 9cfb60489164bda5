// What the firmware tells about the machine: its serial number, its maker
// and its model. PCs and servers carry them in their DMI tables, which the
// kernel shows under /sys/class/dmi/id; many ARM boards have no DMI and name
// themselves in the device tree instead.
//
// The DMI serial numbers are usually readable by root alone. Every file is
// read on its own, so one that cannot be read only makes the next source
// count; it never hides the others.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "root_files.h"

namespace tallowin::linux_backend {

// A value as the firmware gave it, trimmed of the blanks and NULs at its end;
// nothing when no real value is left (see placeholders.h).
[[nodiscard]] std::optional<std::string> firmwareValue(std::string_view raw);

// DMI product_serial, else board_serial, else the device tree's
// serial-number.
[[nodiscard]] std::optional<std::string> firmwareSerialNumber(const FileReader& read);

struct MakerAndModel {
    std::optional<std::string> manufacturer;
    std::optional<std::string> model;
};

// The maker: DMI sys_vendor, else board_vendor, else the device tree's
// manufacturer. The model: DMI product_name (product_version on LENOVO
// machines, which keep the model there and a type number in product_name),
// else board_name, else the device tree's model.
[[nodiscard]] MakerAndModel firmwareMakerAndModel(const FileReader& read);

}  // namespace tallowin::linux_backend
