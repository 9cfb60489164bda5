// A process's peak resident memory, as the kernel counts it.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tallowin::bench {

// The VmHWM figure, in KiB, of a /proc/<pid>/status text; nothing when the
// text has no such line.
[[nodiscard]] std::optional<std::uint64_t> parseVmHwmKib(std::string_view statusText);

// The peak resident memory so far of a running process, in KiB.
[[nodiscard]] std::optional<std::uint64_t> peakResidentKib(pid_t pid);

}  // namespace tallowin::bench
