// The time since the machine started, in milliseconds, including time spent
// suspended.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::linux_backend {

using BootClock = std::function<std::optional<std::uint64_t>()>;

// The first field of /proc/uptime ("12345.67 ...") as whole milliseconds,
// read from the decimal text itself so that no rounding creeps in; digits
// past the millisecond are dropped. Nothing when the text is not that form.
[[nodiscard]] std::optional<std::uint64_t> parseUptimeMilliseconds(std::string_view text);

// CLOCK_BOOTTIME in milliseconds.
[[nodiscard]] std::optional<std::uint64_t> bootClockMilliseconds();

// From <root>/proc/uptime (container runtimes give their containers their
// own), else from the boot clock.
[[nodiscard]] HostResult<std::uint64_t> millisecondsSinceStart(const std::filesystem::path& root,
                                                               const BootClock& bootClock);

}  // namespace tallowin::linux_backend
