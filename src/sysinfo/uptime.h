// The time since the machine started, in words: "1 day, 2 hours, 3 minutes,
// 4 seconds", largest unit first, zero counts left out.
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <string_view>

#include "host.h"

namespace tallowin {

// Writes an uptime of `milliseconds` in words, with `separator` between the
// pieces. The milliseconds round to whole seconds, halves to even; half a
// second or less gives empty text. Months (2,629,743.828768 seconds each)
// come first, then weeks, days, hours, minutes and seconds.
[[nodiscard]] std::string uptimeInWords(std::uint64_t milliseconds, std::string_view separator);

// Reads the host's tick counter once and writes it in words; a failed read
// passes the host's failure on.
[[nodiscard]] HostResult<std::string> readUptime(Host& host, std::string_view separator);

}  // namespace tallowin
