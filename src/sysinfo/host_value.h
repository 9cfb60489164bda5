// The values that host property reads answer, and the host's standard
// conversions of them to text.
#pragma once

#include <cstdint>
#include <expected>
#include <string>
#include <variant>
#include <vector>

namespace tallowin {

struct HostError;

// The Null value: a property that holds nothing.
struct Null {
    friend bool operator==(Null, Null) = default;
};

using TextArray = std::vector<std::string>;

// A late-bound property value: Null, text, a whole number, a boolean or an
// array of text (indexed from 0).
using HostValue = std::variant<Null, std::string, std::int64_t, bool, TextArray>;

[[nodiscard]] bool isNull(const HostValue& value);

// Assigning a value to a text variable: Null fails with 94 ("Invalid use of
// Null"), an array with 13 ("Type mismatch"). Numbers become decimal digits,
// booleans "True" or "False". Host text that is not valid UTF-8 has its bad
// bytes replaced with U+FFFD.
[[nodiscard]] std::expected<std::string, HostError> toText(const HostValue& value);

// Joining a value into text with "&": as toText, but Null joins as empty text.
[[nodiscard]] std::expected<std::string, HostError> joinText(const HostValue& value);

// The bounds of dimension 1 of an array value, as 16-bit integers: a value
// that is not an array fails with 13, a bound outside 16 bits with 6
// ("Overflow"). An empty array has lower bound 0 and upper bound -1.
[[nodiscard]] std::expected<std::int16_t, HostError> lowerBound(const HostValue& value);
[[nodiscard]] std::expected<std::int16_t, HostError> upperBound(const HostValue& value);

}  // namespace tallowin
