#include "clsSysInfo.h"

#include "identity.h"
#include "ip_addresses.h"
#include "report.h"
#include "uptime.h"

namespace tallowin {

std::string clsSysInfo::Zin_UpTime(const std::string& argSeperator) noexcept {
    try {
        return readUptime(host_, argSeperator).value_or(std::string{});
    } catch (...) {
        return {};
    }
}

void clsSysInfo::Zin_SysInfo() noexcept {
    try {
        showSystemReport(host_);
    } catch (...) {
        // Only running out of memory can get here; the report stays unshown.
    }
}

std::string clsSysInfo::Zin_GetIP(std::int32_t argMode) noexcept {
    try {
        return enumerateIpAddresses(host_, argMode);
    } catch (...) {
        // Only running out of memory can get here: the call has given up.
        return std::string{kIpAddressErrorText};
    }
}

std::string clsSysInfo::Zin_GetUserName() noexcept {
    return Module1::GetNetworkValue(host_, "UserName");
}

std::string clsSysInfo::Zin_GetComputerName() noexcept {
    return Module1::GetNetworkValue(host_, "ComputerName");
}

std::string clsSysInfo::Zin_GetUserDomain() noexcept {
    return Module1::GetNetworkValue(host_, "UserDomain");
}

}  // namespace tallowin
