// The error numbers and descriptions that the core itself raises, numbered as
// the host numbers the same conditions.
#pragma once

#include "host.h"

namespace tallowin::errors {

[[nodiscard]] HostError overflow();          // 6
[[nodiscard]] HostError typeMismatch();      // 13
[[nodiscard]] HostError objectNotSet();      // 91: an operation on an absent object
[[nodiscard]] HostError invalidUseOfNull();  // 94

}  // namespace tallowin::errors
