// Byte-wise text helpers that are safe on any bytes, valid UTF-8 or not.
#pragma once

#include <string_view>

namespace tallowin::linux_backend {

// Equal when the texts differ at most in the letter case of ASCII letters,
// as late-bound member names and computer names are compared.
[[nodiscard]] bool equalsIgnoringCase(std::string_view a, std::string_view b) noexcept;

// True when the text begins with the prefix, compared as equalsIgnoringCase.
[[nodiscard]] bool startsWithIgnoringCase(std::string_view text, std::string_view prefix) noexcept;

// True for a space, tab, line break, vertical tab, form feed or NUL byte:
// what pads the values that the kernel and the firmware give.
[[nodiscard]] bool isBlankOrNul(char c) noexcept;

// The text without the blanks and NULs at its end.
[[nodiscard]] std::string_view trimTrailingBlanks(std::string_view text) noexcept;

// The text without the blanks and NULs at either end.
[[nodiscard]] std::string_view trimBlanks(std::string_view text) noexcept;

}  // namespace tallowin::linux_backend
