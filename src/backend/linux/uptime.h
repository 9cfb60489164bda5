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

// True when <root>/proc/uptime is the kernel's own file: the root is the
// machine's and the file lies on procfs, not on a file a container runtime
// put over it. The kernel writes that file from the boot clock, so the clock
// answers the same count without opening a file (a file costs microseconds,
// the clock tens of nanoseconds).
[[nodiscard]] bool procUptimeIsTheBootClock(const std::filesystem::path& root);

// From <root>/proc/uptime (container runtimes give their containers their
// own), else from the boot clock. With procUptimeIsBootClock the boot clock
// is asked first, and the file only when the clock cannot be read.
[[nodiscard]] HostResult<std::uint64_t> millisecondsSinceStart(const std::filesystem::path& root,
                                                               const BootClock& bootClock,
                                                               bool procUptimeIsBootClock = false);

}  // namespace tallowin::linux_backend
