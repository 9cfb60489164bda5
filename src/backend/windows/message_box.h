// The host's modal message box, MessageBoxW.
#pragma once

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string_view>

#include "sysinfo/host.h"

namespace tallowin::windows_backend {

// The flags MessageBoxW is given for a style value: the button set, the icon,
// the default button and task modality when they hold defined values.
// Everything else is left out: the Help button (no help file is ever given),
// system modality (the box belongs to the program, not the desktop), an
// undefined default button and the bits Windows keeps for itself. The
// report's style 0xFF00 thus shows the OK button alone, no icon, modal to
// the program.
[[nodiscard]] UINT messageBoxFlags(std::int32_t style) noexcept;

// Shows the box owned by the calling thread's active window and waits until
// it is dismissed; answers the button pressed. Without a title the box is
// titled with the program's name. The prompt is shortened where it would
// not fit the screen (see ui/message_fit.h).
[[nodiscard]] HostResult<int> showMessageBox(std::string_view prompt, std::int32_t style,
                                             std::optional<std::string_view> title);

}  // namespace tallowin::windows_backend
