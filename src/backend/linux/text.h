// Byte-wise text helpers that are safe on any bytes, valid UTF-8 or not.
#pragma once

#include <string_view>

namespace tallowin::linux_backend {

// Equal when the texts differ at most in the letter case of ASCII letters,
// as late-bound member names and computer names are compared.
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept;

}  // namespace tallowin::linux_backend
