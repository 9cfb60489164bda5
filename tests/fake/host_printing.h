// How host values, errors and results read in test failure messages:
// Null, "text" (quoted, with control characters escaped), 42, True,
// {"a", "b"}; error 13: "Type mismatch"; "an object" or "no object" for a
// host object. GoogleTest finds these by argument-dependent lookup, in every
// test that includes this header (fake_host.h and the back ends' test hosts
// do).
#pragma once

#include <cstdint>
#include <iosfwd>
#include <string_view>
#include <type_traits>

#include "sysinfo/host.h"

namespace tallowin {

void PrintTo(Null, std::ostream* out);
void PrintTo(const HostValue& value, std::ostream* out);
void PrintTo(const HostError& error, std::ostream* out);
void PrintTo(const std::unexpected<HostError>& error, std::ostream* out);

namespace printing {
void text(std::string_view text, std::ostream* out);
void number(std::int64_t number, std::ostream* out);
void unsignedNumber(std::uint64_t number, std::ostream* out);
void object(bool present, std::ostream* out);
}  // namespace printing

template <class T>
void PrintTo(const HostResult<T>& result, std::ostream* out) {
    if (!result) {
        PrintTo(result.error(), out);
    } else if constexpr (std::is_same_v<T, HostValue>) {
        PrintTo(*result, out);
    } else if constexpr (std::is_convertible_v<const T&, std::string_view>) {
        printing::text(*result, out);
    } else if constexpr (std::is_integral_v<T> && std::is_signed_v<T>) {
        printing::number(*result, out);
    } else if constexpr (std::is_integral_v<T>) {
        printing::unsignedNumber(*result, out);
    } else {
        printing::object(*result != nullptr, out);
    }
}

}  // namespace tallowin
