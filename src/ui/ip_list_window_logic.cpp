#include "ip_list_window_logic.h"

namespace tallowin::ui {

namespace {
constexpr std::int32_t kAddressListMode = 1;
}  // namespace

IpListContent loadIpListWindow(clsSysInfo& service, std::string_view currentCaption) {
    IpListContent content;
    content.caption = currentCaption;
    content.caption += " for ";
    content.caption += service.Zin_GetComputerName();
    content.list = service.Zin_GetIP(kAddressListMode);
    return content;
}

}  // namespace tallowin::ui
