// The text a name lookup answers in its value's place when the host fails
// it, as a test expects it:
//   "Error: <description> (<number>) Error in <lookup> (from <short date>)."
// The date is the day the lookup was written, by default in the US English
// short-date form that the fake host writes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallowin::fake {

// How the error text names each lookup.
inline constexpr std::string_view kUserNameLookup = "Current User Name (Zin_GetUserName)";
inline constexpr std::string_view kComputerNameLookup = "Computer Name (Zin_GetComputerName)";
inline constexpr std::string_view kUserDomainLookup = "User Domain (Zin_GetUserDomain)";
inline constexpr std::string_view kOtherNameLookup = "Network Value (GetNetworkValue)";

[[nodiscard]] inline std::string lookupError(std::string_view description, std::int32_t number,
                                             std::string_view lookup,
                                             std::string_view date = "3/22/2007") {
    std::string text = "Error: ";
    text += description;
    text += " (" + std::to_string(number) + ") Error in ";
    text += lookup;
    text += " (from ";
    text += date;
    text += ").";
    return text;
}

}  // namespace tallowin::fake
