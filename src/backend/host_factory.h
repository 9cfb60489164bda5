// The one entry point of the platform back ends: the program asks for the
// host of the platform it was built for, without knowing which it is. CMake
// chooses the back end that implements this.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin {

// Shows a modal message box for the back end and answers the button pressed.
// The front end supplies it where the platform has no message box of its own
// outside a toolkit.
using MessageBoxFn = std::function<int(std::string_view prompt, std::int32_t style,
                                       std::optional<std::string_view> title)>;

[[nodiscard]] std::unique_ptr<Host> makePlatformHost(MessageBoxFn showMessageBox);

}  // namespace tallowin
