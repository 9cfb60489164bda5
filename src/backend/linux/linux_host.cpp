#include "linux_host.h"

#include <utility>

#include "backend_errors.h"
#include "identity.h"
#include "moniker.h"
#include "short_date.h"
#include "sysinfo/guarded.h"
#include "sysinfo/valid_utf8.h"
#include "wmi_service.h"

namespace tallowin::linux_backend {

LinuxHost::LinuxHost(Environment environment, MessageBoxFn showMessageBox)
    : environment_(std::make_shared<const Environment>(completed(std::move(environment)))),
      showMessageBox_(std::move(showMessageBox)) {}

HostResult<std::unique_ptr<NetworkIdentity>> LinuxHost::createNetworkIdentity() {
    return guarded([&]() -> HostResult<std::unique_ptr<NetworkIdentity>> {
        return makeNetworkIdentity(environment_);
    });
}

HostResult<std::unique_ptr<WmiService>> LinuxHost::bindWmi(std::string_view moniker) {
    return guarded([&]() -> HostResult<std::unique_ptr<WmiService>> {
        const auto hostName = environment_->names->hostName();
        if (!hostName) {
            return std::unexpected(hostName.error());
        }
        // Compared as the caller reads the name: a host name that is not
        // UTF-8 reaches it repaired, and so comes back in the moniker.
        const std::string computerName = toValidUtf8(computerNameOf(*hostName));
        if (auto checked = checkMoniker(moniker, computerName); !checked) {
            return std::unexpected(std::move(checked.error()));
        }
        return makeWmiService(environment_);
    });
}

HostResult<std::uint64_t> LinuxHost::tickCount() {
    return guarded([&] {
        return millisecondsSinceStart(environment_->root, environment_->bootClock,
                                      environment_->procUptimeIsBootClock);
    });
}

HostResult<int> LinuxHost::messageBox(std::string_view prompt, std::int32_t style,
                                      std::optional<std::string_view> title) {
    return guarded([&]() -> HostResult<int> {
        if (!showMessageBox_) {
            return std::unexpected(errors::invalidArgument("no message box is available"));
        }
        return showMessageBox_(prompt, style, title);
    });
}

HostResult<std::string> LinuxHost::shortDate(std::chrono::year_month_day date) {
    return guarded([&] { return localShortDate(date); });
}

}  // namespace tallowin::linux_backend
