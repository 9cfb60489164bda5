// A date in the user's short-date format, as Windows writes it.
#pragma once

#include <chrono>
#include <string>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

// Error 5 for a date that does not exist or that Windows cannot hold.
[[nodiscard]] HostResult<std::string> shortDate(std::chrono::year_month_day date);

}  // namespace tallowin::windows_backend
