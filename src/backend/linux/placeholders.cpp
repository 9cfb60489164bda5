#include "placeholders.h"

#include <algorithm>
#include <array>

#include "text.h"

namespace tallowin::linux_backend {
namespace {

constexpr auto kPlaceholderBeginnings = std::to_array<std::string_view>({
    "To be filled",
    "To be set",
    "O.E.M.",
    "OEM",
    "System Product",
    "System manufacturer",
    "Unknown Product",
});

constexpr auto kPlaceholders = std::to_array<std::string_view>({
    "None",
    "System Name",
    "System Version",
    "System SKU#",
    "Default string",
    "Undefined",
    "Not Specified",
    "Not Applicable",
    "Not Defined",
    "Not Available",
    "INVALID",
    "TBD by OEM",
    "N/A",
    "Unknown",
    "Standard",
    "0123456789",
    "System Serial Number",
});

// "0x0", "0x00", "0x0000000000": a zero written in hexadecimal.
bool isHexZero(std::string_view value) noexcept {
    return startsWithIgnoringCase(value, "0x0") &&
           std::ranges::all_of(value.substr(2), [](char c) { return c == '0'; });
}

}  // namespace

bool isFirmwarePlaceholder(std::string_view value) noexcept {
    const std::string_view trimmed = trimBlanks(value);
    if (trimmed.empty() || isHexZero(trimmed)) {
        return true;
    }
    const auto begins = [&](std::string_view prefix) {
        return startsWithIgnoringCase(trimmed, prefix);
    };
    const auto is = [&](std::string_view placeholder) {
        return equalsIgnoringCase(trimmed, placeholder);
    };
    return std::ranges::any_of(kPlaceholderBeginnings, begins) ||
           std::ranges::any_of(kPlaceholders, is);
}

}  // namespace tallowin::linux_backend
