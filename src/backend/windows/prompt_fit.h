// A message box's prompt made to fit the screen, measured as MessageBoxW
// draws it (the rule itself is ui/message_fit.h).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace tallowin::windows_backend {

// The UTF-8 prompt fitted to a box on the monitor of `owner` (the primary
// monitor without one) and made wide for MessageBoxW, measured in the
// desktop's message font at the owner's DPI: no line wider than half the
// monitor's work area, and the lines no taller than half of it even where
// the box wraps them at three inches, about the narrowest a box wraps at
// (Wine's, at 96 DPI, about 3.2 inches).
[[nodiscard]] std::wstring fitPromptToScreen(std::string_view prompt, HWND owner);

}  // namespace tallowin::windows_backend
