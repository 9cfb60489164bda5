// The error numbers and descriptions of conditions that the core and every
// back end raise alike, numbered as the host numbers them.
#pragma once

#include "host.h"

namespace tallowin::errors {

[[nodiscard]] HostError overflow();             // 6
[[nodiscard]] HostError outOfMemory();          // 7
[[nodiscard]] HostError subscriptOutOfRange();  // 9
[[nodiscard]] HostError typeMismatch();         // 13
[[nodiscard]] HostError internalError();        // 51
[[nodiscard]] HostError objectNotSet();         // 91: an operation on an absent object
[[nodiscard]] HostError invalidUseOfNull();     // 94

}  // namespace tallowin::errors
