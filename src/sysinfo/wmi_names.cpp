#include "wmi_names.h"

namespace tallowin::wmi {

std::string monikerFor(std::string_view computerName) {
    std::string moniker = R"(winmgmts:{impersonationLevel=impersonate}!\\)";
    moniker += computerName;
    moniker += R"(\root\cimv2)";
    return moniker;
}

}  // namespace tallowin::wmi
