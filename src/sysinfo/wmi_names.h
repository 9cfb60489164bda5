// The moniker and query texts that the service sends to the management
// service, exactly as the host expects them.
#pragma once

#include <string>
#include <string_view>

namespace tallowin::wmi {

// "winmgmts:{impersonationLevel=impersonate}!\\" + computer + "\root\cimv2"
[[nodiscard]] std::string monikerFor(std::string_view computerName);

inline constexpr std::string_view kBiosQuery = "SELECT * FROM Win32_BIOS";
inline constexpr std::string_view kOperatingSystemQuery = "SELECT * FROM Win32_OperatingSystem";
inline constexpr std::string_view kComputerSystemQuery = "SELECT * FROM Win32_ComputerSystem";
inline constexpr std::string_view kAdapterAddressesQuery =
    "SELECT IPAddress FROM Win32_NetworkAdapterConfiguration WHERE IPEnabled=TRUE";

}  // namespace tallowin::wmi
