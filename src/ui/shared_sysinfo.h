// The one service instance that every window calls. It is created at its
// first use and lives as long as this holder, which the program keeps until it
// ends.
#pragma once

#include <optional>

#include "sysinfo/clsSysInfo.h"

namespace tallowin::ui {

class SharedSysInfo {
  public:
    explicit SharedSysInfo(Host& host) : host_(host) {}

    [[nodiscard]] clsSysInfo& get() {
        if (!instance_) instance_.emplace(host_);
        return *instance_;
    }

  private:
    Host& host_;
    std::optional<clsSysInfo> instance_;
};

}  // namespace tallowin::ui
