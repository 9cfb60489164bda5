#include "ip_list_window_logic.h"

#include "sysinfo/ip_addresses.h"

namespace tallowin::ui {

IpListContent loadIpListWindow(clsSysInfo& service, std::string_view currentCaption) {
    IpListContent content;
    content.caption = currentCaption;
    content.caption += " for ";
    content.caption += service.Zin_GetComputerName();
    content.list = service.Zin_GetIP(address_mode::kList);
    return content;
}

}  // namespace tallowin::ui
