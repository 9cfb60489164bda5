// The network identity lookup shared by the three name methods.
#pragma once

#include <string>
#include <string_view>

#include "host.h"

namespace tallowin::Module1 {

// The value of one property of a fresh network identity object ("UserName",
// "ComputerName" or "UserDomain", compared exactly), as text. Any other name
// answers empty text. A failure numbered 13 (type mismatch) is stepped over;
// any other failure answers an error text naming the property asked for.
[[nodiscard]] std::string GetNetworkValue(Host& host, std::string_view name) noexcept;

}  // namespace tallowin::Module1
