// The walk over the IP-enabled adapters that answers every question about
// the machine's addresses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "host.h"

namespace tallowin {

inline constexpr std::string_view kIpAddressErrorText = "Error in IP Address";

// The modes of an address call (Zin_GetIP's argMode).
namespace address_mode {
inline constexpr std::int32_t kFirst = 0;  // the first usable address
inline constexpr std::int32_t kList = 1;   // every address, joined by CR LF
inline constexpr std::int32_t kCount = 2;  // the number of addresses
}  // namespace address_mode

// address_mode::kFirst: the first usable address; kCount: the number of
// addresses; any other mode: every address, joined by CR LF. Up to four failures in one call
// are stepped over; the fifth answers kIpAddressErrorText.
[[nodiscard]] std::string enumerateIpAddresses(Host& host, std::int32_t mode);

}  // namespace tallowin
