// The texts that firmware vendors leave in fields they never filled in. Such
// a text names nothing, so the back end treats it as no value at all.
#pragma once

#include <string_view>

namespace tallowin::linux_backend {

// True when the value, once trimmed of blanks and NULs at both ends, is a
// known placeholder, compared without regard to letter case; also true when
// nothing is left after trimming.
[[nodiscard]] bool isFirmwarePlaceholder(std::string_view value) noexcept;

}  // namespace tallowin::linux_backend
