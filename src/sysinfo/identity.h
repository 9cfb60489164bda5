// The network identity lookup shared by the three name methods.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host.h"

namespace tallowin::Module1 {

// How the error text names each lookup.
inline constexpr std::string_view kUserNameLookup = "Current User Name (Zin_GetUserName)";
inline constexpr std::string_view kComputerNameLookup = "Computer Name (Zin_GetComputerName)";
inline constexpr std::string_view kUserDomainLookup = "User Domain (Zin_GetUserDomain)";
inline constexpr std::string_view kOtherNameLookup = "Network Value (GetNetworkValue)";

// The text a lookup answers in its value's place when the host fails it:
// "Error: <description> (<number>) Error in <lookup> (from <date>).", the
// date being the day the lookup was written in the user's short-date form.
[[nodiscard]] std::string lookupErrorText(std::string_view description, std::int32_t number,
                                          std::string_view lookup, std::string_view date);

// The value of one property of a fresh network identity object ("UserName",
// "ComputerName" or "UserDomain", compared exactly), as text. Any other name
// answers empty text. A failure numbered 13 (type mismatch) is stepped over;
// any other failure answers an error text naming the property asked for.
[[nodiscard]] std::string GetNetworkValue(Host& host, std::string_view name) noexcept;

}  // namespace tallowin::Module1
