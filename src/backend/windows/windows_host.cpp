#include "windows_host.h"

#include <windows.h>

#include <utility>

#include "message_box.h"
#include "network_identity.h"
#include "short_date.h"
#include "sysinfo/guarded.h"
#include "wmi_service.h"

namespace tallowin::windows_backend {

WindowsHost::WindowsHost(MessageBoxFn showMessageBox)
    : showMessageBox_(std::move(showMessageBox)) {}

HostResult<std::unique_ptr<NetworkIdentity>> WindowsHost::createNetworkIdentity() {
    return guarded([] { return windows_backend::createNetworkIdentity(); });
}

HostResult<std::unique_ptr<WmiService>> WindowsHost::bindWmi(std::string_view moniker) {
    return guarded([&] { return bindWmiService(moniker); });
}

HostResult<std::uint64_t> WindowsHost::tickCount() {
    return static_cast<std::uint64_t>(GetTickCount64());
}

HostResult<int> WindowsHost::messageBox(std::string_view prompt, std::int32_t style,
                                        std::optional<std::string_view> title) {
    return guarded([&]() -> HostResult<int> {
        if (showMessageBox_) return showMessageBox_(prompt, style, title);
        return showMessageBox(prompt, style, title);
    });
}

HostResult<std::string> WindowsHost::shortDate(std::chrono::year_month_day date) {
    return guarded([&] { return windows_backend::shortDate(date); });
}

}  // namespace tallowin::windows_backend
