// A message box's prompt made to fit the screen. MessageBoxW wraps a line
// wider than it allows and grows by every line, without bound: a long value
// or many lines would put the box and its OK button off the screen.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace tallowin::windows_backend {

// What a box can show, in the units of the measure: the widest line and the
// height of all lines together.
struct PromptLimits {
    int width = 0;
    int height = 0;
};

// How wide one line is when it is kept on one line, and how tall it is when
// the box wraps it as narrowly as a box may.
struct LineMeasure {
    std::function<int(std::wstring_view line)> width;
    std::function<int(std::wstring_view line)> height;
};

// The prompt within the limits. A line wider than the limit keeps its longest
// beginning that fits with "…" after it (never half a surrogate pair); when
// the lines together are taller than the limit, the prompt keeps the first
// lines that leave room for a last line "…" and ends in it. Line breaks
// (CR LF, CR or LF) stay as they are, and a prompt within the limits comes
// back unchanged.
[[nodiscard]] std::wstring fitPrompt(std::wstring_view prompt, const PromptLimits& limits,
                                     const LineMeasure& measure);

// The prompt fitted to a box on the monitor of `owner` (the primary monitor
// without one), measured in the desktop's message font at the owner's DPI:
// no line wider than half the monitor's work area, and the lines no taller
// than half of it even where the box wraps them at three inches, about the
// narrowest a box wraps at (Wine's, at 96 DPI, about 3.2 inches). The other
// half leaves room for the box's frame, title, margins and button.
[[nodiscard]] std::wstring fitPromptToScreen(std::wstring_view prompt, HWND owner);

}  // namespace tallowin::windows_backend
