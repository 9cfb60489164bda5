// The firmware readers on any contents of the DMI and device-tree files,
// each of which may also be missing or readable by root alone. Every value
// answered is a real one (not empty, not a placeholder, no trailing blank or
// NUL), taken from a file that was served, in the documented order; and
// nothing but those files is asked for.
#include <algorithm>
#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <expected>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "firmware.h"
#include "fuzz_check.h"
#include "fuzz_input.h"
#include "placeholders.h"
#include "text.h"

namespace {

using tallowin::fuzz::FuzzInput;
using tallowin::fuzz::require;
using namespace tallowin::linux_backend;
using namespace std::string_view_literals;

constexpr auto kFiles = std::to_array<std::string_view>({
    "sys/class/dmi/id/product_serial",
    "sys/class/dmi/id/board_serial",
    "sys/class/dmi/id/sys_vendor",
    "sys/class/dmi/id/product_name",
    "sys/class/dmi/id/product_version",
    "sys/class/dmi/id/board_vendor",
    "sys/class/dmi/id/board_name",
    "proc/device-tree/serial-number",
    "proc/device-tree/model",
    "proc/device-tree/manufacturer",
    "sys/firmware/devicetree/base/serial-number",
    "sys/firmware/devicetree/base/model",
    "sys/firmware/devicetree/base/manufacturer",
});

// Texts that steer the readers into their special cases.
constexpr auto kHints = std::to_array<std::string_view>({
    "LENOVO"sv,
    "To be filled by O.E.M."sv,
    "Default string"sv,
    "0x0000"sv,
    "  ThinkPad X1  \n"sv,
    "Raspberry Pi 4 Model B Rev 1.4\0"sv,
    "System Serial Number"sv,
    "N/A"sv,
    ""sv,
});

using Files = std::map<std::string_view, std::expected<std::string, int>>;

Files filesFrom(FuzzInput& input) {
    Files files;
    for (const std::string_view path : kFiles) {
        switch (input.below(4)) {
            case 0:
                break;  // missing
            case 1:
                files.emplace(path, std::unexpected(EACCES));
                break;
            case 2:
                files.emplace(path, std::string(kHints[input.below(kHints.size())]));
                break;
            default:
                files.emplace(path, input.text(40));
                break;
        }
    }
    return files;
}

// A value answered is a real one, cut from the start of a served file.
void checkValue(const std::optional<std::string>& value, const Files& files) {
    if (!value) return;
    require(!value->empty(), "a value is never empty");
    require(!isFirmwarePlaceholder(*value), "a value is never a placeholder");
    require(trimTrailingBlanks(*value) == *value, "a value has no trailing blank or NUL");
    const bool served = std::ranges::any_of(
        files, [&](const auto& file) { return file.second && file.second->starts_with(*value); });
    require(served, "a value comes from a file that was served");
}

// The value a single file gives on its own, as its reader documents it.
std::optional<std::string> realValueOf(const Files& files, std::string_view path) {
    const auto found = files.find(path);
    if (found == files.end() || !found->second) return std::nullopt;
    std::string_view text = *found->second;
    if (path.find("device") != std::string_view::npos) text = text.substr(0, text.find('\0'));
    return firmwareValue(text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput input(data, size);
    const Files files = filesFrom(input);
    const std::string raw = input.rest();

    if (const auto value = firmwareValue(raw)) {
        require(*value == trimTrailingBlanks(raw), "a value is the raw text trimmed at its end");
        require(!isFirmwarePlaceholder(*value), "a value is never a placeholder");
    } else {
        require(isFirmwarePlaceholder(raw), "only placeholders are dropped");
    }

    const FileReader read = [&](std::string_view path) -> std::expected<std::string, int> {
        require(std::ranges::find(kFiles, path) != kFiles.end(), "only firmware files are read");
        const auto found = files.find(path);
        if (found == files.end()) return std::unexpected(ENOENT);
        return found->second;
    };

    const auto serial = firmwareSerialNumber(read);
    checkValue(serial, files);
    if (const auto first = realValueOf(files, "sys/class/dmi/id/product_serial")) {
        require(serial == first, "product_serial comes first");
    } else if (const auto second = realValueOf(files, "sys/class/dmi/id/board_serial")) {
        require(serial == second, "board_serial comes next, whatever product_serial's state");
    }

    const auto found = firmwareMakerAndModel(read);
    checkValue(found.manufacturer, files);
    checkValue(found.model, files);
    if (const auto vendor = realValueOf(files, "sys/class/dmi/id/sys_vendor")) {
        require(found.manufacturer == vendor, "sys_vendor comes first");
    }
    return 0;
}
