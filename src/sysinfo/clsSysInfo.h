// The system information service: every question the windows ask about the
// machine is answered here, from the host services alone. The service keeps no
// state between calls; each call creates and releases its own host objects.
// No exception leaves a public method: a failure becomes an error text or
// empty text, as each method states.
#pragma once

#include <cstdint>
#include <string>

#include "host.h"

namespace tallowin {

class clsSysInfo {
  public:
    explicit clsSysInfo(Host& host) : host_(host) {}

    // The time since the machine started in words, pieces joined by
    // argSeperator ("1 day, 2 hours" for ", "). Empty text for half a second
    // or less, and when the tick counter cannot be read.
    [[nodiscard]] std::string Zin_UpTime(const std::string& argSeperator) noexcept;

    // Shows the one-page system report in a modal message box and returns
    // when it is dismissed; shows "The computer did not respond" when the
    // management service cannot be bound, and nothing without a computer
    // name or when the tick counter cannot be read. Every other failure is
    // stepped over.
    void Zin_SysInfo() noexcept;

    // The machine's IP addresses from the IP-enabled adapters: mode 0 the
    // first usable address, mode 2 the number of addresses in decimal
    // digits, any other mode every address joined by CR LF. Answers empty
    // text when the computer name is empty and "Error in IP Address" at the
    // fifth failure of one call.
    [[nodiscard]] std::string Zin_GetIP(std::int32_t argMode) noexcept;

    // The three names of the network identity object, or an error text.
    [[nodiscard]] std::string Zin_GetUserName() noexcept;
    [[nodiscard]] std::string Zin_GetComputerName() noexcept;
    [[nodiscard]] std::string Zin_GetUserDomain() noexcept;

  private:
    Host& host_;
};

}  // namespace tallowin
