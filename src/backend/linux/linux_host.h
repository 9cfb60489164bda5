// The host services on Linux, answered from the machine's own facts in the
// shape the Windows services give them.
#pragma once

#include <memory>

#include "backend/host_factory.h"
#include "environment.h"
#include "sysinfo/host.h"

namespace tallowin::linux_backend {

class LinuxHost final : public Host {
  public:
    // Parts of the environment left unset are the running system's.
    LinuxHost(Environment environment, MessageBoxFn showMessageBox);

    HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() override;
    HostResult<std::unique_ptr<WmiService>> bindWmi(std::string_view moniker) override;
    HostResult<std::uint64_t> tickCount() override;
    HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) override;
    HostResult<std::string> shortDate(std::chrono::year_month_day date) override;

  private:
    std::shared_ptr<const Environment> environment_;
    MessageBoxFn showMessageBox_;
};

}  // namespace tallowin::linux_backend
