// Host values from the VARIANTs that late-bound reads answer.
#pragma once

#include <oaidl.h>

#include <cstdint>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

// Empty and Null become Null, strings UTF-8 text, integers whole numbers,
// booleans booleans, one-dimensional arrays of strings (or of variants
// holding text) a text array; anything else the host's own conversion to a
// string, or error 13 ("Type mismatch") when it has none.
[[nodiscard]] HostResult<HostValue> toHostValue(const VARIANT& value);

// The element at `index` of an array value, counted within the array's own
// bounds (error 9, "Subscript out of range", outside them). A value that is
// not an array is taken as the element itself: the provider has answered the
// indexed read.
[[nodiscard]] HostResult<HostValue> elementOf(const VARIANT& value, std::int16_t index);

}  // namespace tallowin::windows_backend
