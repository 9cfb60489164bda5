// The management service bound by its moniker, its query results, walks and
// items, all reached through IDispatch as a late-bound caller reaches them.
#pragma once

#include <memory>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

[[nodiscard]] HostResult<std::unique_ptr<WmiService>> bindWmiService(std::string_view moniker);

}  // namespace tallowin::windows_backend
