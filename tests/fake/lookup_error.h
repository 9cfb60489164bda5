// The text a name lookup answers in its value's place when the host fails
// it, as a test expects it: the product's own form (spelt out once in
// tests/ui/user_visible_texts_test.cpp), dated by default in the US English
// short-date form that the fake host writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "sysinfo/identity.h"

namespace tallowin::fake {

using Module1::kComputerNameLookup;
using Module1::kOtherNameLookup;
using Module1::kUserDomainLookup;
using Module1::kUserNameLookup;

[[nodiscard]] inline std::string lookupError(std::string_view description, std::int32_t number,
                                             std::string_view lookup,
                                             std::string_view date = "3/22/2007") {
    return Module1::lookupErrorText(description, number, lookup, date);
}

}  // namespace tallowin::fake
