// The processor time a process has used so far, all its threads together.
// Start-up wall time spreads widely when other work shares the machine; the
// processor time a program needs to reach its window hardly does.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <optional>
#include <string_view>

namespace tallowin::bench {

// The first figure of a /proc/<pid>/task/<tid>/schedstat text: nanoseconds
// spent running. Nothing when the text does not start with a number.
[[nodiscard]] std::optional<std::uint64_t> parseSchedstatRunNs(std::string_view text);

// The nanoseconds every thread of a running process has spent running;
// nothing when the process is gone or the kernel keeps no such figures.
[[nodiscard]] std::optional<std::uint64_t> processorTimeNs(pid_t pid);

}  // namespace tallowin::bench
