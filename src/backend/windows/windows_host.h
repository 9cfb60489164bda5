// The host services on Windows: the Windows Script Host network object and
// WMI through COM, the system tick counter, MessageBoxW and the user's
// short-date format. COM is initialised for the thread that makes the host,
// the user-interface thread, and stays so while the host lives.
#pragma once

#include <memory>

#include "backend/host_factory.h"
#include "sysinfo/host.h"
#include "win32/com_apartment.h"

namespace tallowin::windows_backend {

class WindowsHost final : public Host {
  public:
    // Without a message-box function of the front end's, MessageBoxW shows
    // the boxes.
    explicit WindowsHost(MessageBoxFn showMessageBox = {});

    HostResult<std::unique_ptr<NetworkIdentity>> createNetworkIdentity() override;
    HostResult<std::unique_ptr<WmiService>> bindWmi(std::string_view moniker) override;
    HostResult<std::uint64_t> tickCount() override;
    HostResult<int> messageBox(std::string_view prompt, std::int32_t style,
                               std::optional<std::string_view> title) override;
    HostResult<std::string> shortDate(std::chrono::year_month_day date) override;

  private:
    win32::ComApartment apartment_;
    MessageBoxFn showMessageBox_;
};

}  // namespace tallowin::windows_backend
