// Dates in the user's short-date format.
#pragma once

#include <chrono>
#include <string>

#include "sysinfo/host.h"

namespace tallowin::linux_backend {

// The date as M/D/YYYY without leading zeros ("3/22/2007"): the United
// States English short date, the language of the program's own texts.
[[nodiscard]] std::string usShortDate(std::chrono::year_month_day date);

// The date in the short-date format of the environment's LC_TIME locale;
// the US English form when that locale is C or POSIX or cannot be loaded.
// A date that does not exist fails with 5.
[[nodiscard]] HostResult<std::string> localShortDate(std::chrono::year_month_day date);

}  // namespace tallowin::linux_backend
